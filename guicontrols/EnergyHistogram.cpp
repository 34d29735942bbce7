#include "guicontrols/EnergyHistogram.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

#include <math.h>

namespace guicontrols
{
namespace
{
const quillon::TextId SHORT_WEEKDAYS[7] = {1225, 1218, 1231, 1216, 1235, 1228, 1222}; // Sunday first
const quillon::TextId SHORT_MONTHS[12] = {1237, 1227, 1219, 1233, 1240, 1239, 1238, 1234, 1224, 1221, 1220, 1230};
const quillon::TextId CURRENT_LABELS[3] = {985, 898, 899}; // today, this week, this month
const quillon::TextId KWH_TEXT = 30;
const quillon::TextId MWH_TEXT = 1253;
const quillon::FontId TOTAL_FONT = 6;
const uint16_t YEAR_LIMIT = 5;
// Headroom above the tallest bar: the single-precision constant, widened.
const double HEADROOM = static_cast<double>(0.1f);
} // namespace

EnergyHistogram::EnergyHistogram()
    : labels(),
      segmentValues(),
      stepCount(0),
      scaleMaximum(0),
      period(DAY),
      barCount(MAX_BARS),
      totalText(),
      segmentCount(1),
      barCallback(this, &EnergyHistogram::onBarClicked),
      barClickedListener(nullptr)
{
    setWidth(800);
    setHeight(bars[0].getHeight());
    const int16_t pitch = static_cast<int16_t>(bars[0].getWidth() + 7);
    for (uint8_t i = 0; i < MAX_BARS; ++i) {
        bars[i].setXY(static_cast<int16_t>(i * pitch), bars[0].getY());
        bars[i].setVisible(false);
        bars[i].setClickCallback(&barCallback);
        add(bars[i]);
    }
    ApplicationFontProvider fonts;
    total.setVerticalAlignment(1);
    total.setAlignment(quillon::RIGHT);
    total.setColor(Palette::entry(11));
    total.setText(totalText, fonts.getFont(TOTAL_FONT));
    total.setVisible(false);
    add(total);
}

void EnergyHistogram::setSegmentValues(const uint32_t* values, int index)
{
    if (index >= 0 && index < EnergyBar::MAX_SEGMENTS) {
        segmentValues[index] = values;
    }
}

void EnergyHistogram::setConfiguration(uint32_t newPeriod, IEnergyBarConfigurator& configurator)
{
    period = newPeriod;
    barCount = period == YEAR ? YEAR_BARS : MAX_BARS;
    for (uint8_t i = 0; i < barCount; ++i) {
        bars[i].setVisible(true);
        configurator.configure(bars[i]);
        formatBarLabel(labels[i], i, 0);
        bars[i].setLabel(labels[i]);
    }
    segmentCount = bars[0].getSegmentCount();
    update(0);

    EnergyBar& newest = bars[barCount - 1];
    if (period == YEAR) {
        newest.setValueVisible(false);
        total.setPosition(newest.getX(), 30, static_cast<int16_t>(getWidth() - newest.getX() - 107), 200);
        writeTotal();
        total.setVisible(true);
    } else {
        newest.setValueVisible(true);
        total.setVisible(false);
    }
    invalidate();
}

void EnergyHistogram::update(uint8_t offset)
{
    for (uint8_t i = 0; i < barCount; ++i) {
        for (uint8_t s = 0; s < segmentCount; ++s) {
            const uint32_t* values = segmentValues[s];
            bars[i].setSegmentValue(values != nullptr ? values[barCount - 1 - i] : 0, s);
        }
        formatBarLabel(labels[i], i, offset);
    }
    const uint8_t newest = static_cast<uint8_t>(barCount - 1);
    if (offset == 0) {
        formatCurrentLabel(labels[newest]);
        bars[newest].setHighlightedLabel(labels[newest]);
    } else {
        bars[newest].setLabel(labels[newest]);
    }
    computeScale();
    for (uint8_t i = 0; i < barCount; ++i) {
        bars[i].setDisplayDivisor(bars[0].getDisplayDivisor());
        bars[i].setUnitMWh(bars[0].isUnitMWh());
        bars[i].setMaximum(scaleMaximum);
        bars[i].layoutSegments();
    }
    if (total.isVisible()) {
        writeTotal();
        total.invalidate();
    }
}

// A whole, even number (at least 2) of displayed units with at least 10 % headroom, so the
// middle number of the scale is whole.
void EnergyHistogram::computeScale()
{
    uint32_t tallest = bars[0].getTotal();
    for (uint8_t i = 1; i < barCount; ++i) {
        if (bars[i].getTotal() > tallest) {
            tallest = bars[i].getTotal();
        }
    }
    EnergyBar& first = bars[0];
    const double unitDivisor = first.getUnitDivisor(); // at least 1
    if (static_cast<double>(tallest) / unitDivisor < 1000.0) {
        first.setDisplayDivisor(unitDivisor);
        first.setUnitMWh(false);
    } else {
        first.setDisplayDivisor(unitDivisor * 1000.0);
        first.setUnitMWh(true);
    }
    uint64_t step = static_cast<uint64_t>(first.getDisplayDivisor());
    if (step == 0) {
        step = 1;
    }
    uint64_t span = tallest + static_cast<uint64_t>(ceil(static_cast<double>(tallest) * HEADROOM));
    if (span / step == 0) {
        span = 2 * step;
    } else {
        const uint64_t steps = static_cast<uint64_t>(ceil(static_cast<double>(span) / static_cast<double>(step)));
        if (steps % 2 == 1) {
            span += step;
        }
    }
    stepCount = static_cast<uint32_t>(ceil(static_cast<double>(span) / static_cast<double>(step)));
    scaleMaximum = static_cast<uint32_t>(stepCount * step);
}

void EnergyHistogram::writeTotal()
{
    const float shown = bars[barCount - 1].getDisplayedValue();
    uint16_t length = 0;
    if (shown < 100.0f) {
        length = helpers::formatWide(totalText, TOTAL_SIZE, "%.1f", static_cast<double>(shown));
    } else {
        length = helpers::formatWide(totalText, TOTAL_SIZE, "%d", static_cast<int32_t>(shown));
    }
    const quillon::TypedText unitText(bars[0].isUnitMWh() ? MWH_TEXT : KWH_TEXT);
    helpers::formatWide(totalText + length, static_cast<uint16_t>(TOTAL_SIZE - length), " %ls", unitText.getText());
}

void EnergyHistogram::onBarClicked(EnergyBar* bar)
{
    if (barClickedListener == nullptr || !barClickedListener->isValid()) {
        return;
    }
    for (int i = 0; i < barCount; ++i) {
        if (&bars[i] == bar) {
            barClickedListener->execute(i);
            return;
        }
    }
}

helpers::DateTime EnergyHistogram::weekStart(const helpers::DateTime& date)
{
    // Counted in days, so a Sunday on the last of a month moves into the next month.
    const uint32_t weekday = date.getWeekday();
    helpers::DateTime monday(date);
    if (weekday == 0) {
        monday.addDays(1);
    } else {
        monday.addDays(static_cast<uint32_t>(1 - static_cast<int32_t>(weekday)));
    }
    return monday;
}

void EnergyHistogram::formatBarLabel(quillon::WideChar* buffer, int index, uint8_t offset) const
{
    const int32_t back = index - offset - (MAX_BARS - 1);
    switch (period) {
    case WEEK: {
        helpers::DateTime week = weekStart(date);
        week.addWeeks(static_cast<uint32_t>(back));
        helpers::formatWide(buffer, LABEL_SIZE, "%02u", week.getWeekOfYear());
        break;
    }
    case MONTH: {
        helpers::DateTime month(date);
        month.addMonths(back);
        helpers::formatWide(buffer, LABEL_SIZE, "%ls", quillon::TypedText(SHORT_MONTHS[month.getMonth() - 1]).getText());
        break;
    }
    case YEAR:
        helpers::formatWide(buffer, YEAR_LIMIT, "%d", static_cast<int32_t>(date.getYear() + 1 - barCount + index));
        break;
    default: {
        const uint32_t weekday = (date.getWeekday() + static_cast<uint32_t>(index)) % 7;
        helpers::formatWide(buffer, LABEL_SIZE, "%ls", quillon::TypedText(SHORT_WEEKDAYS[weekday]).getText());
        break;
    }
    }
}

void EnergyHistogram::formatCurrentLabel(quillon::WideChar* buffer) const
{
    if (period == YEAR) {
        helpers::formatWide(buffer, YEAR_LIMIT, "%d", static_cast<int32_t>(date.getYear()));
        return;
    }
    const quillon::TextId text = period == WEEK ? CURRENT_LABELS[1] : period == MONTH ? CURRENT_LABELS[2] : CURRENT_LABELS[0];
    helpers::formatWide(buffer, LABEL_SIZE, "%ls", quillon::TypedText(text).getText());
}

uint32_t EnergyHistogram::alignUp(uint32_t value, uint32_t step)
{
    return step == 0 ? 0 : ((value - 1) / step + 1) * step;
}
} // namespace guicontrols
