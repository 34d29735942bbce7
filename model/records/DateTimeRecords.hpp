#ifndef MODEL_RECORDS_DATETIMERECORDS_HPP
#define MODEL_RECORDS_DATETIMERECORDS_HPP

#include "helpers/DeviceDateTime.hpp"

#include <stdint.h>

// Date and time records exactly as they travel in device frames.

// One day of a time program: four phases, each a pair of switching-time bytes (start,
// end): hour x 8 + ten-minute step, a byte above 0xBF meaning 24:00 (helpers::Time).
struct time_point
{
    static constexpr uint32_t PHASES = 4;

    uint8_t bytes[2 * PHASES];

    uint8_t phaseStart(uint32_t phase) const { return bytes[2 * phase]; }
    uint8_t phaseEnd(uint32_t phase) const { return bytes[2 * phase + 1]; }
};
static_assert(sizeof(time_point) == 8, "time_point travels as 8 bytes");


#endif
