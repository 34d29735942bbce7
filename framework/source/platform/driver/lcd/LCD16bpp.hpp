#ifndef QUILLON_PLATFORM_DRIVER_LCD_LCD16BPP_HPP
#define QUILLON_PLATFORM_DRIVER_LCD_LCD16BPP_HPP

#include <quillon/lcd/LCD.hpp>

#include <stdint.h>

namespace quillon
{
// The renderer for RGB565 frame buffers. Each primitive hands its operation to the blit
// engine when the engine can do it and otherwise draws in software. Whatever the caller
// asks, nothing is written outside the display.
class LCD16bpp : public LCD
{
public:
    static const Color TRANSPARENT_KEY_COLOR = quillon::TRANSPARENT_KEY_COLOR;

    void init() override;
    void drawBitmapPart(const Bitmap& bitmap, int16_t x, int16_t y, const Rectangle& part, uint8_t alpha,
                        bool useOptimized) override;
    void copyRect(const uint16_t* source, const Rectangle& sourceRect, const Rectangle& part, uint8_t alpha,
                  bool keyed) override;
    void copyToAnimationStorage(const Rectangle& rect) override;
    void fillRect(const Rectangle& rect, Color color, uint8_t alpha) override;
    uint8_t bitDepth() const override { return 16; }
    void drawGlyph(uint16_t* frameBuffer, const Rectangle& widgetArea, int16_t x, int16_t y, uint16_t skipColumns,
                   uint16_t skipRows, int16_t rightLimit, int16_t bottomLimit, const GlyphRecord* glyph,
                   const uint8_t* data, Color color, uint8_t bitsPerPixel, uint8_t alpha, uint32_t rotation) override;

    // 32-bit ARGB pixels, blended by their own alpha times alpha.
    void copyRectARGB8888(const uint32_t* source, const Rectangle& bitmapRect, const Rectangle& part, uint8_t alpha);
    // RGB565 pixels with one alpha byte per pixel.
    void copyRectWithAlphaData(const uint16_t* pixels, const uint8_t* alphaPlane, const Rectangle& bitmapRect,
                               const Rectangle& part, uint8_t alpha);

    // Frame-buffer steps from one glyph column (row) to the next.
    static int32_t glyphColumnStep(bool portrait, uint32_t rotation);
    static int32_t glyphRowStep(bool portrait, uint32_t rotation);

private:
    // Where a display area starts in the frame buffer and the steps to its next column and row.
    struct FrameBufferWalk
    {
        uint16_t* first;
        int32_t columnStep;
        int32_t rowStep;
    };
    static FrameBufferWalk walkFrom(uint16_t* frameBuffer, const Rectangle& displayArea);

    // Where a block's part lands on the display, clipped to it, and the matching source offset.
    struct ClippedCopy
    {
        Rectangle destination; // display coordinates
        int32_t sourceOffset; // in pixels from the block's first pixel
        bool isEmpty() const { return destination.isEmpty(); }
    };
    static ClippedCopy clipCopy(const Rectangle& sourceRect, const Rectangle& part);
};
} // namespace quillon

#endif
