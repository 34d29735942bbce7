#include "gui/screens/service/LanCardRescueUpdateView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/PageManager.hpp"

namespace
{
const uint32_t TOP = 0; // vertical alignment
const int16_t GAP = 20;
const int16_t IMAGE_Y = 40;
} // namespace

LanCardRescueUpdateView::LanCardRescueUpdateView()
    : BaseView<LanCardRescueUpdatePresenter>(&Functors::getInstance().plain),
      state(ASKING),
      failedImage(quillon::Bitmap(FAILED_IMAGE)),
      upToDateImage(quillon::Bitmap(UP_TO_DATE_IMAGE))
{
}

void LanCardRescueUpdateView::setupContent(guicontrols::Content& area)
{
    if (state == ASKING) {
        showConfirm(quillon::TypedText(QUESTION).getText());
        return;
    }
    busyIcon.setRotating(false);
    ModeLayout::placeFrame(area, frame);
    area.add(frame);
    switch (state) {
    case STARTING:
    case DOWNLOADING: placeWaiting(area, DOWNLOADING_TEXT, false); break;
    case UPDATING: placeWaiting(area, UPDATING_TEXT, true); break;
    case FAILED:
    case UNCHANGED: placeOutcome(area, FAILED_IMAGE, FAILED_TEXT, false); break;
    case UP_TO_DATE: placeOutcome(area, UP_TO_DATE_IMAGE, UP_TO_DATE_TEXT, true); break;
    default: break; // the page is being left
    }
}

void LanCardRescueUpdateView::placeWaiting(guicontrols::Content& area, quillon::TextId text, bool busyAtBottom)
{
    const int16_t frameHeight = static_cast<int16_t>(area.getHeight() - 2 * ModeLayout::MARGIN);
    ModeLayout::placeLine(area, message, static_cast<int16_t>(ModeLayout::MARGIN + GAP),
                          static_cast<int16_t>(frameHeight / 2), TOP);
    message.setTextId(quillon::TypedText(text));
    const int16_t bottom = static_cast<int16_t>(message.getY() + message.getHeight());
    busyIcon.setRotating(true);
    busyIcon.setXY(static_cast<int16_t>((area.getWidth() - busyIcon.getWidth()) / 2),
                   busyAtBottom ? bottom : static_cast<int16_t>(bottom - GAP));
    // Under the busy icon rather than across it: the icon is taller than the gap.
    const quillon::TypedText font(SMALL_FONT_TEXT);
    ModeLayout::placeLine(area, waiting, static_cast<int16_t>(busyIcon.getY() + busyIcon.getHeight()),
                          static_cast<int16_t>(font.getFont()->getFullHeight()), TOP);
    waiting.setText(quillon::TypedText(PLEASE_WAIT).getText(), font.getFont());
    area.add(message);
    area.add(busyIcon);
    area.add(waiting);
}

void LanCardRescueUpdateView::placeOutcome(guicontrols::Content& area, quillon::BitmapId image, quillon::TextId text,
                                           bool withNote)
{
    quillon::Image& shown = image == FAILED_IMAGE ? failedImage : upToDateImage;
    shown.setXY(static_cast<int16_t>((area.getWidth() - shown.getWidth()) / 2), IMAGE_Y);
    area.add(shown);
    int16_t y = static_cast<int16_t>(IMAGE_Y + shown.getHeight() + GAP);
    if (withNote) {
        const quillon::TypedText font(SMALL_FONT_TEXT);
        ModeLayout::placeLine(area, waiting, y, static_cast<int16_t>(font.getFont()->getFullHeight()), TOP);
        waiting.setText(quillon::TypedText(NOTE_TEXT).getText(), font.getFont());
        area.add(waiting);
        y = static_cast<int16_t>(y + waiting.getHeight());
    }
    message.setTextId(quillon::TypedText(text));
    const int16_t height = withNote ? static_cast<int16_t>(2 * message.getTypedText().getFont()->getFullHeight())
                                    : static_cast<int16_t>(area.getHeight() - ModeLayout::MARGIN - y);
    ModeLayout::placeLine(area, message, y, height, TOP);
    area.add(message);
}

void LanCardRescueUpdateView::setupBottomBar(guicontrols::BottomBar& bar)
{
    // Only an outcome may be left; while the procedure runs the bar stays empty.
    if (hasOutcome()) {
        bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
    }
}

void LanCardRescueUpdateView::onBottomBarButton(int index)
{
    if (index == OK_BUTTON && hasOutcome() && pageManager != nullptr) {
        pageManager->back();
    }
}

void LanCardRescueUpdateView::onConfirmFinished(uint8_t result, bool* handled)
{
    *handled = true;
    if (result != 1) {
        if (pageManager != nullptr) {
            pageManager->back();
        }
        return;
    }
    presenter->startUpdate();
    phaseTimer.start(START_MS, this);
    pollTimer.start(POLL_MS, this);
    showState(STARTING);
}

void LanCardRescueUpdateView::showState(uint32_t next)
{
    state = next;
    setViewMode(this);
}

bool LanCardRescueUpdateView::onTimer(gui::GuiTimer& timer, uint32_t elapsedMs)
{
    (void)elapsedMs;
    if (&timer == &pollTimer) {
        presenter->requestStatus();
        return true;
    }
    onPhaseEnded();
    return timer.getElapsed() == 0; // restarted inside: keep it running
}

void LanCardRescueUpdateView::onPhaseEnded()
{
    phaseTimer.stop();
    if (state == STARTING) {
        if (!presenter->isIdle()) {
            phaseTimer.start(DOWNLOAD_MS, this); // the module has taken the start
            state = DOWNLOADING;
            return;
        }
        downloadEnded();
    } else if (state == DOWNLOADING) {
        downloadEnded();
    } else if (state == UPDATING) {
        updateEnded();
    }
}

void LanCardRescueUpdateView::refresh()
{
    if (!presenter->hasDataChanged()) {
        return;
    }
    if (state == DOWNLOADING && presenter->isIdle()) {
        downloadEnded();
    } else if (presenter->hasFailed()) {
        stop();
        showState(FAILED);
    } else if (presenter->isUpToDate()) {
        stop();
        showState(UP_TO_DATE);
    }
}

void LanCardRescueUpdateView::downloadEnded()
{
    if (presenter->isIdle()) {
        phaseTimer.start(UPDATE_MS, this);
        showState(UPDATING);
        return;
    }
    stop();
    showState(FAILED);
}

void LanCardRescueUpdateView::updateEnded()
{
    if (presenter->isFirmwareChanged()) {
        state = CHANGED;
        if (pageManager != nullptr) {
            pageManager->back();
        }
        return;
    }
    stop();
    showState(UNCHANGED);
}

void LanCardRescueUpdateView::stop()
{
    phaseTimer.stop();
    pollTimer.stop();
    presenter->resetUpdate();
}
