#include "gui/popups/LanCardEnablePopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"
#include "model/DataModelManager.hpp"

namespace
{
const quillon::TextId TITLE = 987;
const int16_t TITLE_Y = 10;
const quillon::TextId MESSAGE = 845;
const int16_t MESSAGE_Y = 50;
const quillon::TextId NOTE = 846;
const int16_t NOTE_Y = 195;
const quillon::TextId ACCEPT_TEXT = 823;
const quillon::TextId REFUSE_TEXT = 802;
} // namespace

LanCardEnablePopup::LanCardEnablePopup(uint16_t popupId)
    : Popup(popupId), buttonCallback(this, &LanCardEnablePopup::buttonClicked)
{
    frame.setStyle(PopupLayout::ORANGE_FRAME);
    PopupLayout::placeText(titleText, TITLE, TITLE_Y);
    PopupLayout::placeText(messageText, MESSAGE, MESSAGE_Y);
    PopupLayout::placeText(noteText, NOTE, NOTE_Y);
    PopupLayout::setupButton(acceptButton, ACCEPT_TEXT, buttonCallback);
    PopupLayout::setupButton(refuseButton, REFUSE_TEXT, buttonCallback);
    PopupLayout::placeButtonPair(acceptButton, refuseButton, PopupLayout::BUTTON_Y);
    add(titleText);
    add(messageText);
    add(noteText);
    add(acceptButton);
    add(refuseButton);
}

void LanCardEnablePopup::bind(PopupData&)
{
    PopupLayout::fitHeight(titleText);
    PopupLayout::fitHeight(messageText);
    PopupLayout::fitHeight(noteText);
}

void LanCardEnablePopup::setLanCardEnabled(bool enabled)
{
    model::DataModelManager::getInstance().getGroups().lan.moduleOn.setValue(enabled ? 1 : 0);
}

void LanCardEnablePopup::buttonClicked(const quillon::AbstractButton& source)
{
    const bool accepted = &source == &acceptButton;
    if (!accepted && &source != &refuseButton) {
        return;
    }
    popupManager->close(popupId);
    setLanCardEnabled(accepted);
    ShellContext* context = ShellContext::running();
    if (context != nullptr) {
        context->pageManager->back();
    }
    close();
}
