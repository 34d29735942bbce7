#include "gui/popups/PanelLockedPopup.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/popups/PopupLayout.hpp"

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
    FrontendApplication* application = PopupLayout::runningApplication();
    if (tickCount >= CLOSING_TICK && tickCount < UNLOCK_TICK && application != nullptr) {
        // Closed, not dismissed: the home screen may raise it again.
        timer.stop();
        popupManager->close(popupId);
        tickCount = 0;
    }
    if (tickCount > UNLOCK_LAST_TICK) {
        popupManager->close(popupId);
        if (application != nullptr) {
            timer.stop();
            application->getPageManager().goTo(&application->getPages().lockPanelEnablePage, false);
        }
        tickCount = 0;
    }
    ++tickCount;
}

void PanelLockedPopup::buttonClicked(const quillon::AbstractButton&)
{
    if (PopupLayout::runningApplication() != nullptr) {
        close();
        tickCount = UNLOCK_TICK;
    }
}
