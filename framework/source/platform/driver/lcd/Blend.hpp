#ifndef QUILLON_PLATFORM_DRIVER_LCD_BLEND_HPP
#define QUILLON_PLATFORM_DRIVER_LCD_BLEND_HPP

#include <quillon/hal/HAL.hpp>

#include <stdint.h>
#include <string.h>

namespace quillon
{
// RGB565 blending, per channel in place, truncating. Unsigned 32 bits: 0xF800 * 65536
// does not fit an int.
namespace blend
{
const uint32_t RED = 0xF800;
const uint32_t GREEN = 0x07E0;
const uint32_t BLUE = 0x001F;

// Weights 256 - alpha and alpha (global alpha of fills and 16-bit copies).
inline uint16_t withAlpha(uint16_t destination, uint16_t source, uint32_t alpha)
{
    const uint32_t inverse = 256u - alpha;
    const uint32_t d = destination;
    const uint32_t s = source;
    return static_cast<uint16_t>(((((d & RED) * inverse + (s & RED) * alpha) >> 8) & RED) |
                                 ((((d & GREEN) * inverse + (s & GREEN) * alpha) >> 8) & GREEN) |
                                 ((((d & BLUE) * inverse + (s & BLUE) * alpha) >> 8) & BLUE));
}

// The three channels spread apart in 64 bits (blue in bits 0-20, red in 21-41, green in 42-63),
// so that a channel times a weight up to 65536, plus another such product, stays in its field.
inline uint64_t spread(uint64_t pixel)
{
    return (pixel & 0x1Fu) | ((pixel >> 11) << 21) | (((pixel >> 5) & 0x3Fu) << 42);
}

// The pixel of a spread sum of weighted channels, each field shifted down by 16.
inline uint16_t gatherShifted16(uint64_t mixed)
{
    return static_cast<uint16_t>(((mixed >> 16) & 0x1Fu) | (((mixed >> 37) & 0x1Fu) << 11) |
                                 (((mixed >> 58) & 0x3Fu) << 5));
}

// Weights 65536 - weight and weight, weight = pixel alpha (or coverage) x global alpha.
// Per channel ((d & c) x (65536 - weight) + (s & c) x weight) >> 16 & c, all three channels
// in one spread product; the truncated result is the same bit for bit.
inline uint16_t withWeight(uint16_t destination, uint16_t source, uint32_t weight)
{
    return gatherShifted16(spread(destination) * (65536u - weight) + spread(source) * weight);
}

inline uint16_t fromARGB8888(uint32_t pixel)
{
    return colorFromRGB(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                        static_cast<uint8_t>(pixel));
}

// An 8-bit coverage from a raw value of bitsPerPixel bits: the value in the top bits and
// every lower bit set, so the largest value is full coverage.
inline uint32_t coverage(uint32_t value, uint8_t bitsPerPixel)
{
    const uint32_t shift = 8u - bitsPerPixel;
    return (value << shift) | ((1u << shift) - 1u);
}
// Eight pixels at a time. The 8-bit-weight blend splits a pixel into its channels first
// (the channel value, not the channel in place): every intermediate then fits 16 bits,
// 31 x 256 or 63 x 256 at most, and the truncated result is the same bit for bit.
typedef uint16_t Lanes __attribute__((vector_size(16)));
const int32_t LANES = 8;

inline Lanes load(const uint16_t* pixels)
{
    Lanes lanes;
    memcpy(&lanes, pixels, sizeof(lanes));
    return lanes;
}

inline void store(uint16_t* pixels, Lanes lanes)
{
    memcpy(pixels, &lanes, sizeof(lanes));
}

inline Lanes withAlpha(Lanes destination, Lanes source, uint16_t alpha)
{
    const uint16_t inverse = static_cast<uint16_t>(256u - alpha);
    const Lanes red = (((destination >> 11) * inverse + (source >> 11) * alpha) >> 8) << 11;
    const Lanes green = ((((destination >> 5) & 63) * inverse + ((source >> 5) & 63) * alpha) >> 8) << 5;
    const Lanes blue = ((destination & 31) * inverse + (source & 31) * alpha) >> 8;
    return red | green | blue;
}

inline void fillRow(uint16_t* row, int32_t count, uint16_t color)
{
    const Lanes lanes = Lanes{} + color;
    int32_t column = 0;
    for (; column + LANES <= count; column += LANES) {
        store(row + column, lanes);
    }
    for (; column < count; ++column) {
        row[column] = color;
    }
}

inline void blendRowWithColor(uint16_t* row, int32_t count, uint16_t color, uint8_t alpha)
{
    const Lanes source = Lanes{} + color;
    int32_t column = 0;
    for (; column + LANES <= count; column += LANES) {
        store(row + column, withAlpha(load(row + column), source, alpha));
    }
    for (; column < count; ++column) {
        row[column] = withAlpha(row[column], color, alpha);
    }
}

inline void blendRow(uint16_t* row, const uint16_t* source, int32_t count, uint8_t alpha)
{
    int32_t column = 0;
    for (; column + LANES <= count; column += LANES) {
        store(row + column, withAlpha(load(row + column), load(source + column), alpha));
    }
    for (; column < count; ++column) {
        row[column] = withAlpha(row[column], source[column], alpha);
    }
}
} // namespace blend
} // namespace quillon

#endif
