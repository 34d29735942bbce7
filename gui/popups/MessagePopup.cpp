#include "gui/popups/MessagePopup.hpp"

#include "gui/popups/PopupLayout.hpp"

MessagePopup::MessagePopup(uint16_t popupId, const Look& look)
    : Popup(popupId),
      buttonCallback(this, &MessagePopup::buttonClicked),
      withButton(look.buttonLabel != NO_BUTTON)
{
    const bool red = look.frameStyle == PopupLayout::RED_FRAME;
    PopupLayout::placeIcon(icon, red ? PopupLayout::WARNING_ICON : PopupLayout::SPANNER_ICON, PopupLayout::ICON_Y);
    PopupLayout::placeText(titleText, look.title, PopupLayout::TITLE_Y);
    PopupLayout::placeText(messageText, look.message, look.messageY);
    if (withButton) {
        PopupLayout::setupButton(button, look.buttonLabel, buttonCallback);
        PopupLayout::placeButtonCentred(button, PopupLayout::BUTTON_Y);
    }
    frame.setStyle(look.frameStyle);
    add(icon);
    add(titleText);
    add(messageText);
    if (withButton) {
        add(button);
    }
}

void MessagePopup::bind(PopupData&)
{
    PopupLayout::fitHeight(titleText);
    PopupLayout::fitHeight(messageText);
}

void MessagePopup::buttonClicked(const quillon::AbstractButton&)
{
    close();
}
