#include "gui/screens/histogram/HistogramOverviewPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/histogram/HistorySeries.hpp"

uint32_t HistogramOverviewPresenter::segmentValues[SEGMENTS][ENTRIES] = {};

HistogramOverviewPresenter::HistogramOverviewPresenter(IView& view)
    : BasePresenter(view),
      selection(pageManager != nullptr ? pageManager->getParam<IntervalSelection>() : nullptr)
{
}

const uint32_t* HistogramOverviewPresenter::getSegmentValues(uint8_t segment, uint8_t pageOffset)
{
    loadValues(pageOffset);
    return segmentValues[segment < SEGMENTS ? segment : 0];
}

bool HistogramOverviewPresenter::hasHotWater()
{
    return getModel() != nullptr && HistorySeries::hasHotWater(*getModel());
}

helpers::DateTime HistogramOverviewPresenter::getCurrentDateTime()
{
    return getModel() != nullptr ? getModel()->getTimeManager().getDateTime() : helpers::DateTime();
}

uint32_t HistogramOverviewPresenter::interval() const
{
    return selection != nullptr ? selection->interval : HistorySeries::NO_PERIOD;
}

// What an earlier overview left must not show on this one.
void HistogramOverviewPresenter::clearValues()
{
    for (uint32_t(&segment)[ENTRIES] : segmentValues) {
        for (uint32_t& entry : segment) {
            entry = 0;
        }
    }
}
