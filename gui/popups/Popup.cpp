#include "gui/popups/Popup.hpp"

#include "gui/pagemanager/NullPopupManager.hpp"

Popup::Popup(uint16_t popupId)
    : frame(), popupManager(&pagemanager::NullPopupManager::getInstance()), popupId(popupId)
{
    setWidth(WIDTH);
    setHeight(HEIGHT);
    guicontrols::Frame::fill(*this, frame);
    frame.setInsets(9, 9, 9, 9);
    add(frame);
}
