#ifndef GUI_SCREENS_HISTOGRAM_SOLARDETAILSPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_SOLARDETAILSPRESENTER_HPP

#include "gui/screens/histogram/HistogramDetailsPresenter.hpp"

class SolarDetailsPresenter : public HistogramDetailsPresenter
{
public:
    explicit SolarDetailsPresenter(IView& view) : HistogramDetailsPresenter(view) {}
    ~SolarDetailsPresenter() override {}

    void activate() override;
    uint32_t getSegmentValue(uint8_t segment) override;
};

#endif
