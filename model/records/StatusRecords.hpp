#ifndef MODEL_RECORDS_STATUSRECORDS_HPP
#define MODEL_RECORDS_STATUSRECORDS_HPP

#include "model/records/RecordFields.hpp"

#include <stdint.h>

// Status blocks of the devices. Bytes no reader interprets are carried unchanged.

struct system_identifier
{
    uint8_t bytes[4];
    // Compared with 4 by the presence rule of the communication interface.
    uint8_t variant() const { return bytes[3]; }
};
static_assert(sizeof(system_identifier) == 4, "system_identifier travels as 4 bytes");

struct relavo20_info
{
    uint8_t bytes[4];
};
static_assert(sizeof(relavo20_info) == 4, "relavo20_info travels as 4 bytes");

// A heating circuit.
struct hc_info
{
    uint8_t bytes[16];

    bool isPumpOn() const { return model::readBit(bytes[0], 0); }
    // Bits 1..5 of byte 0: further on/off states.
    bool stateBit(uint32_t bit) const { return model::readBit(bytes[0], bit); }
    model::ValvePosition mixerPosition() const { return static_cast<model::ValvePosition>(bytes[0] >> 6); }
    int16_t supplySetpoint() const { return model::readI16(bytes + 2); }
    model::TemperatureItem supplyTemperature() const { return model::readTemperatureItem(bytes + 4); }
    // The items at bytes 7 and 10.
    model::TemperatureItem temperature(uint32_t item) const { return model::readTemperatureItem(bytes + 7 + 3 * item); }
};
static_assert(sizeof(hc_info) == 16, "hc_info travels as 16 bytes");

// The operating state of a heating circuit.
struct heating_info
{
    enum OperatingStatus : uint8_t
    {
        STANDBY = 0,
        REDUCED = 1,
        STANDARD = 2,
        CONSTANT = 3, // heating constantly off or on
    };

    uint8_t bytes[22];

    uint8_t operatingStatus() const { return bytes[1]; }
    uint8_t byte2() const { return bytes[2]; }
    bool byte16Bit0() const { return model::readBit(bytes[16], 0); }
};
static_assert(sizeof(heating_info) == 22, "heating_info travels as 22 bytes");

struct boiler_info
{
    uint8_t bytes[16];

    bool isBurnerOn() const { return model::readBit(bytes[0], 4); }
    // Steps of 0.5 %, bytes 1 and 2.
    uint8_t halfPercent(uint32_t field) const { return bytes[1 + field]; }
    int16_t setpoint() const { return model::readI16(bytes + 4); }
    // Its validity is a separate table entry.
    int16_t temperature() const { return model::readI16(bytes + 6); }
    // kW, bytes 8 and 12.
    uint32_t power(uint32_t field) const { return model::readU32(bytes + 8 + 4 * field); }
};
static_assert(sizeof(boiler_info) == 16, "boiler_info travels as 16 bytes");

struct solar_info
{
    uint8_t bytes[48];

    // Bit 0 pump on, 1 DHW heating suppression, 2 a solar option, 3 an on/off state,
    // 4 output 22 of the solar module, 5 space-heating suppression.
    bool stateBit(uint32_t bit) const { return model::readBit(bytes[0], bit); }
    bool isPumpOn() const { return stateBit(0); }
    uint8_t pumpSpeed() const { return bytes[1]; } // %
    model::TemperatureItem collectorTemperature() const { return model::readTemperatureItem(bytes + 2); }
    // Items 0..3: collector, cylinder sensor 5, sensor 7, sensor 10.
    model::TemperatureItem temperature(uint32_t item) const { return model::readTemperatureItem(bytes + 2 + 3 * item); }
    uint32_t energy() const { return model::readU32(bytes + 14); } // kWh
    uint32_t secondEnergy() const { return model::readU32(bytes + 18); }
    uint32_t pumpStarts() const { return model::readU32(bytes + 22); }
    uint16_t pumpHours() const { return model::readU16(bytes + 26); }
    uint32_t stagnationSeconds() const { return model::readU32(bytes + 28); }
    uint32_t output22Starts() const { return model::readU32(bytes + 32); }
    uint32_t output22Seconds() const { return model::readU32(bytes + 36); }
    uint32_t incorrectCirculations() const { return model::readU32(bytes + 40); }
    uint32_t differenceMonitorCount() const { return model::readU32(bytes + 44); }
};
static_assert(sizeof(solar_info) == 48, "solar_info travels as 48 bytes");

// The whole installation.
struct common_info
{
    static constexpr uint8_t BOTH_BITS = 3; // a 2-bit output field of an absent option

    uint8_t bytes[32];

    // Bit 0 an option, 2 central fault message, 7 service notice.
    bool stateBit(uint32_t bit) const { return model::readBit(bytes[0], bit); }
    // The number of the four service flags set.
    uint32_t serviceLevel() const
    {
        uint32_t level = 0;
        for (uint32_t bit = 0; bit < 4; ++bit) {
            level += model::readBit(bytes[1], bit) ? 1 : 0;
        }
        return level;
    }
    bool isCombustionControllerLocked() const { return model::readBit(bytes[1], 4); }
    bool isWinkRequested() const { return model::readBit(bytes[2], 0); }
    uint8_t output20() const { return (bytes[2] >> 2) & 3; }
    uint8_t secondOutput() const { return (bytes[2] >> 4) & 3; }
    uint8_t valveField() const { return (bytes[2] >> 6) & 3; }
    model::TemperatureItem outsideTemperature() const { return model::readTemperatureItem(bytes + 4); }
    model::TemperatureItem commonSupplyTemperature() const { return model::readTemperatureItem(bytes + 7); }
    model::TemperatureItem dhwTemperature() const { return model::readTemperatureItem(bytes + 16); }
    model::TemperatureItem flueGasTemperature() const { return model::readTemperatureItem(bytes + 22); }
    // Items 0..7 at bytes 4, 7, .. 25.
    model::TemperatureItem temperature(uint32_t item) const { return model::readTemperatureItem(bytes + 4 + 3 * item); }
    uint8_t code() const { return bytes[28]; }
    uint8_t number() const { return bytes[29]; }
    int16_t lastTemperature() const { return model::readI16(bytes + 30); }
};
static_assert(sizeof(common_info) == 32, "common_info travels as 32 bytes");

struct lon_info
{
    uint8_t bytes[9];
};
static_assert(sizeof(lon_info) == 9, "lon_info travels as 9 bytes");

struct thermal_output
{
    uint8_t bytes[2];
    uint16_t value() const { return model::readU16(bytes); }
};
static_assert(sizeof(thermal_output) == 2, "thermal_output travels as 2 bytes");

struct hc_pump
{
    uint8_t bytes[2];
    bool isOn() const { return model::readBit(bytes[0], 0); }
};
static_assert(sizeof(hc_pump) == 2, "hc_pump travels as 2 bytes");

#endif
