#include "gui/screens/histogram/HistogramDetailsView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/screens/histogram/HistorySeries.hpp"
#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

#include <math.h>

namespace
{
const quillon::TextId VALUE_FORMAT_TEXT = 47; // "%s"
const quillon::TextId KWH_TEXT = 30;
const quillon::TextId MWH_TEXT = 1253;
const quillon::FontId DATE_FONT = 2;
const int16_t BAR_X = 80;
const int16_t BAR_Y = 40;
const int16_t VALUE_Y = 110;
// Headroom above the bar: the single-precision constant, widened, as the scale always had.
const double HEADROOM = static_cast<double>(0.1f);
const uint32_t U32_MAX = 0xFFFFFFFFu;
} // namespace

HistogramDetailsView::HistogramDetailsView()
    : BaseView<HistogramDetailsPresenter>(&Functors::getInstance().plain),
      period(0),
      scaleStepCount(1),
      valueText(),
      dateText()
{
    bar.setXY(BAR_X, BAR_Y);
    scale.setPosition(5, bar.getY(), static_cast<int16_t>(bar.getX() - 15), bar.getHeight());
    scale.setMaximum(1);
    value.setPosition(static_cast<int16_t>(bar.getX() + bar.getWidth()), VALUE_Y, 500, 200);
    value.setTextId(quillon::TypedText(VALUE_FORMAT_TEXT));
    value.setColor(guicontrols::Palette::entry(11));
    value.setWildcard(valueText);
}

HistogramDetailsView::Scale HistogramDetailsView::computeScaleSteps(uint32_t total, double unitDivisor)
{
    Scale result;
    const double unit = unitDivisor < 1.0 ? 1.0 : unitDivisor;
    result.megawattHours = static_cast<double>(total) / unit >= 2000.0;
    result.displayDivisor = result.megawattHours ? unit * 1000.0 : unit;
    uint64_t step = static_cast<uint64_t>(result.displayDivisor);
    if (step == 0) {
        step = 1;
    }
    // 64 bits: a total near the top of 32 bits plus its headroom does not fit 32.
    uint64_t span = total + static_cast<uint64_t>(ceil(static_cast<double>(total) * HEADROOM));
    if (span / step != 0) {
        const uint64_t steps = static_cast<uint64_t>(ceil(static_cast<double>(span) / static_cast<double>(step)));
        if (steps % 2 == 1) {
            span += step;
        }
    } else {
        span = 2 * step;
    }
    result.steps = static_cast<uint32_t>(ceil(static_cast<double>(span) / static_cast<double>(step)));
    return result;
}

void HistogramDetailsView::setupTopBar(guicontrols::TopBar& topBar)
{
    GenericView::setupTopBar(topBar);
    period = presenter->getPeriod();
    const HistogramSelection* selection = presenter->getSelection();
    if (selection == nullptr || period >= HistorySeries::PERIODS) {
        return; // no period: no date
    }
    helpers::DateTime date = presenter->getCurrentDateTime();
    switch (period) {
    case 0:
        date.addDays(static_cast<uint32_t>(static_cast<int32_t>(selection->barIndex) - 7));
        guicontrols::EnergyHistogram::formatDay(dateText, DATE_SIZE, date);
        break;
    case 1:
        date.addDays(static_cast<uint32_t>(-7 * static_cast<int32_t>(selection->periodsBack)));
        guicontrols::EnergyHistogram::formatWeek(dateText, DATE_SIZE, date);
        break;
    case 2:
        date.addMonths(-static_cast<int32_t>(selection->periodsBack));
        guicontrols::EnergyHistogram::formatMonth(dateText, DATE_SIZE, date);
        break;
    default:
        date.setDate(static_cast<uint16_t>(date.getYear() - selection->periodsBack), static_cast<uint8_t>(date.getMonth()),
                     static_cast<uint8_t>(date.getDay()));
        guicontrols::EnergyHistogram::formatYear(dateText, DATE_SIZE, date);
        break;
    }
    ApplicationFontProvider fonts;
    const quillon::Font* font = fonts.getFont(DATE_FONT);
    const int16_t unitWidth = font != nullptr ? static_cast<int16_t>(font->getCharWidth('u')) : 0;
    const int16_t width = static_cast<int16_t>(DATE_SIZE * unitWidth);
    dateField.setPosition(static_cast<int16_t>(topBar.getWidth() - width - 25), 0, width, topBar.getHeight());
    dateField.setVerticalAlignment(1);
    dateField.setAlignment(quillon::RIGHT);
    dateField.setColor(guicontrols::Palette::entry(10));
    dateField.setText(dateText, font);
    topBar.add(dateField);
    topBar.invalidate();
}

void HistogramDetailsView::update()
{
    updateBar();
}

void HistogramDetailsView::updateBar()
{
    // Segments saturate so that their sum, which the bar keeps in 32 bits, cannot wrap.
    uint64_t sum = 0;
    for (uint8_t i = 0; i < bar.getSegmentCount(); ++i) {
        uint64_t segment = presenter->getSegmentValue(i);
        if (sum + segment > U32_MAX) {
            segment = U32_MAX - sum;
        }
        sum += segment;
        bar.setSegmentValue(static_cast<uint32_t>(segment), i);
    }
    const Scale computed = computeScaleSteps(bar.getTotal(), bar.getUnitDivisor());
    scaleStepCount = computed.steps;
    scale.setMaximum(scaleStepCount);
    scale.invalidate();

    bar.setDisplayDivisor(computed.displayDivisor);
    bar.setUnitMWh(computed.megawattHours);
    uint64_t maximum = static_cast<uint64_t>(scaleStepCount) * static_cast<uint64_t>(computed.displayDivisor);
    if (maximum > U32_MAX) {
        maximum = U32_MAX; // the column then holds at most the largest total
    }
    bar.setMaximum(static_cast<uint32_t>(maximum));
    bar.layoutSegments();
    bar.invalidate();

    quillon::WideChar number[guicontrols::EnergyBar::VALUE_TEXT_SIZE] = {};
    bar.formatValue(number);
    const uint16_t used = helpers::formatWide(valueText, VALUE_SIZE, "%ls ", number);
    const quillon::TypedText unit(computed.megawattHours ? MWH_TEXT : KWH_TEXT);
    if (used < VALUE_SIZE) {
        helpers::formatWide(valueText + used, static_cast<uint16_t>(VALUE_SIZE - used), "%ls", unit.getText());
    }
    value.setWildcard(valueText);
    value.invalidate();
}

void HistogramDetailsView::buildBar(guicontrols::Content& area)
{
    const HistogramSelection* selection = presenter->getSelection();
    if (selection == nullptr) {
        return; // no chosen period: an empty chart
    }
    configure(bar);
    updateBar();
    if (selection->label != nullptr) {
        bar.setLabel(selection->label);
    }
    area.add(bar);
    area.add(scale);
    area.add(value);
}
