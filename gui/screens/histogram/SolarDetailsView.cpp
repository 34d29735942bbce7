#include "gui/screens/histogram/SolarDetailsView.hpp"

#include "guicontrols/Palette.hpp"

namespace
{
const double WATT_HOURS_PER_KILO = 1000.0; // the device counts Wh
const quillon::TextId TITLE_TEXT = 1093;
} // namespace

SolarDetailsView::SolarDetailsView() : HistogramDetailsView()
{
}

void SolarDetailsView::setupContent(guicontrols::Content& area)
{
    buildBar(area);
}

void SolarDetailsView::configure(guicontrols::EnergyBar& bar)
{
    bar.setSegmentCount(1);
    bar.setColumnColor(guicontrols::Palette::entry(18));
    bar.setSegmentColor(guicontrols::Palette::entry(19), 0);
    bar.setUnitDivisor(WATT_HOURS_PER_KILO);
}

quillon::TextId SolarDetailsView::getTitleText()
{
    return TITLE_TEXT;
}
