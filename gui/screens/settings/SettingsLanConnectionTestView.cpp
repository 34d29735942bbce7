#include "gui/screens/settings/SettingsLanConnectionTestView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/IPopupManager.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/popups/PopupId.hpp"

namespace
{
const int16_t BUSY_Y = 140;
const int16_t MESSAGE_Y = 90;
const int16_t WAITING_Y = 220;
const int16_t LINE_HEIGHT = 30;
const uint8_t POPUP_LEVEL = 1;
} // namespace

SettingsLanConnectionTestView::SettingsLanConnectionTestView()
    : BaseView<SettingsLanConnectionTestPresenter>(&Functors::getInstance().plain), ticks(0)
{
}

void SettingsLanConnectionTestView::setupContent(guicontrols::Content& area)
{
    busyIcon.setRotating(true);
    busyIcon.setXY(static_cast<int16_t>((area.getWidth() - busyIcon.getWidth()) / 2), BUSY_Y);
    frame.setStyle(FRAME_STYLE);
    frame.setInsets(ModeLayout::FRAME_INSET, ModeLayout::FRAME_INSET, ModeLayout::FRAME_INSET, ModeLayout::FRAME_INSET);
    frame.setPosition(ModeLayout::MARGIN, ModeLayout::MARGIN, static_cast<int16_t>(area.getWidth() - 2 * ModeLayout::MARGIN),
                      static_cast<int16_t>(area.getHeight() - 2 * ModeLayout::MARGIN));
    ModeLayout::placeLine(area, message, MESSAGE_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
    message.setTextId(quillon::TypedText(presenter->isDhcpTest() ? DHCP_MESSAGE : STATIC_MESSAGE));
    ModeLayout::placeLine(area, waiting, WAITING_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
    waiting.setText(quillon::TypedText(PLEASE_WAIT).getText(), quillon::TypedText(WAIT_FONT_TEXT).getFont());
    area.add(frame);
    area.add(busyIcon);
    area.add(message);
    area.add(waiting);
}

void SettingsLanConnectionTestView::tick()
{
    ++ticks;
    if (ticks % READ_TICKS == 0) {
        presenter->requestStatus();
    }
    if (ticks >= EVALUATION_TICKS) {
        ticks = 0;
        evaluate();
    }
}

void SettingsLanConnectionTestView::evaluate()
{
    if (presenter->isConnected()) {
        // The feedback's end goes back to the screen that opened the test.
        showFeedback(quillon::TypedText(presenter->isDhcpTest() ? DHCP_SUCCESS : STATIC_SUCCESS).getText());
        return;
    }
    if (!presenter->hasModuleError() && !presenter->hasConnectionError()) {
        return;
    }
    pagemanager::IPopupManager* popups = pageManager != nullptr ? pageManager->getPopupManager() : nullptr;
    if (popups != nullptr) {
        popups->close(POPUP_LAN_ERROR);
        popups->show(POPUP_LAN_ERROR, POPUP_LEVEL);
    }
    updatePopupContainer(); // on this frame, not the container's next tick

}
