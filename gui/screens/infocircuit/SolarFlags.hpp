#ifndef GUI_SCREENS_INFOCIRCUIT_SOLARFLAGS_HPP
#define GUI_SCREENS_INFOCIRCUIT_SOLARFLAGS_HPP

#include <stdint.h>

// The device flags the solar and reset lists follow.
namespace SolarFlags
{
const uint8_t KIND_3 = 28; // the two large solar systems, with counters and output 22
const uint8_t KIND_4 = 29;
const uint8_t PUMP_WITHOUT_SPEED = 30;
const uint8_t PUMP_WITH_SPEED = 31;
const uint8_t OUTPUT_22 = 32;
const uint8_t SENSOR_7 = 35;
const uint8_t SENSOR_10 = 36;
const uint8_t PUMP_STATUS_PAGE = 44;
const uint8_t ABSORBER_SURFACE = 50;
const uint8_t NO_ENERGY_A = 60; // either: the solar energy is not counted
const uint8_t NO_ENERGY_B = 64;
const uint8_t OUTSIDE_TEMPERATURE_VALID = 70;
} // namespace SolarFlags

#endif
