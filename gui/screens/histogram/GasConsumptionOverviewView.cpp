#include "gui/screens/histogram/GasConsumptionOverviewView.hpp"

#include "gui/pages/Pages.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

#include <quillon/Bitmap.hpp>

namespace
{
const quillon::BitmapId HEATING_LEGEND = 118;
const quillon::BitmapId HOT_WATER_LEGEND = 117;
const quillon::TextId TITLE_TEXT = 949;
const quillon::TextId GAS_HELP = 704;
} // namespace

GasConsumptionOverviewView::GasConsumptionOverviewView() : HistogramOverviewView(),
      heatingLegend(quillon::Bitmap(HEATING_LEGEND)),
      hotWaterLegend(quillon::Bitmap(HOT_WATER_LEGEND))
{
}

void GasConsumptionOverviewView::configure(guicontrols::EnergyBar& bar)
{
    bar.setSegmentCount(presenter->hasHotWater() ? 2 : 1);
    bar.setColumnColor(guicontrols::Palette::entry(21));
    bar.setSegmentColor(guicontrols::Palette::entry(22), 0);
    bar.setSegmentColor(guicontrols::Palette::entry(23), 1);
    bar.setUnitDivisor(1.0);
}

void GasConsumptionOverviewView::setTitle(guicontrols::TopBar& bar)
{
    writeTitle(bar, TITLE_TEXT);
}

pagemanager::Page* GasConsumptionOverviewView::detailsPage(Pages& pages)
{
    return &pages.gasDetailsPage;
}

void GasConsumptionOverviewView::setExtraSegments()
{
    if (presenter->hasHotWater()) {
        histogram.setSegmentValues(presenter->getSegmentValues(1, getPageOffset()), 1);
    }
}

void GasConsumptionOverviewView::addExtras(guicontrols::Content& area)
{
    heatingLegend.setXY(static_cast<int16_t>(histogram.getX() + 8), 6);
    hotWaterLegend.setXY(static_cast<int16_t>(heatingLegend.getX() + heatingLegend.getWidth() + 23), 6);
    area.add(heatingLegend);
    if (presenter->hasHotWater()) {
        area.add(hotWaterLegend);
    }
}

const quillon::WideChar* GasConsumptionOverviewView::getHelpText()
{
    return quillon::TypedText(GAS_HELP).getText();
}
