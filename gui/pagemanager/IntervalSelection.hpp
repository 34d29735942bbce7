#ifndef GUI_PAGEMANAGER_INTERVALSELECTION_HPP
#define GUI_PAGEMANAGER_INTERVALSELECTION_HPP

#include <stdint.h>

// The interval codes of the interval menus.
enum IntervalCode : uint32_t
{
    INTERVAL_7_DAYS = 0,
    INTERVAL_52_WEEKS = 1,
    INTERVAL_12_MONTHS = 2,
    INTERVAL_2_YEARS = 3,
    INTERVAL_24_HOURS = 4,
    INTERVAL_30_DAYS = 5,
};

// The interval a chart screen opens with.
struct IntervalSelection
{
    uint32_t interval;  // an IntervalCode
    uint32_t noDetails; // low byte 1: the solar energy history; 0 everywhere else
};
static_assert(sizeof(IntervalSelection) == 8, "interval selection is 8 bytes");

#endif
