#ifndef HELPERS_TEXT_HPP
#define HELPERS_TEXT_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// UTF-16 text helpers shared by the screens and the date and time values. A capacity
// counts units and includes the terminator; nothing is written beyond it.
namespace helpers
{
using quillon::WideChar;

// The value in the base (2..16, digits "0123456789ABCDEF"), a leading '-' when negative,
// zero-padded on the left to minimumDigits (below 2 pads nothing). Writes at most
// capacity - 1 units and a terminator; returns the units written before the terminator.
uint16_t formatNumber(WideChar* buffer, uint16_t capacity, int32_t value, uint8_t minimumDigits, uint8_t base);

// The character and, when there is room, a terminator. Returns 1, or 0 for capacity 0.
uint16_t appendChar(WideChar* buffer, uint16_t capacity, WideChar character);

// 1 + the number of line breaks; the text must not be null.
uint16_t countLines(const WideChar* text);

// True for a null pointer or an empty text.
bool isEmptyText(const WideChar* text);

// Lower-cases ASCII, Latin-1 and Latin Extended-A letters by our own table (the panel's
// languages, the Czech, Slovak and Polish letters included) into output, at most capacity
// units; a terminator follows only when the source ends before the capacity. A null
// source writes nothing.
void toLowerCopy(const WideChar* source, WideChar* output, uint16_t capacity);

// The lower-case letter of one unit; other units are returned unchanged.
WideChar toLower(WideChar unit);

// Appends whole pieces (numbers, characters) and keeps the text terminated. The first
// piece that does not fit with its terminator ends the text: a later piece would otherwise
// land behind a dropped one, or over the terminator.
class TextCursor
{
public:
    TextCursor(WideChar* buffer, uint16_t capacity);

    TextCursor& number(int32_t value, uint8_t minimumDigits);
    TextCursor& character(WideChar unit);
    // Appends a text written elsewhere, when it fits.
    TextCursor& text(const WideChar* units, uint16_t count);

    // Units written so far, the terminator not counted.
    uint16_t written() const { return length; }

private:
    WideChar* buffer;
    uint16_t capacity;
    uint16_t length;
    bool full;
};
} // namespace helpers

#endif
