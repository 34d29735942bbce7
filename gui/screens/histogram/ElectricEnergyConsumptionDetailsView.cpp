#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsView.hpp"

#include "guicontrols/Palette.hpp"

namespace
{
const double WATT_HOURS_PER_KILO = 1000.0; // the device counts Wh
const quillon::TextId TITLE_TEXT = 1129;
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
