#ifndef GUI_PAGEMANAGER_HISTOGRAMSELECTION_HPP
#define GUI_PAGEMANAGER_HISTOGRAMSELECTION_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The bar touched on a histogram overview, for its details screen.
struct HistogramSelection
{
    uint32_t period;     // 0 days, 1 weeks, 2 months, 3 years
    uint8_t periodsBack; // 0 = the current period
    uint8_t barIndex;    // 0 = leftmost
    const quillon::WideChar* label; // a buffer that outlives the overview screen
};

#endif
