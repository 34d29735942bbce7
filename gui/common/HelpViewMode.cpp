#include "gui/common/HelpViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TopBar.hpp"
#include "helpers/Text.hpp"
#include "helpers/TextWrap.hpp"

#include <quillon/hal/HAL.hpp>

namespace
{
const quillon::FontId HELP_FONT = 13;
const uint8_t BACKGROUND_COLOR = 5;
const uint32_t FRAME_MS = 16;
const int16_t AREA_X = 40;
} // namespace

HelpViewMode::HelpViewMode(IView& owner)
    : modeOwner(&owner), helpElapsedMs(0), helpAreaWidth(static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH))
{
    helpBuffer[0] = 0;
    helpBackground.setColor(guicontrols::Palette::entry(BACKGROUND_COLOR));
}

void HelpViewMode::setup(const quillon::WideChar* title, const quillon::WideChar* helpText)
{
    helpScrollArea.reset(true);
    titleField.setText(ModeLayout::orEmpty(title), ModeLayout::font(ModeLayout::TITLE_FONT));
    const quillon::Font* font = ModeLayout::font(HELP_FONT);
    const quillon::WideChar* source = ModeLayout::orEmpty(helpText);
    helpers::wrapText(helpBuffer, HELP_CAPACITY, source,
                      helpers::TextWrapSpec(static_cast<uint16_t>(wideWrapWidth(helpAreaWidth)), font, MAX_LINES));
    if (helpers::countLines(helpBuffer) > LINES_WITHOUT_BAR) {
        helpers::wrapText(helpBuffer, HELP_CAPACITY, source,
                          helpers::TextWrapSpec(static_cast<uint16_t>(narrowWrapWidth(helpAreaWidth)), font, MAX_LINES));
    }
    helpTextField.setText(helpBuffer, font);
}

void HelpViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void HelpViewMode::setupContent(guicontrols::Content& area)
{
    helpAreaWidth = area.getWidth();
    helpBackground.setPosition(0, 0, area.getWidth(), area.getHeight());
    helpScrollArea.setPosition(AREA_X, ModeLayout::MARGIN, static_cast<int16_t>(helpAreaWidth - 60),
                               static_cast<int16_t>(area.getHeight() - 2 * ModeLayout::MARGIN));
    // The area measures an item when it is added: size the text first.
    helpScrollArea.reset(true);
    helpTextField.setAlignment(quillon::LEFT);
    helpTextField.setPosition(0, 0, wideWrapWidth(helpAreaWidth), static_cast<int16_t>(helpTextField.getTextHeight()));
    helpScrollArea.addItem(helpTextField);
    area.add(helpBackground);
    area.add(helpScrollArea);
    helpScrollArea.invalidate();
}

void HelpViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.setButtonIcon(BACK_BUTTON, ModeLayout::BACK_ICON);
}

void HelpViewMode::onBottomBarButton(int index)
{
    if (index == BACK_BUTTON) {
        modeOwner->onViewModeFinished();
    }
}

void HelpViewMode::tick()
{
    helpElapsedMs += FRAME_MS;
    if (helpElapsedMs >= TIMEOUT_MS) {
        helpElapsedMs = 0;
        modeOwner->onViewModeFinished();
    }
}
