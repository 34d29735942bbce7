#include "gui/screens/histogram/HistogramDetailsPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/histogram/HistorySeries.hpp"

HistogramDetailsPresenter::HistogramDetailsPresenter(IView& view)
    : BasePresenter(view),
      selection(pageManager != nullptr ? pageManager->getParam<HistogramSelection>() : nullptr)
{
}

bool HistogramDetailsPresenter::hasHotWater()
{
    return getModel() != nullptr && HistorySeries::hasHotWater(*getModel());
}

uint32_t HistogramDetailsPresenter::getPeriod() const
{
    return selection != nullptr ? selection->period : HistorySeries::NO_PERIOD;
}

helpers::DateTime HistogramDetailsPresenter::getCurrentDateTime()
{
    return getModel() != nullptr ? getModel()->getTimeManager().getDateTime() : helpers::DateTime();
}
