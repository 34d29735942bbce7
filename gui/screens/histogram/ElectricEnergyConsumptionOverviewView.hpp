#ifndef GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONOVERVIEWVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONOVERVIEWVIEW_HPP

#include "gui/screens/histogram/HistogramOverviewView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewPresenter.hpp"

class ElectricEnergyConsumptionOverviewView : public HistogramOverviewView
{
public:
    ElectricEnergyConsumptionOverviewView();
    ~ElectricEnergyConsumptionOverviewView() override {}

    const quillon::WideChar* getHelpText() override;

    void configure(guicontrols::EnergyBar& bar) override;

protected:
    void setTitle(guicontrols::TopBar& bar) override;
    pagemanager::Page* detailsPage(Pages& pages) override;
};

#endif
