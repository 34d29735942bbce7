#ifndef HELPERS_CONVERSIONS_HPP
#define HELPERS_CONVERSIONS_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// Translations between device encodings and what the screens show.
namespace helpers
{
using quillon::WideChar;

// An address text is always 15 units: "192.168.001.010".
const uint16_t IP_TEXT_LENGTH = 15;

// Packed BCD byte, high nibble the tens. Nibbles above 9 pass unchecked.
uint8_t bcdToInt(uint8_t bcd);
// Values 0..99 only.
uint8_t intToBcd(uint8_t value);

// Switching-time byte: hour in bits 7..3, ten-minute step in bits 2..0; 0xC0 is 24:00.
uint32_t switchTimeToSeconds(uint8_t switchTime);
// Minutes below a full ten are dropped.
uint8_t toSwitchTime(uint32_t hour, uint32_t minute);

// value x 0.1f, widened to double: the single-precision factor is part of the result.
double tenthsToFloat(int32_t tenths);
float halvesToFloat(uint32_t halves);
// The panel's whole degrees: halves away from zero (6.5 gives 7, -6.5 gives -7), where
// printf's "%.0f" would give 6. Through tenths first: a scaled 52.5 may arrive as 52.49999.
int32_t wholeDegrees(double value);
uint32_t divideByThousand(uint32_t value);
float secondsPerHour();
float unitsPerKilo();

// Octet 0..3 of an address text in the fixed form; 0 for a null text and for an octet the
// text does not reach.
uint8_t parseIpOctet(uint32_t octet, const WideChar* text);
// Octet 0 in bits 31..24; 0 for a null text.
uint32_t textToIpAddress(const WideChar* text);
// Writes the 15 units without terminator; returns 15, or 0 for a null output.
uint16_t ipAddressToText(uint32_t address, WideChar* output);
} // namespace helpers

#endif
