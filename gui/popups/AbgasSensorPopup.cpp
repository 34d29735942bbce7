#include "gui/popups/AbgasSensorPopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const quillon::TextId STATUS = 807;
const int16_t STATUS_Y = 190;
const quillon::TextId TITLE = 1065;
const int16_t TITLE_Y = 120;
const quillon::TextId WAIT = 856;
const int16_t WAIT_Y = 315;
const int16_t SPINNER_Y = 240;
} // namespace

AbgasSensorPopup::AbgasSensorPopup(uint16_t popupId)
    : Popup(popupId), buttonCallback(this, &AbgasSensorPopup::buttonClicked), timer(*this)
{
    PopupLayout::placeIcon(icon, PopupLayout::SPANNER_ICON, PopupLayout::ICON_Y);
    PopupLayout::placeText(statusText, STATUS, STATUS_Y);
    PopupLayout::placeText(titleText, TITLE, TITLE_Y);
    PopupLayout::placeText(waitText, WAIT, WAIT_Y);
    // Shown turning from the start, but driven by the popup's own tick alone: registered
    // itself as well, it would turn twice as fast.
    spinner.setVisible(true);
    spinner.setXY(static_cast<int16_t>((Popup::WIDTH - spinner.getWidth()) / 2), SPINNER_Y);
    frame.setStyle(PopupLayout::ORANGE_FRAME);
    add(icon);
    add(statusText);
    add(titleText);
    add(waitText);
    add(spinner);
}

void AbgasSensorPopup::bind(PopupData&)
{
    PopupLayout::fitHeight(statusText);
    PopupLayout::fitHeight(titleText);
    PopupLayout::fitHeight(waitText);
    timer.start();
}

void AbgasSensorPopup::onTick()
{
    spinner.onTick();
}

void AbgasSensorPopup::finish()
{
    timer.stop();
    popupManager->close(popupId);
    popupManager->remove(popupId);
}
