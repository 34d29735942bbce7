#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsView.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const double WATT_HOURS_PER_KILO = 1000.0; // the device counts Wh
const quillon::TextId TITLE_TEXT = 1129;
const quillon::TextId HELP_TEXTS[4] = {776, 777, 775, 774};
} // namespace

ElectricEnergyConsumptionDetailsView::ElectricEnergyConsumptionDetailsView() : HistogramDetailsView()
{
}

void ElectricEnergyConsumptionDetailsView::setupContent(guicontrols::Content& area)
{
    buildBar(area);
}

void ElectricEnergyConsumptionDetailsView::configure(guicontrols::EnergyBar& bar)
{
    bar.setSegmentCount(1);
    bar.setColumnColor(guicontrols::Palette::entry(18));
    bar.setSegmentColor(guicontrols::Palette::entry(19), 0);
    bar.setUnitDivisor(WATT_HOURS_PER_KILO);
}

quillon::TextId ElectricEnergyConsumptionDetailsView::getTitleText()
{
    return TITLE_TEXT;
}

const quillon::WideChar* ElectricEnergyConsumptionDetailsView::getHelpText()
{
    // Outside the four periods no help is offered.
    return period < 4 ? quillon::TypedText(HELP_TEXTS[period]).getText() : nullptr;
}
