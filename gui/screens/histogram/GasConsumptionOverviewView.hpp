#ifndef GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONOVERVIEWVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_GASCONSUMPTIONOVERVIEWVIEW_HPP

#include "gui/screens/histogram/HistogramOverviewView.hpp"
#include "gui/screens/histogram/GasConsumptionOverviewPresenter.hpp"

#include <quillon/widgets/Image.hpp>

class GasConsumptionOverviewView : public HistogramOverviewView
{
public:
    GasConsumptionOverviewView();
    ~GasConsumptionOverviewView() override {}

    const quillon::WideChar* getHelpText() override;

    void configure(guicontrols::EnergyBar& bar) override;
    const quillon::Image& getHeatingLegend() const { return heatingLegend; }
    const quillon::Image& getHotWaterLegend() const { return hotWaterLegend; }

protected:
    void setTitle(guicontrols::TopBar& bar) override;
    pagemanager::Page* detailsPage(Pages& pages) override;
    void setExtraSegments() override;
    void addExtras(guicontrols::Content& area) override;

private:
    quillon::Image heatingLegend;
    quillon::Image hotWaterLegend;
};

#endif
