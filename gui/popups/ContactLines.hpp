#ifndef GUI_POPUPS_CONTACTLINES_HPP
#define GUI_POPUPS_CONTACTLINES_HPP

#include "guicontrols/TextField.hpp"

#include <quillon/containers/Container.hpp>

class PopupData;

// The heating contractor's name and one way to reach him, under the message of the fault
// and service popups. Read again at every showing; drawn literally, so a "%s" in a name is
// just text.
class ContactLines
{
public:
    ContactLines();

    void addTo(quillon::Container& popup);
    void bind(PopupData& data);

    const guicontrols::TextField& getName() const { return contactNameText; }
    const guicontrols::TextField& getNumber() const { return contactNumberText; }

private:
    guicontrols::TextField contactNameText;
    guicontrols::TextField contactNumberText;
};

#endif
