#ifndef GUI_SCREENS_HISTOGRAM_HISTOGRAMOVERVIEWPRESENTER_HPP
#define GUI_SCREENS_HISTOGRAM_HISTOGRAMOVERVIEWPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/pagemanager/IntervalSelection.hpp"
#include "helpers/DateTime.hpp"

#include <stdint.h>

// A history as bars of 8 (or 3) periods. The variant copies the shown periods into the
// segment table: entry k of a segment is the period page offset + k before the current one.
class HistogramOverviewPresenter : public BasePresenter
{
public:
    static const uint8_t SEGMENTS = 3;
    static const uint8_t ENTRIES = 8;

    explicit HistogramOverviewPresenter(IView& view);
    ~HistogramOverviewPresenter() override {}

    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }

    virtual void loadValues(uint8_t pageOffset) = 0;
    // Loads the page and returns the segment's entries.
    const uint32_t* getSegmentValues(uint8_t segment, uint8_t pageOffset);

    bool hasHotWater();
    const IntervalSelection* getIntervalSelection() const { return selection; }
    helpers::DateTime getCurrentDateTime();

protected:
    // The interval, or none when no road stored one.
    uint32_t interval() const;
    void clearValues();

    // One table for every overview: only one screen is shown at a time.
    static uint32_t segmentValues[SEGMENTS][ENTRIES];

    const IntervalSelection* selection;
};

#endif
