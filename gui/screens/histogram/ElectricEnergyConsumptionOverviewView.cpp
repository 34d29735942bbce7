#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewView.hpp"

#include "gui/pages/Pages.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const double WATT_HOURS_PER_KILO = 1000.0; // the device counts Wh
const quillon::TextId TITLE_TEXT = 1130;
const quillon::TextId HELP_TEXTS[4] = {776, 777, 775, 774};
} // namespace

ElectricEnergyConsumptionOverviewView::ElectricEnergyConsumptionOverviewView() : HistogramOverviewView()
{
}

void ElectricEnergyConsumptionOverviewView::configure(guicontrols::EnergyBar& bar)
{
    bar.setSegmentCount(1);
    bar.setColumnColor(guicontrols::Palette::entry(18));
    bar.setSegmentColor(guicontrols::Palette::entry(19), 0);
    bar.setUnitDivisor(WATT_HOURS_PER_KILO);
}

void ElectricEnergyConsumptionOverviewView::setTitle(guicontrols::TopBar& bar)
{
    writeTitle(bar, TITLE_TEXT);
}

pagemanager::Page* ElectricEnergyConsumptionOverviewView::detailsPage(Pages& pages)
{
    return &pages.electricityDetailsPage;
}

const quillon::WideChar* ElectricEnergyConsumptionOverviewView::getHelpText()
{
    // Outside the four periods no help is offered.
    return interval < 4 ? quillon::TypedText(HELP_TEXTS[interval]).getText() : nullptr;
}
