#ifndef GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONDETAILSPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONDETAILSPRESENTER_HPP

#include "gui/screens/histogram/HistogramDetailsPresenter.hpp"

class ElectricEnergyConsumptionDetailsPresenter : public HistogramDetailsPresenter
{
public:
    explicit ElectricEnergyConsumptionDetailsPresenter(IView& view) : HistogramDetailsPresenter(view) {}
    ~ElectricEnergyConsumptionDetailsPresenter() override {}

    void activate() override;
    uint32_t getSegmentValue(uint8_t segment) override;
};

#endif
