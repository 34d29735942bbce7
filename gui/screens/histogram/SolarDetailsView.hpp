#ifndef GUI_SCREENS_HISTOGRAM_SOLARDETAILSVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_SOLARDETAILSVIEW_HPP

#include "gui/screens/histogram/HistogramDetailsView.hpp"
#include "gui/screens/histogram/SolarDetailsPresenter.hpp"

class SolarDetailsView : public HistogramDetailsView
{
public:
    SolarDetailsView();
    ~SolarDetailsView() override {}

    const quillon::WideChar* getHelpText() override;

    void setupContent(guicontrols::Content& area) override;
    void configure(guicontrols::EnergyBar& bar) override;
    quillon::TextId getTitleText() override;
};

#endif
