#ifndef QUILLON_HAL_BLITOP_HPP
#define QUILLON_HAL_BLITOP_HPP

#include <cstdint>

namespace quillon
{
// One bit per operation; the same bits form a blit engine's capability mask.
enum BlitOperation : uint32_t
{
    BlitCopy16 = 0x1,       // copy 16-bit source pixels
    BlitFill = 0x2,         // write the colour
    BlitCopy16Alpha = 0x4,  // blend 16-bit source pixels with the global alpha
    BlitFillAlpha = 0x8,    // blend the colour with the global alpha
    BlitCopy16Keyed = 0x10, // copy 16-bit source pixels except the transparent key colour
    BlitCopy32 = 0x20,      // blend 32-bit ARGB source pixels by their own alpha
    BlitCopy32Alpha = 0x40, // as BlitCopy32, pixel alpha times the global alpha
    BlitGlyph4 = 0x80,      // blend the colour by 4-bit glyph coverage
    BlitGlyph8 = 0x100      // blend the colour by 8-bit glyph coverage
};

// One transfer request, copied by value into the blit queue.
struct BlitOp
{
    uint32_t operation = 0;        // exactly one BlitOperation bit
    const void* source = nullptr;  // null for fills
    uint16_t* destination = nullptr;
    uint16_t width = 0;
    uint16_t height = 0;
    uint16_t sourceStride = 0;     // in pixels; 0 for fills
    uint16_t destinationStride = 0;
    uint16_t color = 0;
    uint8_t alpha = 255;
};
} // namespace quillon

#endif
