#ifndef GUI_SCREENS_HISTOGRAM_HISTOGRAMDETAILSPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_HISTOGRAMDETAILSPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/pagemanager/HistogramSelection.hpp"
#include "helpers/DateTime.hpp"

#include <stdint.h>

// One period of a history, chosen on its overview: the variant says where its segments come
// from. Without a selection (never stored by a road in) the period is none and every
// segment reads 0.
class HistogramDetailsPresenter : public BasePresenter
{
public:
    explicit HistogramDetailsPresenter(IView& view);
    ~HistogramDetailsPresenter() override {}

    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }

    // The raw value of one stacked segment of the chosen period.
    virtual uint32_t getSegmentValue(uint8_t segment) = 0;

    bool hasHotWater();
    const HistogramSelection* getSelection() const { return selection; }
    uint32_t getPeriod() const;
    helpers::DateTime getCurrentDateTime();

protected:
    const HistogramSelection* selection;
};

#endif
