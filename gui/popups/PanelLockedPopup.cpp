#include "gui/popups/PanelLockedPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
const quillon::TextId TITLE = 829;
const quillon::TextId UNLOCK_TEXT = 1538;
} // namespace

PanelLockedPopup::PanelLockedPopup(uint16_t popupId)
    : Popup(popupId), tickCount(0), buttonCallback(this, &PanelLockedPopup::buttonClicked), timer(*this)
{
    PopupLayout::placeIcon(icon, PopupLayout::SPANNER_ICON, PopupLayout::ICON_Y);
    PopupLayout::placeText(titleText, TITLE, PopupLayout::TITLE_Y);
    PopupLayout::setupButton(unlockButton, UNLOCK_TEXT, buttonCallback);
    PopupLayout::placeButtonCentred(unlockButton, PopupLayout::BUTTON_Y);
    frame.setStyle(PopupLayout::ORANGE_FRAME);
    add(unlockButton);
    add(icon);
    add(titleText);
}

void PanelLockedPopup::bind(PopupData&)
{
    PopupLayout::fitHeight(titleText);
    timer.start();
}

void PanelLockedPopup::onTick()
{
    ShellContext* context = ShellContext::running();
    if (tickCount >= CLOSING_TICK && tickCount < UNLOCK_TICK && context != nullptr) {
        // Closed, not dismissed: the home screen may raise it again.
        timer.stop();
        popupManager->close(popupId);
        tickCount = 0;
    }
    if (tickCount > UNLOCK_LAST_TICK) {
        popupManager->close(popupId);
        if (context != nullptr) {
            timer.stop();
            context->pageManager->goTo(&context->pages->lockPanelEnablePage, false);
        }
        tickCount = 0;
    }
    ++tickCount;
}

void PanelLockedPopup::buttonClicked(const quillon::AbstractButton&)
{
    if (ShellContext::running() != nullptr) {
        close();
        tickCount = UNLOCK_TICK;
    }
}
