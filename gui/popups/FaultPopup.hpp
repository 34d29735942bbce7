#ifndef GUI_POPUPS_FAULTPOPUP_HPP
#define GUI_POPUPS_FAULTPOPUP_HPP

#include "gui/popups/ContactLines.hpp"
#include "gui/popups/MessagePopup.hpp"

// A fault on the boiler, with whom to call; "Confirm" dismisses it while the fault lasts.
class FaultPopup : public MessagePopup
{
public:
    explicit FaultPopup(uint16_t popupId);
    void bind(PopupData& data) override;

    const ContactLines& getContactLines() const { return contactLines; }

private:
    ContactLines contactLines;
};

#endif
