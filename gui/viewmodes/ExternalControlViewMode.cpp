#include "gui/viewmodes/ExternalControlViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId TITLE_TEXT = 963;    // "Heating circuit"
const quillon::TextId HEADLINE_TEXT = 933; // "External program HC %s"
const quillon::TextId QUESTION_TEXT = 817; // "Change?"
const quillon::TextId NO_TEXT = 1044;
const quillon::TextId YES_TEXT = 1000;
const int16_t LINE_HEIGHT = 40;
const int16_t BUTTON_Y = 220;
const int16_t BUTTON_GAP = 5;
} // namespace

ExternalControlViewMode::ExternalControlViewMode(IView& owner)
    : modeOwner(&owner), circuitIndex(0), choiceCallback(this, &ExternalControlViewMode::onChoice)
{
    headlineBuffer[0] = 0;
    titleField.setTextId(quillon::TypedText(TITLE_TEXT));
    questionField.setTextId(quillon::TypedText(QUESTION_TEXT));
}

void ExternalControlViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void ExternalControlViewMode::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, infoFrame);

    // One digit: circuits are numbered 1 to 3.
    const quillon::WideChar number[2] = {static_cast<quillon::WideChar>('0' + (circuitIndex + 1) % 10), 0};
    quillon::WideString::snprintf(headlineBuffer, HEADLINE_CAPACITY, quillon::TypedText(HEADLINE_TEXT).getText(),
                                  number);
    headlineField.setText(headlineBuffer, ModeLayout::font(ModeLayout::BODY_FONT));
    const int16_t sixth = static_cast<int16_t>(area.getHeight() / 6);
    ModeLayout::placeLine(area, headlineField, static_cast<int16_t>(sixth + ModeLayout::MARGIN), LINE_HEIGHT,
                          ModeLayout::MIDDLE);
    ModeLayout::placeLine(area, questionField, static_cast<int16_t>(2 * sixth + ModeLayout::MARGIN), LINE_HEIGHT,
                          ModeLayout::MIDDLE);

    const int16_t middle = static_cast<int16_t>(area.getWidth() / 2);
    noButton.setXY(static_cast<int16_t>(middle - noButton.getWidth() - BUTTON_GAP), BUTTON_Y);
    noButton.setChecked(true);
    noButton.setAction(choiceCallback);
    noButton.setText(quillon::TypedText(NO_TEXT).getText());
    yesButton.setXY(static_cast<int16_t>(middle + BUTTON_GAP), BUTTON_Y);
    yesButton.setChecked(false);
    yesButton.setAction(choiceCallback);
    yesButton.setText(quillon::TypedText(YES_TEXT).getText());

    area.add(infoFrame);
    area.add(headlineField);
    area.add(questionField);
    area.add(yesButton);
    area.add(noButton);
}

void ExternalControlViewMode::onChoice(const quillon::AbstractButton& button)
{
    if (&button != &yesButton && &button != &noButton) {
        return;
    }
    guicontrols::CheckableSmallButton& pressed = &button == &yesButton ? yesButton : noButton;
    guicontrols::CheckableSmallButton& other = &button == &yesButton ? noButton : yesButton;
    pressed.setChecked(true);
    pressed.invalidate();
    if (other.isChecked()) {
        other.setChecked(false);
        other.invalidate();
    }
}

void ExternalControlViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.setButtonIcon(0, ModeLayout::HOME_ICON);
    bar.setButtonIcon(1, ModeLayout::BACK_ICON);
    bar.setButtonIcon(5, ModeLayout::ACCEPT_ICON);
}

void ExternalControlViewMode::onBottomBarButton(int index)
{
    if (index == 0 || index == 1 || index == 5) {
        modeOwner->onViewModeFinished();
    }
}
