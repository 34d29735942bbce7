#include "gui/screens/energy/EnergyBalanceView.hpp"

#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Bitmap.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TITLE_TEXT = 918;
const quillon::TextId PERIOD_DAYS = 1137;
const quillon::TextId PERIOD_WEEKS = 1171;
const quillon::TextId PERIOD_MONTHS = 1041;
const quillon::TextId PERIOD_YEARS = 1001;
const quillon::TextId KWH_TEXT = 30;
const quillon::BitmapId GAS_ICON = 76;
const quillon::BitmapId SOLAR_ICON = 170;
const quillon::FontId RANGE_FONT = 2;
const uint32_t WATT_HOURS_PER_KILO = 1000;
const int64_t INT32_TOP = 0x7FFFFFFF;
const quillon::TextId HELP_TEXT = 703;
} // namespace

EnergyBalanceView::EnergyBalanceView()
    : BaseView<EnergyBalancePresenter>(nullptr),
      gasIcon(quillon::Bitmap(GAS_ICON)),
      solarIcon(quillon::Bitmap(SOLAR_ICON)),
      rangeText(),
      totals(),
      solar()
{
}

void EnergyBalanceView::setupTopBar(guicontrols::TopBar& bar)
{
    quillon::TextId period = PERIOD_DAYS;
    switch (presenter->getInterval()) {
    case 1:
        period = PERIOD_WEEKS;
        break;
    case 2:
        period = PERIOD_MONTHS;
        break;
    case 3:
        period = PERIOD_YEARS;
        break;
    default:
        break;
    }
    bar.setTitleSegments(quillon::TypedText(TITLE_TEXT).getText(), guicontrols::Palette::entry(0),
                         quillon::TypedText(period).getText(), guicontrols::Palette::entry(10), nullptr, 0, nullptr, 0);
}

void EnergyBalanceView::setupContent(guicontrols::Content& area)
{
    background.setPosition(0, 0, 700, 400);
    background.setNumericYLabels(0, 10, 3);
    curves.setNumberOfCurves(2);
    curves.setRange(int32_t{0}, int32_t{20});
    curves.setAreaFill(guicontrols::Palette::entry(4));
    curves.setCurveColor(0, guicontrols::Palette::entry(9));
    curves.setCurveColor(1, guicontrols::Palette::entry(7));

    gasSquare.setPosition(675, 55, 30, 30);
    gasSquare.setColor(guicontrols::Palette::entry(9));
    gasIcon.setXY(static_cast<int16_t>(gasSquare.getX() + gasSquare.getWidth() + 10),
                  static_cast<int16_t>(gasSquare.getY() - (gasIcon.getHeight() - gasSquare.getHeight()) / 2));
    solarSquare.setPosition(675, static_cast<int16_t>(gasSquare.getY() + gasSquare.getHeight() + 40), 30, 30);
    solarSquare.setColor(guicontrols::Palette::entry(7));
    solarIcon.setXY(static_cast<int16_t>(solarSquare.getX() + solarSquare.getWidth() + 10),
                    static_cast<int16_t>(solarSquare.getY() - (solarIcon.getHeight() - solarSquare.getHeight()) / 2));
    unitLabel.setTextId(quillon::TypedText(KWH_TEXT));
    unitLabel.setColor(guicontrols::Palette::entry(11));
    unitLabel.fitToText();
    unitLabel.setXY(50, 10);

    area.add(background);
    area.add(curves);
    area.add(gasSquare);
    area.add(gasIcon);
    area.add(solarSquare);
    area.add(solarIcon);
    area.add(unitLabel);
    updateRangeText(area);
    updatePlot();
}

void EnergyBalanceView::update()
{
    updatePlot();
}

void EnergyBalanceView::updateRangeText(guicontrols::Content& area)
{
    const helpers::DateTime now = presenter->getCurrentDateTime();
    rangeText[0] = 0;
    switch (presenter->getInterval()) {
    case 0:
        guicontrols::EnergyHistogram::formatDayRange(rangeText, RANGE_SIZE, now, -7, false);
        break;
    case 1:
        guicontrols::EnergyHistogram::formatWeekRange(rangeText, RANGE_SIZE, now, -52, false);
        break;
    case 2:
        guicontrols::EnergyHistogram::formatMonthRange(rangeText, RANGE_SIZE, now, -12);
        break;
    case 3:
        guicontrols::EnergyHistogram::formatYearRange(rangeText, RANGE_SIZE, now, -2);
        break;
    default:
        return;
    }
    ApplicationFontProvider fonts;
    rangeField.setPosition(0, 10, static_cast<int16_t>(area.getWidth() - 35), area.getHeight());
    rangeField.setVerticalAlignment(0);
    rangeField.setAlignment(quillon::RIGHT);
    rangeField.setColor(guicontrols::Palette::entry(11));
    rangeField.setText(rangeText, fonts.getFont(RANGE_FONT));
    if (!area.contains(rangeField)) {
        area.add(rangeField);
    }
    rangeField.invalidate();
}

uint16_t EnergyBalanceView::setUpAxis(const helpers::DateTime& now)
{
    switch (presenter->getInterval()) {
    case 2:
        background.setColumnGeometry(160, 3);
        background.setMonthLabels(now, -4, 4); // right to left into the past
        return 13;
    case 3:
        background.setColumnGeometry(240, 3);
        background.setYearLabels(now, -1, 3);
        return 3;
    case 1:
        background.setColumnGeometry(80, 3);
        background.setWeekLabels(now, -9, 7, false);
        return 53;
    default:
        background.setColumnGeometry(67, 3);
        background.setDateLabels(now, -1, 8, false, 2);
        return 8;
    }
}

void EnergyBalanceView::updatePlot()
{
    const uint16_t count = setUpAxis(presenter->getCurrentDateTime());
    int64_t maximum = 2;
    for (uint16_t i = 0; i < count; ++i) {
        const uint32_t element = static_cast<uint32_t>(count - 1 - i); // point 0 is the oldest period
        const int64_t yield = presenter->solarYield(element) / WATT_HOURS_PER_KILO;
        // 64 bits: three raw values near the top of 32 bits do not fit 32.
        const int64_t total = static_cast<int64_t>(presenter->gasHeating(element)) +
                              static_cast<int64_t>(presenter->gasHotWater(element)) + yield;
        if (total > maximum) {
            maximum = total;
        }
        totals[i] = total;
        solar[i] = yield;
    }
    curves.setPosition(background.getX() + background.getPlotAreaX(), background.getY() + background.getPlotAreaY(),
                       background.getPlotAreaWidth(), background.getPlotAreaHeight());
    const int64_t step = (maximum + 1) / 2;
    // The labels hold 32 bits; beyond, the top label stays at its largest.
    background.setNumericYLabels(0, static_cast<int32_t>(step < INT32_TOP / 2 ? step : INT32_TOP / 2), 3);
    // The curves span what the labels say: the top label is 2 x step, not the largest total.
    curves.setRange(int64_t{0}, 2 * step);
    curves.setPoints(0, totals, count);
    curves.setPoints(1, solar, count);
    curves.setNumberOfPoints(0, count);
    curves.setNumberOfPoints(1, count);
    curves.invalidate();
}

const quillon::WideChar* EnergyBalanceView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}
