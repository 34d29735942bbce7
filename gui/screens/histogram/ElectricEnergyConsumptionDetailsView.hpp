#ifndef GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONDETAILSVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_ELECTRICENERGYCONSUMPTIONDETAILSVIEW_HPP

#include "gui/screens/histogram/HistogramDetailsView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsPresenter.hpp"

class ElectricEnergyConsumptionDetailsView : public HistogramDetailsView
{
public:
    ElectricEnergyConsumptionDetailsView();
    ~ElectricEnergyConsumptionDetailsView() override {}

    const quillon::WideChar* getHelpText() override;

    void setupContent(guicontrols::Content& area) override;
    void configure(guicontrols::EnergyBar& bar) override;
    quillon::TextId getTitleText() override;
};

#endif
