#ifndef QUILLON_WIDESTRING_HPP
#define QUILLON_WIDESTRING_HPP

#include <quillon/hal/Types.hpp>

#include <stdarg.h>
#include <stdint.h>

namespace quillon
{
// UTF-16 string functions. Sizes and counts are in UTF-16 units; a size includes the
// terminator. The C library's wide functions are not used: wchar_t is 32 bits here.
class WideString
{
public:
    // Units of a converted number: 32 binary digits and a sign.
    static const uint16_t NUMBER_BUFFER_SIZE = 33;
    // 8-bit formats are widened into a buffer of this many units (63 characters + terminator).
    static const uint16_t FORMAT8_BUFFER_SIZE = 64;

    // An 8-bit character as a code unit: 0x00..0xFF are Latin-1, the same code points.
    static WideChar fromLatin1(char character)
    {
        return static_cast<WideChar>(static_cast<unsigned char>(character));
    }

    // Units before the terminator; null gives 0.
    static uint16_t strlen(const WideChar* string);
    static uint16_t strlen8(const char* string);

    // Copies until the terminator has been copied or maximum units have been copied; in the
    // second case no terminator is written. Returns the non-zero units copied.
    static uint16_t strncpy(WideChar* destination, const WideChar* source, uint16_t maximum);
    static uint16_t strncpy(WideChar* destination, const char* source, uint16_t maximum);

    // Radix 2..16, upper-case digits, a leading '-' when negative, written through strncpy
    // with the limit size. Another radix or a null destination writes nothing.
    static void itoa(int32_t value, WideChar* destination, uint16_t size, int radix);

    // The leading decimal digits; no sign, no leading spaces. Wraps modulo 2^32.
    static int32_t atoi(const WideChar* string);

    // Formats %d %i %u %o %x %s %c and %%, no widths or precisions. Writes at most size - 1
    // units and always terminates (size 0 writes nothing). Returns the destination.
    static WideChar* vsnprintf(WideChar* destination, uint16_t size, const WideChar* format, va_list arguments);
    static WideChar* snprintf(WideChar* destination, uint16_t size, const WideChar* format, ...);
    // The format is widened first, at most 63 characters of it.
    static WideChar* snprintf(WideChar* destination, uint16_t size, const char* format, ...);

    // -1, 0 or 1 over at most maximum units; a null first string gives -1, a null second 1.
    static int strncmp(const WideChar* first, const WideChar* second, uint16_t maximum);
    // As strncmp, but runs of spaces are skipped in both strings and do not count.
    static int strncmpIgnoringSpaces(const WideChar* first, const WideChar* second, uint16_t maximum);

    // First unit that is not a space.
    static const WideChar* skipSpaces(const WideChar* string);
};

// Every stored string is read through the HAL's string mapping, when a HAL exists.
const WideChar* mapStringPointer(const WideChar* string);
} // namespace quillon

#endif
