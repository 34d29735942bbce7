#ifndef GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONDETAILSVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONDETAILSVIEW_HPP

#include "gui/screens/histogram/HistogramDetailsView.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsPresenter.hpp"

#include <quillon/widgets/Image.hpp>

class GasConsumptionDetailsView : public HistogramDetailsView
{
public:
    GasConsumptionDetailsView();
    ~GasConsumptionDetailsView() override {}

    const quillon::WideChar* getHelpText() override;

    void setupContent(guicontrols::Content& area) override;
    void configure(guicontrols::EnergyBar& bar) override;
    quillon::TextId getTitleText() override;
    const quillon::Image& getHeatingLegend() const { return heatingLegend; }
    const quillon::Image& getHotWaterLegend() const { return hotWaterLegend; }

private:
    quillon::Image heatingLegend;
    quillon::Image hotWaterLegend;
};

#endif
