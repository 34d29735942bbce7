#include "gui/viewmodes/Relavo20GSMViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

Relavo20GSMViewMode::Relavo20GSMViewMode(IView& owner, model::IProperty* refreshed)
    : modeOwner(&owner), refreshedProperty(refreshed), state(2)
{
    titleField.setTextId(quillon::TypedText(1152));
    messageField.setTextId(quillon::TypedText(1540));
}

void Relavo20GSMViewMode::setText(const quillon::WideChar* message)
{
    messageField.setText(ModeLayout::orEmpty(message), ModeLayout::font(ModeLayout::BODY_FONT));
}

void Relavo20GSMViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void Relavo20GSMViewMode::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, infoFrame);
    ModeLayout::placeLine(area, messageField, static_cast<int16_t>(area.getHeight() / 2 - 40), 80, ModeLayout::MIDDLE);
    area.add(infoFrame);
    area.add(messageField);
    counter.restart();
}

void Relavo20GSMViewMode::setupBottomBar(guicontrols::BottomBar& bar)
{
    if (state == 1) {
        bar.setButtonIcon(ACCEPT_BUTTON, ModeLayout::ACCEPT_ICON);
    }
}

void Relavo20GSMViewMode::onBottomBarButton(int index)
{
    if (state == 1 && index == ACCEPT_BUTTON) {
        finish();
    }
}

void Relavo20GSMViewMode::tick()
{
    if (state == 0) {
        if (counter.next(REFRESH_PERIOD) && refreshedProperty != nullptr) {
            refreshedProperty->refresh();
        }
        if (counter.reached(SENDING_FRAMES)) {
            finish();
        }
    } else if (state == 1) {
        counter.next(0);
        if (counter.reached(DONE_FRAMES)) {
            finish();
        }
    }
}

void Relavo20GSMViewMode::finish()
{
    counter.restart();
    modeOwner->onViewModeFinished();
}
