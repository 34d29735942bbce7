#ifndef GUI_PAGEMANAGER_OVERVIEWSTATE_HPP
#define GUI_PAGEMANAGER_OVERVIEWSTATE_HPP

#include <stdint.h>

// What the information lists would read from an overview; nothing stores it, so they
// always find none.
struct OverviewState
{
    uint32_t view;  // 2 selects the Status list
    uint8_t detail; // General: 1 adds hot water; heating circuit: the circuit index
};

#endif
