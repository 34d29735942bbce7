#include "helpers/Conversions.hpp"

#include <math.h>

namespace helpers
{
uint8_t bcdToInt(uint8_t bcd)
{
    return static_cast<uint8_t>((bcd >> 4) * 10 + (bcd & 0x0F));
}

uint8_t intToBcd(uint8_t value)
{
    return static_cast<uint8_t>(((value / 10) << 4) | (value % 10));
}

uint32_t switchTimeToSeconds(uint8_t switchTime)
{
    return (switchTime >> 3) * 3600u + (switchTime & 7u) * 600u;
}

uint8_t toSwitchTime(uint32_t hour, uint32_t minute)
{
    return static_cast<uint8_t>((hour * 8) | ((minute / 10) & 7));
}

double tenthsToFloat(int32_t tenths)
{
    return static_cast<double>(tenths) * static_cast<double>(0.1f);
}

int32_t wholeDegrees(double value)
{
    const long tenths = lround(value * 10.0);
    return static_cast<int32_t>(tenths >= 0 ? (tenths + 5) / 10 : (tenths - 5) / 10);
}

float halvesToFloat(uint32_t halves)
{
    return static_cast<float>(halves) * 0.5f;
}

uint32_t divideByThousand(uint32_t value)
{
    return value / 1000;
}

float secondsPerHour()
{
    return 3600.0f;
}

float unitsPerKilo()
{
    return 1000.0f;
}

namespace
{
bool isDigit(WideChar unit)
{
    return unit >= '0' && unit <= '9';
}

// Last digit of (the number whose digits start at 'digits') / 10^exponent. Picked out of
// the digit run itself, so a long run cannot overflow.
uint32_t quotientDigit(const WideChar* digits, uint32_t exponent)
{
    uint32_t length = 0;
    while (isDigit(digits[length])) {
        ++length;
    }
    if (length <= exponent) {
        return 0;
    }
    return static_cast<uint32_t>(digits[length - 1 - exponent] - '0');
}
} // namespace

uint8_t parseIpOctet(uint32_t octet, const WideChar* text)
{
    if (text == nullptr) {
        return 0;
    }
    const uint32_t start = 4 * octet;
    // A short text ends before the field: nothing beyond its terminator is read.
    for (uint32_t i = 0; i < start; ++i) {
        if (text[i] == 0) {
            return 0;
        }
    }
    static const uint32_t EXPONENTS[3] = {2, 1, 0};
    static const uint32_t WEIGHTS[3] = {100, 10, 1};
    uint32_t sum = 0;
    for (uint32_t k = 0; k < 3; ++k) {
        const WideChar* position = text + start + k;
        if (*position == 0 || *position == '.') {
            break;
        }
        sum += quotientDigit(position, EXPONENTS[k]) * WEIGHTS[k];
    }
    return static_cast<uint8_t>(sum % 256);
}

uint32_t textToIpAddress(const WideChar* text)
{
    if (text == nullptr) {
        return 0;
    }
    return (static_cast<uint32_t>(parseIpOctet(0, text)) << 24) | (static_cast<uint32_t>(parseIpOctet(1, text)) << 16) |
           (static_cast<uint32_t>(parseIpOctet(2, text)) << 8) | parseIpOctet(3, text);
}

uint16_t ipAddressToText(uint32_t address, WideChar* output)
{
    if (output == nullptr) {
        return 0;
    }
    WideChar text[IP_TEXT_LENGTH] = {};
    for (uint32_t k = 0; k < 4; ++k) {
        const uint32_t value = (address >> (24 - 8 * k)) & 0xFF;
        WideChar* group = text + 4 * k;
        group[0] = static_cast<WideChar>('0' + value / 100);
        group[1] = static_cast<WideChar>('0' + value / 10 % 10);
        group[2] = static_cast<WideChar>('0' + value % 10);
    }
    text[3] = text[7] = text[11] = '.';
    for (uint16_t i = 0; i < IP_TEXT_LENGTH; ++i) {
        output[i] = text[i];
    }
    return IP_TEXT_LENGTH;
}
} // namespace helpers
