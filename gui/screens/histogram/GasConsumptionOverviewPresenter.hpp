#ifndef GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONOVERVIEWPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONOVERVIEWPRESENTER_HPP

#include "gui/screens/histogram/HistogramOverviewPresenter.hpp"

class GasConsumptionOverviewPresenter : public HistogramOverviewPresenter
{
public:
    explicit GasConsumptionOverviewPresenter(IView& view) : HistogramOverviewPresenter(view) {}
    ~GasConsumptionOverviewPresenter() override {}

    void activate() override;
    void loadValues(uint8_t pageOffset) override;
};

#endif
