#ifndef GUI_SCREENS_HISTOGRAM_SOLAROVERVIEWPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_SOLAROVERVIEWPRESENTER_HPP

#include "gui/screens/histogram/HistogramOverviewPresenter.hpp"

class SolarOverviewPresenter : public HistogramOverviewPresenter
{
public:
    explicit SolarOverviewPresenter(IView& view) : HistogramOverviewPresenter(view) {}
    ~SolarOverviewPresenter() override {}

    void activate() override;
    void loadValues(uint8_t pageOffset) override;
};

#endif
