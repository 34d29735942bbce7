#include "gui/screens/histogram/SolarDetailsView.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const double WATT_HOURS_PER_KILO = 1000.0; // the device counts Wh
const quillon::TextId TITLE_TEXT = 1093;
const quillon::TextId HELP_TEXTS[4] = {765, 766, 764, 763};
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

const quillon::WideChar* SolarDetailsView::getHelpText()
{
    // Outside the four periods no help is offered.
    return period < 4 ? quillon::TypedText(HELP_TEXTS[period]).getText() : nullptr;
}
