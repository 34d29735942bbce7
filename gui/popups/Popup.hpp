#ifndef GUI_POPUPS_POPUP_HPP
#define GUI_POPUPS_POPUP_HPP

#include "gui/pagemanager/IPopupManager.hpp"
#include "guicontrols/Frame.hpp"

#include <quillon/containers/Container.hpp>

#include <stdint.h>

class PopupData;

// The base of every popup: a 760 x 404 panel whose first child is its frame. Each popup
// exists once and is bound again every time a container puts it on screen.
class Popup : public quillon::Container
{
public:
    static const int16_t WIDTH = 760;
    static const int16_t HEIGHT = 404;

    explicit Popup(uint16_t popupId);

    void setPopupManager(pagemanager::IPopupManager* manager) { popupManager = manager; }
    // The user's dismissal: off the stack, level kept, so the same condition does not
    // bring it back.
    void close() { popupManager->remove(popupId); }
    uint16_t getId() const { return popupId; }

    // Once each time the popup is put on screen, before it is added.
    virtual void bind(PopupData& data) = 0;
    // Once per frame while it is on screen.
    virtual void update(PopupData& data) = 0;

protected:
    guicontrols::Frame frame;
    pagemanager::IPopupManager* popupManager;
    uint16_t popupId;
};

#endif
