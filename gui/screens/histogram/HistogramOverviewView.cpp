#include "gui/screens/histogram/HistogramOverviewView.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/screens/histogram/HistorySeries.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const uint8_t MAXIMUM_OFFSETS[HistorySeries::PERIODS] = {0, 45, 5, 0};
const quillon::TextId PERIOD_TEXTS[6] = {1137, 1171, 1041, 1001, 1131, 1138};
const quillon::FontId RANGE_FONT = 1;
const int16_t HISTOGRAM_X = 80;
const int16_t HISTOGRAM_Y = 40;
} // namespace

quillon::WideChar HistogramOverviewView::selectedLabel[LABEL_SIZE] = {};

uint8_t HistogramOverviewView::maximumPageOffset(uint32_t interval)
{
    return interval < HistorySeries::PERIODS ? MAXIMUM_OFFSETS[interval] : 0;
}

HistogramOverviewView::HistogramOverviewView()
    : BaseView<HistogramOverviewPresenter>(nullptr),
      interval(HistorySeries::NO_PERIOD),
      barCallback(this, &HistogramOverviewView::onBarClicked),
      noDetails(0),
      barCount(guicontrols::EnergyHistogram::MAX_BARS),
      pageOffset(0),
      rangeText()
{
}

void HistogramOverviewView::setupTopBar(guicontrols::TopBar& bar)
{
    const IntervalSelection* selection = presenter->getIntervalSelection();
    interval = selection != nullptr ? selection->interval : HistorySeries::NO_PERIOD;
    setTitle(bar);
}

void HistogramOverviewView::writeTitle(guicontrols::TopBar& bar, quillon::TextId first)
{
    const quillon::TextId periodText = interval < 6 ? PERIOD_TEXTS[interval] : PERIOD_TEXTS[0];
    bar.setTitleSegments(quillon::TypedText(first).getText(), guicontrols::Palette::entry(0),
                         quillon::TypedText(periodText).getText(), guicontrols::Palette::entry(10), nullptr, 0, nullptr,
                         0);
}

void HistogramOverviewView::setupContent(guicontrols::Content& area)
{
    if (!hasChart()) {
        return; // nothing to chart: no bars, no arrows, no range
    }
    const IntervalSelection* selection = presenter->getIntervalSelection();
    updateRangeText(area);
    noDetails = static_cast<uint8_t>(selection->noDetails & 0xFF);
    histogram.setDate(presenter->getCurrentDateTime());
    histogram.setXY(HISTOGRAM_X, HISTOGRAM_Y);
    histogram.setSegmentValues(presenter->getSegmentValues(0, pageOffset), 0);
    setExtraSegments();
    histogram.setConfiguration(interval, *this);
    barCount = interval == guicontrols::EnergyHistogram::YEAR ? guicontrols::EnergyHistogram::YEAR_BARS
                                                             : guicontrols::EnergyHistogram::MAX_BARS;
    histogram.setBarClickedCallback(&barCallback);
    area.add(histogram);

    scale.setPosition(5, histogram.getY(), static_cast<int16_t>(histogram.getX() - 15), histogram.getHeight());
    scale.setMaximum(histogram.getScaleStepCount());
    area.add(scale);
    addExtras(area);
    if (maximumPageOffset(interval) > 0) {
        reloadPage();
    }
}

void HistogramOverviewView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    const uint8_t maximum = hasChart() ? maximumPageOffset(interval) : 0;
    if (maximum > 0 && pageOffset > 0) {
        bar.setButtonIcon(NEWER_BUTTON, NEWER_ICON);
    } else {
        bar.clearButton(NEWER_BUTTON);
    }
    if (maximum > 0 && pageOffset < maximum) {
        bar.setButtonIcon(OLDER_BUTTON, OLDER_ICON);
    } else {
        bar.clearButton(OLDER_BUTTON);
    }
    bar.invalidate();
}

void HistogramOverviewView::onBottomBarButton(int index)
{
    switch (index) {
    case OLDER_BUTTON:
        showOlder();
        break;
    case NEWER_BUTTON:
        showNewer();
        break;
    default:
        GenericView::onBottomBarButton(index);
        break;
    }
}

bool HistogramOverviewView::showOlder()
{
    if (!hasChart() || pageOffset >= maximumPageOffset(interval)) {
        return false;
    }
    ++pageOffset;
    reloadPage();
    return true;
}

bool HistogramOverviewView::showNewer()
{
    if (!hasChart() || pageOffset == 0) {
        return false;
    }
    --pageOffset;
    reloadPage();
    return true;
}

void HistogramOverviewView::reloadPage()
{
    presenter->loadValues(pageOffset);
    updateRangeText(content);
    histogram.update(pageOffset);
    scale.setMaximum(histogram.getScaleStepCount());
    histogram.invalidate();
    setupBottomBar(bottomBar);
}

void HistogramOverviewView::refresh()
{
    if (!presenter->hasDataChanged() || !hasChart()) {
        return;
    }
    presenter->loadValues(pageOffset);
    histogram.update(pageOffset);
    scale.setMaximum(histogram.getScaleStepCount());
    histogram.invalidate();
}

void HistogramOverviewView::updateRangeText(guicontrols::Content& area)
{
    helpers::DateTime date = presenter->getCurrentDateTime();
    rangeText[0] = 0;
    switch (interval) {
    case 0:
        guicontrols::EnergyHistogram::formatDayRange(rangeText, RANGE_SIZE, date, -7, false);
        break;
    case 1:
        date.addDays(static_cast<uint32_t>(-7 * static_cast<int32_t>(pageOffset)));
        guicontrols::EnergyHistogram::formatWeekRange(rangeText, RANGE_SIZE, date, -7, false);
        break;
    case 2:
        date.addMonths(-static_cast<int32_t>(pageOffset));
        guicontrols::EnergyHistogram::formatMonthRange(rangeText, RANGE_SIZE, date, -7);
        break;
    case 3:
        guicontrols::EnergyHistogram::formatYearRange(rangeText, RANGE_SIZE, date, -2);
        break;
    default:
        break;
    }
    if (rangeText[0] == 0) {
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

void HistogramOverviewView::onBarClicked(const int& index)
{
    if (noDetails == 1 || pageManager == nullptr || index < 0 || index >= barCount) {
        return;
    }
    HistogramSelection selection;
    selection.period = histogram.getPeriod();
    selection.periodsBack = static_cast<uint8_t>(pageOffset + (barCount - index) - 1);
    selection.barIndex = static_cast<uint8_t>(index);
    const quillon::WideChar* label = histogram.getBarLabel(index);
    uint16_t i = 0;
    for (; label != nullptr && label[i] != 0 && i + 1 < LABEL_SIZE; ++i) {
        selectedLabel[i] = label[i];
    }
    selectedLabel[i] = 0;
    selection.label = selectedLabel;
    ShellContext* context = ShellContext::running();
    if (context == nullptr) {
        return;
    }
    pagemanager::Page* target = detailsPage(*context->pages);
    if (target == nullptr || !pageManager->setParam(selection)) {
        return;
    }
    pageManager->goTo(target, false);
}
