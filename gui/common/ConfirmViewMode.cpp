#include "gui/common/ConfirmViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

#include <quillon/WideString.hpp>

ConfirmViewMode::ConfirmViewMode(IView& owner) : modeOwner(&owner), confirmResult(0)
{
    questionBuffer[0] = 0;
}

void ConfirmViewMode::setup(const quillon::WideChar* title, const quillon::WideChar* question,
                            const quillon::WideChar* argument1, const quillon::WideChar* argument2)
{
    titleField.setText(ModeLayout::orEmpty(title), ModeLayout::font(ModeLayout::TITLE_FONT));
    const quillon::WideChar* shown = ModeLayout::orEmpty(question);
    if (argument1 != nullptr) {
        // Formatted straight from the caller's text: copying the format into the buffer
        // first would let the arguments overwrite the part of it not yet read.
        quillon::WideString::snprintf(questionBuffer, QUESTION_CAPACITY, shown, argument1, argument2);
        shown = questionBuffer;
    }
    questionField.setText(shown, ModeLayout::font(ModeLayout::BODY_FONT));
}

void ConfirmViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void ConfirmViewMode::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, confirmFrame);
    ModeLayout::placeLine(area, questionField, ModeLayout::MARGIN,
                          static_cast<int16_t>(area.getHeight() - 2 * ModeLayout::MARGIN), ModeLayout::MIDDLE);
    ModeLayout::fitBodyFont(questionField);
    area.add(confirmFrame);
    area.add(questionField);
}

void ConfirmViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.setButtonIcon(NO_BUTTON, ModeLayout::BACK_ICON);
    bar.setButtonIcon(YES_BUTTON, ModeLayout::ACCEPT_ICON);
}

void ConfirmViewMode::onBottomBarButton(int index)
{
    if (index != NO_BUTTON && index != YES_BUTTON) {
        return;
    }
    confirmResult = index == YES_BUTTON ? 1 : 0;
    modeOwner->onViewModeFinished();
}
