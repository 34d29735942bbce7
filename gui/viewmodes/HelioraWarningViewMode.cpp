#include "gui/viewmodes/HelioraWarningViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

namespace
{
const quillon::BitmapId WARNING_ICON = 93;
const int16_t ICON_Y = 40;
const uint8_t ACCEPT_BUTTON = 5;
} // namespace

HelioraWarningViewMode::HelioraWarningViewMode(IView& owner) : modeOwner(&owner) {}

void HelioraWarningViewMode::setup(const quillon::WideChar* title, const quillon::WideChar* message)
{
    titleField.setText(ModeLayout::orEmpty(title), ModeLayout::font(ModeLayout::TITLE_FONT));
    messageField.setText(ModeLayout::orEmpty(message), ModeLayout::font(ModeLayout::BODY_FONT));
}

void HelioraWarningViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void HelioraWarningViewMode::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, infoFrame);
    warningIcon.setBitmap(quillon::Bitmap(WARNING_ICON));
    warningIcon.setY(ICON_Y);
    guicontrols::Frame::centerHorizontally(area, warningIcon);
    const int16_t below = static_cast<int16_t>(ICON_Y + warningIcon.getHeight());
    ModeLayout::placeLine(area, messageField, below,
                          static_cast<int16_t>(area.getHeight() - below - ModeLayout::MARGIN), ModeLayout::MIDDLE);
    area.add(infoFrame);
    area.add(messageField);
    area.add(warningIcon);
}

void HelioraWarningViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.setButtonIcon(ACCEPT_BUTTON, ModeLayout::ACCEPT_ICON);
}

void HelioraWarningViewMode::onBottomBarButton(int index)
{
    if (index == ACCEPT_BUTTON) {
        modeOwner->onViewModeFinished();
    }
}
