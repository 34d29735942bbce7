#include "gui/screens/histogram/SolarOverviewView.hpp"

#include "gui/pages/Pages.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const double WATT_HOURS_PER_KILO = 1000.0; // the device counts Wh
const quillon::TextId TITLE_TEXT = 1095;
const quillon::TextId SOLAR_HELP = 762;
} // namespace

SolarOverviewView::SolarOverviewView() : HistogramOverviewView()
{
}

void SolarOverviewView::configure(guicontrols::EnergyBar& bar)
{
    bar.setSegmentCount(1);
    bar.setColumnColor(guicontrols::Palette::entry(18));
    bar.setSegmentColor(guicontrols::Palette::entry(19), 0);
    bar.setUnitDivisor(WATT_HOURS_PER_KILO);
}

void SolarOverviewView::setTitle(guicontrols::TopBar& bar)
{
    writeTitle(bar, TITLE_TEXT);
}

pagemanager::Page* SolarOverviewView::detailsPage(Pages& pages)
{
    return &pages.solarDetailsPage;
}

const quillon::WideChar* SolarOverviewView::getHelpText()
{
    return quillon::TypedText(SOLAR_HELP).getText();
}
