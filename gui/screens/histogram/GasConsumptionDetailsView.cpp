#include "gui/screens/histogram/GasConsumptionDetailsView.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

#include <quillon/Bitmap.hpp>

namespace
{
const quillon::BitmapId HEATING_LEGEND = 118;
const quillon::BitmapId HOT_WATER_LEGEND = 117;
const quillon::TextId TITLE_TEXT = 948;
const quillon::TextId GAS_HELP = 704;
} // namespace

GasConsumptionDetailsView::GasConsumptionDetailsView() : HistogramDetailsView(),
      heatingLegend(quillon::Bitmap(HEATING_LEGEND)),
      hotWaterLegend(quillon::Bitmap(HOT_WATER_LEGEND))
{
}

void GasConsumptionDetailsView::setupContent(guicontrols::Content& area)
{
    if (presenter->getSelection() != nullptr) {
        heatingLegend.setXY(static_cast<int16_t>(bar.getX() + 8), 6);
        hotWaterLegend.setXY(static_cast<int16_t>(heatingLegend.getX() + heatingLegend.getWidth() + 23), 6);
        area.add(heatingLegend);
        if (presenter->hasHotWater()) {
            area.add(hotWaterLegend);
        }
    }
    buildBar(area);
}

void GasConsumptionDetailsView::configure(guicontrols::EnergyBar& bar)
{
    bar.setSegmentCount(presenter->hasHotWater() ? 2 : 1);
    bar.setColumnColor(guicontrols::Palette::entry(21));
    bar.setSegmentColor(guicontrols::Palette::entry(22), 0);
    bar.setSegmentColor(guicontrols::Palette::entry(23), 1);
    bar.setUnitDivisor(1.0);
}

quillon::TextId GasConsumptionDetailsView::getTitleText()
{
    return TITLE_TEXT;
}

const quillon::WideChar* GasConsumptionDetailsView::getHelpText()
{
    return quillon::TypedText(GAS_HELP).getText();
}
