#ifndef GUI_SCREENS_HISTOGRAM_SOLAROVERVIEWVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_SOLAROVERVIEWVIEW_HPP

#include "gui/screens/histogram/HistogramOverviewView.hpp"
#include "gui/screens/histogram/SolarOverviewPresenter.hpp"

class SolarOverviewView : public HistogramOverviewView
{
public:
    SolarOverviewView();
    ~SolarOverviewView() override {}

    const quillon::WideChar* getHelpText() override;

    void configure(guicontrols::EnergyBar& bar) override;

protected:
    void setTitle(guicontrols::TopBar& bar) override;
    pagemanager::Page* detailsPage(Pages& pages) override;
};

#endif
