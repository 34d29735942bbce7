#ifndef HELPERS_WIDEFORMAT_HPP
#define HELPERS_WIDEFORMAT_HPP

#include <quillon/hal/Types.hpp>

#include <stdarg.h>
#include <stdint.h>

// printf-style formatting into UTF-16 buffers, with the widths, precisions and floats that
// the framework's own formatter lacks. The C library's wide printf is of no use: wchar_t is
// 32 bits here. Every number comes out exactly as the narrow snprintf writes it.
//
// Conversions: d i u o x X c e E f F g G a A p, %% and s. "%s" takes an 8-bit text (read
// as Latin-1, as a wide printf would widen it), "%ls" a UTF-16 text; a null text is written
// as "(null)". Length modifiers hh h l ll j z t L, flags, widths, precisions and "*" as in C.
// "%n" writes nothing, and an unknown conversion is copied as written.
//
// At most capacity - 1 units and a terminator are written (capacity 0 writes nothing).
// Returns the units written before the terminator.
namespace helpers
{
uint16_t formatWide(quillon::WideChar* destination, uint16_t capacity, const quillon::WideChar* format, ...);
uint16_t vformatWide(quillon::WideChar* destination, uint16_t capacity, const quillon::WideChar* format,
                     va_list arguments);

// The same with the format in UTF-8, as a narrow literal holds it ("%.0f°C").
uint16_t formatWide(quillon::WideChar* destination, uint16_t capacity, const char* format, ...);
uint16_t vformatWide(quillon::WideChar* destination, uint16_t capacity, const char* format, va_list arguments);
} // namespace helpers

#endif
