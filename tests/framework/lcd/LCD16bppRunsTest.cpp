// Glyph rows and alpha-plane lines are blended several pixels at a time, the last group of a
// row overlapping the one before it, and short rows through a buffer. Every start and end
// column, both nibble phases and both alpha cases must give exactly the per-pixel arithmetic,
// and nothing outside the run changes.

#include "framework/lcd/FixtureFont.hpp"
#include "support/TestHAL.hpp"

#include <platform/driver/lcd/Blend.hpp>
#include <platform/driver/lcd/CoverageRuns.hpp>
#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/hal/NoDMA.hpp>

#include <gtest/gtest.h>

#include <vector>

using namespace quillon;
using namespace quillon::test;

namespace
{
const int16_t RUN = 26; // longer than three groups of eight

class RendererRuns : public ::testing::Test
{
protected:
    uint32_t next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    // Runs of zero and full values between random ones, as glyph edges and bitmap rims have.
    uint32_t value(uint32_t full)
    {
        const uint32_t kind = next() % 4;
        return kind == 0 ? 0 : kind == 1 ? full : next() % (full + 1);
    }
    // Two rows of varied pixels at x 100 (one pixel of margin either side); returns them.
    std::vector<uint16_t> paintBackground()
    {
        std::vector<uint16_t> background((RUN + 2) * 2);
        for (size_t i = 0; i < background.size(); ++i) {
            background[i] = static_cast<uint16_t>(next());
            hal.frameBufferBlock()[(10 + i / (RUN + 2)) * 800 + 99 + i % (RUN + 2)] = background[i];
        }
        return background;
    }
    uint16_t at(int32_t column, int32_t row) { return hal.pixel(static_cast<int16_t>(100 + column), static_cast<int16_t>(10 + row)); }

    static uint16_t blended(uint16_t destination, uint16_t source, uint32_t coverage, uint8_t alpha)
    {
        if (coverage == 255 && alpha == 255) {
            return source;
        }
        return blend::withWeight(destination, source, coverage * alpha);
    }

    uint32_t state = 2024;
    NoDMA dma;
    LCD16bpp lcd;
    TestHAL hal{dma, lcd, nullptr};
};
} // namespace

TEST_F(RendererRuns, GlyphRowsFromEveryColumnToEveryColumn)
{
    // Row-aligned 4 bpp, odd width: the spare nibble of each row holds a value that must never show.
    const uint16_t width = RUN - 1;
    const uint32_t rowBytes = (width + 1) / 2;
    std::vector<uint32_t> values(width * 2);
    std::vector<uint8_t> data(rowBytes * 2);
    for (uint32_t i = 0; i < values.size(); ++i) {
        values[i] = value(15);
        data[(i / width) * rowBytes + (i % width) / 2] |= static_cast<uint8_t>(values[i] << ((i % width) & 1) * 4);
    }
    data[rowBytes - 1] |= 0xF0;
    FixtureFont fixture(20, 5, 4);
    fixture.glyph('w', width, 2, 2, 0, width, data, true);
    const uint8_t* glyphData = nullptr;
    uint8_t bitsPerPixel = 0;
    const GlyphRecord* glyph = fixture.font().getGlyphWithData('w', glyphData, bitsPerPixel);

    // Through the renderer, and straight through the eight-lane rows, which the renderer passes
    // over for wide rows on processors with wider registers.
    enum class Path { Renderer, EightLanes };
    const auto draw = [&](Path path, int16_t first, int16_t last, uint16_t color, uint8_t alpha) {
        if (path == Path::Renderer) {
            // The pen at 100; skipped columns start the drawing further right, the limit ends it.
            lcd.drawGlyphOnScreen(static_cast<int16_t>(100 + first), 10, static_cast<uint16_t>(first), 0,
                                  static_cast<int16_t>(100 + last), 480, glyph, glyphData, color, bitsPerPixel, alpha);
            return;
        }
#ifdef QUILLON_COVERAGE_RUNS
        uint16_t* start = hal.frameBufferBlock() + 10 * 800 + 100 + first;
        const bool odd = (first & 1) != 0;
        (alpha == 255 ? (odd ? runs::glyphRowsSSE2<true, true> : runs::glyphRowsSSE2<false, true>)
                      : (odd ? runs::glyphRowsSSE2<true, false> : runs::glyphRowsSSE2<false, false>))(
            start, 800, glyphData, static_cast<int32_t>(rowBytes), 2, first, last, color, alpha);
#endif
    };
    for (Path path : {Path::Renderer, Path::EightLanes}) {
        for (uint8_t alpha : {255, 200}) {
            for (int16_t first = 0; first < width; ++first) {
                for (int16_t last = static_cast<int16_t>(first + 1); last <= width; ++last) {
                    if (path == Path::EightLanes && last - first < 8) {
                        continue;
                    }
                    SCOPED_TRACE(testing::Message() << "path " << int(path) << ", columns " << first << " to " << last
                                                    << ", alpha " << int(alpha));
                    const std::vector<uint16_t> background = paintBackground();
                    const uint16_t color = static_cast<uint16_t>(next());
                    draw(path, first, last, color, alpha);
                    for (int32_t row = 0; row < 2; ++row) {
                        for (int32_t column = -1; column <= width; ++column) {
                            const uint16_t under = background[row * (RUN + 2) + column + 1];
                            uint16_t expected = under;
                            if (column >= first && column < last && values[row * width + column] != 0) {
                                expected =
                                    blended(under, color, blend::coverage(values[row * width + column], 4), alpha);
                            }
                            ASSERT_EQ(at(column, row), expected) << "row " << row << ", column " << column;
                        }
                    }
                }
            }
        }
    }
}

TEST_F(RendererRuns, AlphaPlaneLinesOfEveryLengthAndOffset)
{
    std::vector<uint16_t> pixels(RUN * 2);
    std::vector<uint8_t> alphas(RUN * 2);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<uint16_t>(next());
        alphas[i] = static_cast<uint8_t>(value(255));
    }
    // A whole group of eight opaque and one of nothing.
    std::fill(alphas.begin() + 2, alphas.begin() + 10, 255);
    std::fill(alphas.begin() + RUN + 9, alphas.begin() + RUN + 17, 0);
    const Rectangle bitmapRect(100, 10, RUN, 2);

    for (uint8_t alpha : {255, 100}) {
        for (int16_t first = 0; first < RUN; ++first) {
            for (int16_t last = static_cast<int16_t>(first + 1); last <= RUN; ++last) {
                SCOPED_TRACE(testing::Message() << "columns " << first << " to " << last << ", alpha " << int(alpha));
                const std::vector<uint16_t> background = paintBackground();
                lcd.copyRectWithAlphaData(pixels.data(), alphas.data(), bitmapRect,
                                          Rectangle(first, 0, static_cast<int16_t>(last - first), 2), alpha);
                for (int32_t row = 0; row < 2; ++row) {
                    for (int32_t column = -1; column <= RUN; ++column) {
                        const uint16_t under = background[row * (RUN + 2) + column + 1];
                        uint16_t expected = under;
                        const size_t i = static_cast<size_t>(row * RUN + column);
                        if (column >= first && column < last && alphas[i] != 0) {
                            expected = blended(under, pixels[i], alphas[i], alpha);
                        }
                        ASSERT_EQ(at(column, row), expected) << "row " << row << ", column " << column;
                    }
                }
            }
        }
    }
}
