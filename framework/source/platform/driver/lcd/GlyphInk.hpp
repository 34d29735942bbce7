#ifndef QUILLON_PLATFORM_DRIVER_LCD_GLYPHINK_HPP
#define QUILLON_PLATFORM_DRIVER_LCD_GLYPHINK_HPP

#include <platform/driver/lcd/Blend.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace quillon
{
// The text colour at each raw coverage value of a glyph. For up to 4 bits per pixel the
// weights and the spread colour times its weight are tabled per value (see blend::withWeight).
class GlyphInk
{
public:
    GlyphInk(Color color, uint8_t alpha, uint8_t bitsPerPixel)
        : color(color),
          alpha(alpha),
          bitsPerPixel(bitsPerPixel),
          fullValue((1u << bitsPerPixel) - 1u),
          opaqueValue(alpha == 255 ? fullValue : NO_VALUE)
    {
        if (bitsPerPixel > 4) {
            return;
        }
        for (uint32_t value = 1; value <= fullValue; ++value) {
            const uint64_t weight = blend::coverage(value, bitsPerPixel) * alpha;
            inverse[value] = 65536u - weight;
            source[value] = blend::spread(color) * weight;
        }
    }

    // Up to 4 bits per pixel.
    void plotTabled(uint16_t* pixel, uint32_t value) const
    {
        if (value == 0) {
            return;
        }
        if (value == opaqueValue) {
            *pixel = color; // full coverage at full alpha is the colour itself
            return;
        }
        *pixel = blend::gatherShifted16(blend::spread(*pixel) * inverse[value] + source[value]);
    }

    void plot(uint16_t* pixel, uint32_t value) const
    {
        if (bitsPerPixel <= 4) {
            plotTabled(pixel, value);
        } else if (value == opaqueValue) {
            *pixel = color;
        } else if (value != 0) {
            *pixel = blend::withWeight(*pixel, color, blend::coverage(value, bitsPerPixel) * alpha);
        }
    }

private:
    static const uint32_t NO_VALUE = 0x100; // above every raw value

    Color color;
    uint8_t alpha;
    uint8_t bitsPerPixel;
    uint32_t fullValue;
    uint32_t opaqueValue; // written as the plain colour; none below alpha 255
    uint64_t inverse[16];
    uint64_t source[16];
};
} // namespace quillon

#endif
