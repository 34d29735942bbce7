#ifndef QUILLON_TEST_NULLLCD_HPP
#define QUILLON_TEST_NULLLCD_HPP

#include <quillon/lcd/LCD.hpp>

namespace quillon
{
namespace test
{
// A renderer that draws nothing, for tests of input, ticks and invalidation.
class NullLCD : public LCD
{
public:
    void drawBitmapPart(const Bitmap&, int16_t, int16_t, const Rectangle&, uint8_t, bool) override {}
    void copyRect(const uint16_t*, const Rectangle&, const Rectangle&, uint8_t, bool) override {}
    void copyToAnimationStorage(const Rectangle&) override {}
    void fillRect(const Rectangle&, Color, uint8_t) override {}
    uint8_t bitDepth() const override { return 16; }
    void drawGlyph(uint16_t*, const Rectangle&, int16_t, int16_t, uint16_t, uint16_t, int16_t, int16_t,
                   const GlyphRecord*, const uint8_t*, Color, uint8_t, uint8_t, uint32_t) override
    {
    }
};
} // namespace test
} // namespace quillon

#endif
