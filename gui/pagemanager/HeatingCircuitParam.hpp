#ifndef GUI_PAGEMANAGER_HEATINGCIRCUITPARAM_HPP
#define GUI_PAGEMANAGER_HEATINGCIRCUITPARAM_HPP

#include <stdint.h>

// The heating circuit a screen opens, as the screens after it read it.
struct HeatingCircuitParam
{
    uint16_t circuit;     // 0..2
    uint8_t day;          // 0..6, Monday first
    uint8_t readOnly;     // 1: the time program is shown without editing
    uint8_t titleByNumber; // non-zero: titled by the circuit's number, not its name
    uint8_t reserved[3];  // copied with the value, read by no screen
};
static_assert(sizeof(HeatingCircuitParam) == 8, "heating-circuit parameter is 8 bytes");

#endif
