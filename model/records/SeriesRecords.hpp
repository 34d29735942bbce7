#ifndef MODEL_RECORDS_SERIESRECORDS_HPP
#define MODEL_RECORDS_SERIESRECORDS_HPP

#include "model/records/RecordFields.hpp"

#include <stdint.h>

// Series and histories: faults, yields, cylinder temperatures and shares.

// An entry of the current fault list; code 0 is an empty entry.
struct alarm_buffer
{
    uint8_t bytes[12];
    uint8_t code() const { return bytes[0]; }
};
static_assert(sizeof(alarm_buffer) == 12, "alarm_buffer travels as 12 bytes");

// An entry of the fault history; code 0 is an empty entry.
struct alarm_history
{
    uint8_t bytes[9];
    uint8_t code() const { return bytes[0]; }
};
static_assert(sizeof(alarm_history) == 9, "alarm_history travels as 9 bytes");

// Eight yields, element 0 the most recent period.
struct solar_histogram
{
    static constexpr uint32_t VALUES = 8;

    uint8_t bytes[4 * VALUES];
    uint32_t value(uint32_t element) const { return model::readU32(bytes + 4 * element); }
};
static_assert(sizeof(solar_histogram) == 32, "solar_histogram travels as 32 bytes");

// A cylinder temperature extreme with the time it was measured.
struct cylinder_min_max
{
    static constexpr uint32_t CYLINDER_SENSORS = 5;

    uint8_t bytes[16];
    uint32_t timestamp() const { return model::readU32(bytes); } // seconds since 1970
    int16_t collectorTemperature() const { return model::readI16(bytes + 4); }
    // T1..T5 as sensor 0..4.
    int16_t cylinderTemperature(uint32_t sensor) const { return model::readI16(bytes + 6 + 2 * sensor); }
};
static_assert(sizeof(cylinder_min_max) == 16, "cylinder_min_max travels as 16 bytes");

// Temperatures in tenths of a degree, in a row.
template <uint32_t N>
struct temperature_series
{
    static constexpr uint32_t VALUES = N;

    uint8_t bytes[2 * N];
    int16_t value(uint32_t element) const { return model::readI16(bytes + 2 * element); }
};
using temperature_6 = temperature_series<6>;
using temperature_11 = temperature_series<11>;
using temperature_12 = temperature_series<12>;
using temperature_21 = temperature_series<21>;
using temperature_24 = temperature_series<24>;
static_assert(sizeof(temperature_6) == 12 && sizeof(temperature_11) == 22 && sizeof(temperature_12) == 24 &&
                  sizeof(temperature_21) == 42 && sizeof(temperature_24) == 48,
              "temperature series travel as two bytes per value");

// One unsigned share per slot of a day.
struct percent_48
{
    static constexpr uint32_t VALUES = 48;

    uint8_t bytes[VALUES];
    uint8_t value(uint32_t slot) const { return bytes[slot]; }
};
static_assert(sizeof(percent_48) == 48, "percent_48 travels as 48 bytes");

#endif
