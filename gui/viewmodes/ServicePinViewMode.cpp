#include "gui/viewmodes/ServicePinViewMode.hpp"

#include "gui/common/ModeLayout.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

ServicePinViewMode::ServicePinViewMode(IView& owner) : modeOwner(&owner)
{
    titleField.setTextId(quillon::TypedText(1029));   // "LON service PIN"
    messageField.setTextId(quillon::TypedText(1031)); // "LON module is sending"
}

void ServicePinViewMode::setupTopBar(guicontrols::TopBar& bar)
{
    ModeLayout::placeTitle(bar, titleField);
}

void ServicePinViewMode::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, infoFrame);
    ModeLayout::placeLine(area, messageField, static_cast<int16_t>(area.getHeight() / 2 - 20), 40, ModeLayout::MIDDLE);
    area.add(infoFrame);
    area.add(messageField);
    counter.restart();
}

void ServicePinViewMode::tick()
{
    counter.next(0);
    if (counter.reached(SHOWN_FRAMES)) {
        counter.restart();
        modeOwner->onViewModeFinished();
    }
}
