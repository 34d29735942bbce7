#include "gui/viewmodes/ExternalConnectionViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

namespace
{
const quillon::TextId TITLE_TEXT = 963; // "Heating circuit"
const quillon::TextId LINE_TEXTS[ExternalConnectionViewMode::LINES] = {930, 981, 1046};
const int16_t LINE_HEIGHT = 40;
const uint32_t TOP = 0;
} // namespace

ExternalConnectionViewMode::ExternalConnectionViewMode(IView& owner) : modeOwner(&owner)
{
    titleField.setTextId(quillon::TypedText(TITLE_TEXT));
    for (uint8_t i = 0; i < LINES; ++i) {
        lines[i].setTextId(quillon::TypedText(LINE_TEXTS[i]));
    }
}

void ExternalConnectionViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void ExternalConnectionViewMode::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, infoFrame);
    area.add(infoFrame);
    // The lines at the first, second and third fifth of the content.
    for (uint8_t i = 0; i < LINES; ++i) {
        const int16_t y = static_cast<int16_t>((i + 1) * area.getHeight() / 5 + ModeLayout::MARGIN);
        ModeLayout::placeLine(area, lines[i], y, LINE_HEIGHT, TOP);
        area.add(lines[i]);
    }
}

void ExternalConnectionViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.setButtonIcon(0, ModeLayout::HOME_ICON);
    bar.setButtonIcon(1, ModeLayout::BACK_ICON);
}

void ExternalConnectionViewMode::onBottomBarButton(int index)
{
    if (index == 0 || index == 1) {
        modeOwner->onViewModeFinished();
    }
}
