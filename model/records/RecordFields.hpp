#ifndef MODEL_RECORDS_RECORDFIELDS_HPP
#define MODEL_RECORDS_RECORDFIELDS_HPP

#include <stdint.h>

// Field readers shared by the device records. Records are byte arrays exactly as they travel
// in device frames; multi-byte fields are little-endian whatever the host.
namespace model
{
inline uint16_t readU16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline int16_t readI16(const uint8_t* bytes)
{
    return static_cast<int16_t>(readU16(bytes));
}

inline uint32_t readU32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

inline bool readBit(uint8_t byte, uint32_t bit)
{
    return ((byte >> bit) & 1u) != 0;
}

// A temperature in tenths of a degree followed by its sensor status byte.
struct TemperatureItem
{
    static constexpr uint32_t SIZE = 3;
    static constexpr uint8_t STATUS_VALID = 0;
    static constexpr uint8_t STATUS_NOT_FITTED = 6;

    int16_t tenths;
    uint8_t status;

    // Any status but 0 means no value: screens show "---".
    bool hasValue() const { return status == STATUS_VALID; }
    // Only status 6 means the sensor is missing; other faults still count as fitted.
    bool isSensorFitted() const { return status != STATUS_NOT_FITTED; }
};

inline TemperatureItem readTemperatureItem(const uint8_t* bytes)
{
    return TemperatureItem{readI16(bytes), bytes[2]};
}

// A 2-bit valve field.
enum ValvePosition : uint8_t
{
    VALVE_OPEN = 0,
    VALVE_CLOSED = 1,
    VALVE_NEUTRAL = 2,
    VALVE_NONE = 3,
};
} // namespace model

#endif
