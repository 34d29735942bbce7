#ifndef QUILLON_TEST_COUNTINGLCD_HPP
#define QUILLON_TEST_COUNTINGLCD_HPP

#include <quillon/lcd/LCD.hpp>

#include <cstdint>
#include <vector>

namespace quillon
{
namespace test
{
class TestHAL;

// Passes every primitive on to a real renderer and counts, per pixel, how often one was
// written. Each primitive is first run twice into probe buffers of opposite colours: a pixel
// that differs from its probe colour in either was written, whatever colour it got.
class CountingLCD : public LCD
{
public:
    CountingLCD(LCD& renderer, TestHAL& hal);
    ~CountingLCD() override;

    void init() override { renderer.init(); }
    void drawBitmapPart(const Bitmap& bitmap, int16_t x, int16_t y, const Rectangle& part, uint8_t alpha,
                        bool useOptimized) override;
    void copyRect(const uint16_t* source, const Rectangle& sourceRect, const Rectangle& part, uint8_t alpha,
                  bool keyed) override;
    void copyToAnimationStorage(const Rectangle& rect) override { renderer.copyToAnimationStorage(rect); }
    void fillRect(const Rectangle& rect, Color color, uint8_t alpha) override;
    uint8_t bitDepth() const override { return renderer.bitDepth(); }
    void drawGlyph(uint16_t* frameBuffer, const Rectangle& widgetArea, int16_t x, int16_t y, uint16_t skipColumns,
                   uint16_t skipRows, int16_t rightLimit, int16_t bottomLimit, const GlyphRecord* glyph,
                   const uint8_t* data, Color color, uint8_t bitsPerPixel, uint8_t alpha, uint32_t rotation) override;

    // Writes per pixel, row-major over the frame buffer.
    const std::vector<uint32_t>& writes() const { return counts; }
    void resetWrites();
    // Counting runs every primitive three times; long screen tests may switch it off.
    void setCounting(bool on) { counting = on; }

private:
    // draw(buffer) draws into buffer, or into the frame buffer when buffer is null.
    template <class Draw>
    void counted(Draw draw);

    LCD& renderer;
    TestHAL& hal;
    std::vector<uint16_t> probeDark;
    std::vector<uint16_t> probeLight;
    std::vector<uint16_t> darkRow;
    std::vector<uint16_t> lightRow;
    std::vector<uint32_t> counts;
    bool counting = true;
};
} // namespace test
} // namespace quillon

#endif
