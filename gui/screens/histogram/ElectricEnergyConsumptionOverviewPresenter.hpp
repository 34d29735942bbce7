#ifndef GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONOVERVIEWPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONOVERVIEWPRESENTER_HPP

#include "gui/screens/histogram/HistogramOverviewPresenter.hpp"

class ElectricEnergyConsumptionOverviewPresenter : public HistogramOverviewPresenter
{
public:
    explicit ElectricEnergyConsumptionOverviewPresenter(IView& view) : HistogramOverviewPresenter(view) {}
    ~ElectricEnergyConsumptionOverviewPresenter() override {}

    void activate() override;
    void loadValues(uint8_t pageOffset) override;
};

#endif
