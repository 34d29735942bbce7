#include "CountingLCD.hpp"

#include "TestHAL.hpp"

#include <algorithm>
#include <cstring>

namespace quillon
{
namespace test
{
namespace
{
const uint16_t DARK = 0x0000;
const uint16_t LIGHT = 0xFFFF;

size_t frameBufferPixels()
{
    return static_cast<size_t>(HAL::FB_WIDTH) * HAL::FB_HEIGHT;
}
} // namespace

CountingLCD::CountingLCD(LCD& renderer_, TestHAL& hal_)
    : renderer(renderer_), hal(hal_), probeDark(frameBufferPixels()), probeLight(frameBufferPixels()),
      counts(frameBufferPixels(), 0)
{
}

void CountingLCD::resetWrites()
{
    std::fill(counts.begin(), counts.end(), 0);
}

template <class Draw>
void CountingLCD::counted(Draw draw)
{
    if (!counting) {
        draw(nullptr);
        return;
    }
    std::fill(probeDark.begin(), probeDark.end(), DARK);
    std::fill(probeLight.begin(), probeLight.end(), LIGHT);
    hal.redirectDrawing(probeDark.data());
    draw(probeDark.data());
    hal.redirectDrawing(probeLight.data());
    draw(probeLight.data());
    hal.redirectDrawing(nullptr);
    draw(nullptr);
    // Four pixels at a time: most of the frame is untouched by any one primitive.
    const size_t pixels = counts.size();
    for (size_t i = 0; i < pixels; i += 4) {
        uint64_t dark = 0;
        uint64_t light = 0;
        const size_t n = pixels - i < 4 ? pixels - i : 4;
        std::memcpy(&dark, &probeDark[i], n * 2);
        std::memcpy(&light, &probeLight[i], n * 2);
        if (dark == 0 && light == (n == 4 ? ~uint64_t(0) : (uint64_t(1) << (16 * n)) - 1)) {
            continue;
        }
        for (size_t j = i; j < i + n; j++) {
            if (probeDark[j] != DARK || probeLight[j] != LIGHT) {
                counts[j]++;
            }
        }
    }
}

void CountingLCD::drawBitmapPart(const Bitmap& bitmap, int16_t x, int16_t y, const Rectangle& part, uint8_t alpha,
                                 bool useOptimized)
{
    counted([&](uint16_t*) { renderer.drawBitmapPart(bitmap, x, y, part, alpha, useOptimized); });
}

void CountingLCD::copyRect(const uint16_t* source, const Rectangle& sourceRect, const Rectangle& part, uint8_t alpha,
                           bool keyed)
{
    counted([&](uint16_t*) { renderer.copyRect(source, sourceRect, part, alpha, keyed); });
}

void CountingLCD::fillRect(const Rectangle& rect, Color color, uint8_t alpha)
{
    counted([&](uint16_t*) { renderer.fillRect(rect, color, alpha); });
}

void CountingLCD::drawGlyph(uint16_t* frameBuffer, const Rectangle& widgetArea, int16_t x, int16_t y,
                            uint16_t skipColumns, uint16_t skipRows, int16_t rightLimit, int16_t bottomLimit,
                            const GlyphRecord* glyph, const uint8_t* data, Color color, uint8_t bitsPerPixel,
                            uint8_t alpha, uint32_t rotation)
{
    // The caller acquired the frame buffer; a probe stands in for it.
    counted([&](uint16_t* probe) {
        renderer.drawGlyph(probe != nullptr ? probe : frameBuffer, widgetArea, x, y, skipColumns, skipRows,
                           rightLimit, bottomLimit, glyph, data, color, bitsPerPixel, alpha, rotation);
    });
}
} // namespace test
} // namespace quillon
