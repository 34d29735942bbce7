#include "CountingLCD.hpp"

#include "FrameBuffers.hpp"
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
    : renderer(renderer_), hal(hal_), probeDark(takeBuffer16(frameBufferPixels(), DARK)),
      probeLight(takeBuffer16(frameBufferPixels(), LIGHT)), darkRow(HAL::FB_WIDTH, DARK),
      lightRow(HAL::FB_WIDTH, LIGHT), counts(takeBuffer32(frameBufferPixels(), 0))
{
}

CountingLCD::~CountingLCD()
{
    giveBack(probeDark);
    giveBack(probeLight);
    giveBack(counts);
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
    // The probes hold their colours between primitives: only rows a primitive wrote are
    // scanned pixel by pixel and painted back.
    hal.redirectDrawing(probeDark.data());
    draw(probeDark.data());
    hal.redirectDrawing(probeLight.data());
    draw(probeLight.data());
    hal.redirectDrawing(nullptr);
    draw(nullptr);
    const size_t width = HAL::FB_WIDTH;
    const size_t rowBytes = width * sizeof(uint16_t);
    for (size_t row = 0; row < static_cast<size_t>(HAL::FB_HEIGHT); row++) {
        uint16_t* dark = &probeDark[row * width];
        uint16_t* light = &probeLight[row * width];
        if (std::memcmp(dark, darkRow.data(), rowBytes) == 0 && std::memcmp(light, lightRow.data(), rowBytes) == 0) {
            continue;
        }
        uint32_t* count = &counts[row * width];
        for (size_t x = 0; x < width; x++) {
            if (dark[x] != DARK || light[x] != LIGHT) {
                count[x]++;
            }
        }
        std::memcpy(dark, darkRow.data(), rowBytes);
        std::memcpy(light, lightRow.data(), rowBytes);
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
