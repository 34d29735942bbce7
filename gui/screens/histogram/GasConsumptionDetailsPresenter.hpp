#ifndef GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONDETAILSPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONDETAILSPRESENTER_HPP

#include "gui/screens/histogram/HistogramDetailsPresenter.hpp"

class GasConsumptionDetailsPresenter : public HistogramDetailsPresenter
{
public:
    explicit GasConsumptionDetailsPresenter(IView& view) : HistogramDetailsPresenter(view) {}
    ~GasConsumptionDetailsPresenter() override {}

    void activate() override;
    uint32_t getSegmentValue(uint8_t segment) override;
};

#endif
