#include "gui/common/FeedbackViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TopBar.hpp"

#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId CONTINUE_TEXT = 1168;
const uint8_t CONTINUE_COLOR = 8;
const int16_t DEFAULT_BUSY_OFFSET = 200;
// The top-right text ends this far before the right edge of the display.
const int16_t TOP_RIGHT_END = 780;
const int16_t BUSY_SHIFT = 50;
} // namespace

FeedbackViewMode::FeedbackViewMode(IView& owner)
    : modeOwner(&owner),
      feedbackElapsedMs(0),
      autoClose(true),
      feedbackTimeoutMs(DEFAULT_TIMEOUT_MS),
      messageOffset(0),
      secondTextOffset(0),
      busyOffset(DEFAULT_BUSY_OFFSET),
      showBusy(false),
      iconButton(true),
      hasTopRight(false)
{
    messageBuffer[0] = 0;
}

void FeedbackViewMode::setup(const quillon::WideChar* title, const quillon::WideChar* message,
                             const quillon::WideChar* secondText, const quillon::WideChar* argument1,
                             const quillon::WideChar* argument2, const quillon::WideChar* topRightText)
{
    // A new message waits its full time, also after one that ended on its button.
    feedbackElapsedMs = 0;
    titleField.setText(ModeLayout::orEmpty(title), ModeLayout::font(ModeLayout::TITLE_FONT));
    secondTextField.setText(ModeLayout::orEmpty(secondText), ModeLayout::font(ModeLayout::BODY_FONT));
    const quillon::WideChar* shown = ModeLayout::orEmpty(message);
    if (argument1 != nullptr) {
        quillon::WideString::snprintf(messageBuffer, MESSAGE_CAPACITY, shown, argument1, argument2);
        shown = messageBuffer;
    }
    messageField.setText(shown, ModeLayout::font(ModeLayout::BODY_FONT));

    hasTopRight = topRightText != nullptr;
    if (hasTopRight) {
        const quillon::Font* font = ModeLayout::font(ModeLayout::TITLE_FONT);
        const int16_t width = guicontrols::LiteralText::getWidth(font, topRightText);
        topRightField.setText(topRightText, font);
        topRightField.setAlignment(quillon::RIGHT);
        topRightField.setVerticalAlignment(ModeLayout::MIDDLE);
        topRightField.setPosition(static_cast<int16_t>(TOP_RIGHT_END - width), 0, width, 72);
    }
}

void FeedbackViewMode::setLayoutOffsets(int16_t message, int16_t secondText, int16_t busy)
{
    messageOffset = message;
    secondTextOffset = secondText;
    busyOffset = busy;
}

void FeedbackViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
    if (hasTopRight) {
        bar.add(topRightField);
    }
}

void FeedbackViewMode::setupContent(guicontrols::Content& area)
{
    const int16_t inner = static_cast<int16_t>(area.getHeight() - 2 * ModeLayout::MARGIN);
    ModeLayout::placeFrame(area, feedbackFrame);
    // The offsets move the two texts apart vertically.
    ModeLayout::placeLine(area, messageField, ModeLayout::MARGIN, static_cast<int16_t>(inner - messageOffset),
                          ModeLayout::MIDDLE);
    ModeLayout::fitBodyFont(messageField);
    ModeLayout::placeLine(area, secondTextField, ModeLayout::MARGIN, static_cast<int16_t>(inner + secondTextOffset),
                          ModeLayout::MIDDLE);
    area.add(feedbackFrame);
    area.add(messageField);
    area.add(secondTextField);
    if (showBusy) {
        busyIcon.setRotating(true);
        busyIcon.setXY(static_cast<int16_t>(feedbackFrame.getWidth() / 2 - busyIcon.getWidth() + BUSY_SHIFT),
                       static_cast<int16_t>(feedbackFrame.getHeight() - busyOffset));
        area.add(busyIcon);
    }
}

void FeedbackViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    if (iconButton) {
        bar.setButtonIcon(CONTINUE_BUTTON, ModeLayout::ACCEPT_ICON);
    } else {
        // The bar keeps the colour's address: the palette's own entry outlives it.
        bar.setButtonText(CONTINUE_BUTTON, CONTINUE_TEXT, &guicontrols::Palette::entry(CONTINUE_COLOR));
    }
}

void FeedbackViewMode::onBottomBarButton(int index)
{
    if (index == CONTINUE_BUTTON) {
        finish();
    }
}

void FeedbackViewMode::tick()
{
    if (!autoClose) {
        return;
    }
    feedbackElapsedMs += FRAME_MS;
    if (feedbackElapsedMs >= feedbackTimeoutMs) {
        feedbackElapsedMs = 0;
        finish();
    }
}

void FeedbackViewMode::finish()
{
    // A busy icon left rotating would stay a timer widget after the message has gone.
    busyIcon.setRotating(false);
    modeOwner->onViewModeFinished();
}
