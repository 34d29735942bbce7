#include "helpers/Text.hpp"

namespace helpers
{
namespace
{
const char DIGITS[] = "0123456789ABCDEF";
// 32 binary digits are the longest magnitude.
const uint32_t MAX_DIGITS = 32;

uint32_t magnitudeOf(int32_t value)
{
    // Through 64 bits: the most negative value has no 32-bit positive counterpart.
    const int64_t wide = value;
    return static_cast<uint32_t>(wide < 0 ? -wide : wide);
}
} // namespace

uint16_t formatNumber(WideChar* buffer, uint16_t capacity, int32_t value, uint8_t minimumDigits, uint8_t base)
{
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    uint16_t length = 0;
    const uint16_t room = static_cast<uint16_t>(capacity - 1);
    if (base >= 2 && base <= 16) {
        uint32_t magnitude = magnitudeOf(value);
        char digits[MAX_DIGITS];
        uint32_t digitCount = 0;
        do {
            digits[digitCount++] = DIGITS[magnitude % base];
            magnitude /= base;
        } while (magnitude != 0);

        if (value < 0 && length < room) {
            buffer[length++] = '-';
        }
        for (uint32_t padding = digitCount; padding < minimumDigits && length < room; ++padding) {
            buffer[length++] = '0';
        }
        while (digitCount > 0 && length < room) {
            buffer[length++] = static_cast<WideChar>(digits[--digitCount]);
        }
    }
    buffer[length] = 0;
    return length;
}

uint16_t appendChar(WideChar* buffer, uint16_t capacity, WideChar character)
{
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    buffer[0] = character;
    if (capacity > 1) {
        buffer[1] = 0;
    }
    return 1;
}

uint16_t countLines(const WideChar* text)
{
    uint16_t lines = 1;
    for (; *text != 0; ++text) {
        if (*text == '\n') {
            ++lines;
        }
    }
    return lines;
}

bool isEmptyText(const WideChar* text)
{
    return text == nullptr || text[0] == 0;
}

WideChar toLower(WideChar unit)
{
    if ((unit >= 'A' && unit <= 'Z') || (unit >= 0x00C0 && unit <= 0x00DE && unit != 0x00D7)) {
        return static_cast<WideChar>(unit + 0x20);
    }
    if (unit < 0x0100 || unit > 0x017F) {
        return unit;
    }
    // Latin Extended-A pairs capital and small letter side by side, capital first; the
    // pairs start on even units except in the two runs 0139..0148 and 0179..017E.
    if (unit == 0x0130) {
        return 'i'; // capital I with dot above
    }
    if (unit == 0x0178) {
        return 0x00FF; // capital Y with diaeresis, its small letter is in Latin-1
    }
    const bool oddPairs = (unit >= 0x0139 && unit <= 0x0148) || (unit >= 0x0179 && unit <= 0x017E);
    if (oddPairs) {
        return (unit & 1) ? static_cast<WideChar>(unit + 1) : unit;
    }
    // Small letters without a capital in this block: dotless i, kra, apostrophe n, long s.
    if (unit == 0x0131 || unit == 0x0138 || unit == 0x0149 || unit == 0x017F) {
        return unit;
    }
    return (unit & 1) ? unit : static_cast<WideChar>(unit + 1);
}

TextCursor::TextCursor(WideChar* buffer, uint16_t capacity)
    : buffer(buffer), capacity(capacity), length(0), full(buffer == nullptr || capacity == 0)
{
    if (!full) {
        buffer[0] = 0;
    }
}

TextCursor& TextCursor::number(int32_t value, uint8_t minimumDigits)
{
    WideChar digits[MAX_DIGITS + 2];
    const uint16_t count = formatNumber(digits, MAX_DIGITS + 2, value, minimumDigits, 10);
    return text(digits, count);
}

TextCursor& TextCursor::character(WideChar unit)
{
    return text(&unit, 1);
}

TextCursor& TextCursor::text(const WideChar* units, uint16_t count)
{
    if (full || count >= capacity - length) {
        full = true;
        return *this;
    }
    for (uint16_t i = 0; i < count; ++i) {
        buffer[length++] = units[i];
    }
    buffer[length] = 0;
    return *this;
}

void toLowerCopy(const WideChar* source, WideChar* output, uint16_t capacity)
{
    if (source == nullptr || output == nullptr) {
        return;
    }
    uint16_t i = 0;
    for (; i < capacity && source[i] != 0; ++i) {
        output[i] = toLower(source[i]);
    }
    if (i < capacity) {
        output[i] = 0;
    }
}
} // namespace helpers
