#ifndef HELPERS_TEXTWRAP_HPP
#define HELPERS_TEXTWRAP_HPP

#include <quillon/Font.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace helpers
{
// The parameters of one word wrap.
struct TextWrapSpec
{
    TextWrapSpec(uint16_t maxWidth, const quillon::Font* font, uint8_t maxLines)
        : maxWidth(maxWidth), font(font), maxLines(maxLines)
    {
    }

    uint16_t maxWidth; // pixels, compared as a signed 16-bit number
    const quillon::Font* font; // measures the characters; not owned
    uint8_t maxLines;
};

// Copies source into output (capacity units, terminator included) with line breaks: a line
// that grows wider than the limit breaks at its last space, or after the character that
// overflowed when it has none. Past the line limit, or at the end of the buffer while text
// remains, the text ends in "...". A trailing line break is dropped. Capacity 0 writes nothing.
void wrapText(quillon::WideChar* output, uint16_t capacity, const quillon::WideChar* source, const TextWrapSpec& spec);
} // namespace helpers

#endif
