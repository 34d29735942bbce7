#include "framework/lcd/FixtureBitmaps.hpp"
#include "framework/lcd/FixtureFont.hpp"
#include "support/TestHAL.hpp"

#include <platform/driver/lcd/Blend.hpp>
#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/hal/NoDMA.hpp>

#include <gtest/gtest.h>

#include <vector>

using namespace quillon;
using namespace quillon::test;

namespace
{
const uint16_t SENTINEL = 0x1234;
const uint16_t WHITE = 0xFFFF;
const uint16_t BLACK = 0x0000;
const uint16_t RED = 0xF800;
const uint16_t BLUE = 0x001F;
const int32_t PIXELS = 800 * 480;

uint16_t rgb(uint16_t red, uint16_t green, uint16_t blue)
{
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

class Renderer : public ::testing::Test
{
protected:
    void SetUp() override { hal.fillBuffers(SENTINEL); }

    uint16_t at(int16_t x, int16_t y) { return hal.pixel(x, y); }
    void paint(uint16_t color) { std::fill(hal.frameBufferBlock(), hal.frameBufferBlock() + PIXELS, color); }
    int32_t count(uint16_t color)
    {
        return static_cast<int32_t>(std::count(hal.frameBufferBlock(), hal.frameBufferBlock() + PIXELS, color));
    }
    // Everything after the display's buffer (second buffer, animation storage) is untouched.
    bool nothingPastTheBuffer()
    {
        const uint16_t* rest = hal.frameBufferBlock() + PIXELS;
        return std::all_of(rest, rest + 2 * PIXELS, [](uint16_t p) { return p == SENTINEL; });
    }
    // Rows painted by glyph tests, as 0/1 strings of full coverage.
    std::string row(int16_t x, int16_t y, int16_t width, uint16_t ink)
    {
        std::string result;
        for (int16_t i = 0; i < width; ++i) {
            result.push_back(at(static_cast<int16_t>(x + i), y) == ink ? '1' : '.');
        }
        return result;
    }

    NoDMA dma;
    LCD16bpp lcd;
    TestHAL hal{dma, lcd, nullptr};
};
} // namespace

TEST(Blend, ArithmeticPerChannelTruncating)
{
    // 0xFFFF at alpha 128 over black: (31 x 128) >> 8 = 15, (63 x 128) >> 8 = 31.
    EXPECT_EQ(blend::withAlpha(BLACK, WHITE, 128), rgb(15, 31, 15));
    EXPECT_EQ(blend::withAlpha(RED, BLUE, 0), RED);
    EXPECT_EQ(blend::withAlpha(RED, BLUE, 255), rgb(0, 0, 30)); // (31 x 255) >> 8 = 30
    // Full coverage at alpha 254 is blended with weight 255 x 254 = 64770: 30, 62, 30.
    EXPECT_EQ(blend::withWeight(BLACK, WHITE, 255u * 254u), rgb(30, 62, 30));
    EXPECT_EQ(blend::withWeight(WHITE, BLACK, 255u * 255u), BLACK); // the destination's 511 truncates away
    EXPECT_EQ(blend::withWeight(WHITE, WHITE, 12345), WHITE);
    EXPECT_EQ(blend::fromARGB8888(0xFF123456), 0x11AA);
    EXPECT_EQ(blend::coverage(15, 4), 255u);
    EXPECT_EQ(blend::coverage(1, 4), 31u);
    EXPECT_EQ(blend::coverage(1, 1), 255u);
    EXPECT_EQ(blend::coverage(2, 2), 0xBFu);
    EXPECT_EQ(blend::coverage(0x80, 8), 0x80u);
}

TEST(Blend, SpreadWeightsEqualTheChannelByChannelFormula)
{
    // The formula as written, one channel in place at a time.
    const auto perChannel = [](uint32_t d, uint32_t s, uint32_t w) {
        uint32_t result = 0;
        for (uint32_t c : {0xF800u, 0x07E0u, 0x001Fu}) {
            result |= (((d & c) * (65536u - w) + (s & c) * w) >> 16) & c;
        }
        return static_cast<uint16_t>(result);
    };
    uint32_t state = 1;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525u + 1013904223u;
        const uint16_t d = static_cast<uint16_t>(state >> 16);
        state = state * 1664525u + 1013904223u;
        const uint16_t s = static_cast<uint16_t>(state >> 16);
        const uint32_t w = (state & 0xFF) * ((state >> 8) & 0xFF);
        ASSERT_EQ(blend::withWeight(d, s, w), perChannel(d, s, w)) << d << " " << s << " " << w;
    }
    for (uint32_t w : {0u, 1u, 255u, 64770u, 65025u}) {
        for (uint16_t d : {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F}) {
            for (uint16_t s : {0x0000, 0xFFFF, 0x07FF, 0xF81F}) {
                ASSERT_EQ(blend::withWeight(d, s, w), perChannel(d, s, w));
            }
        }
    }
}

TEST_F(Renderer, FillsOpaqueAndBlended)
{
    EXPECT_EQ(lcd.bitDepth(), 16);
    lcd.fillRect(Rectangle(10, 20, 30, 40), RED, 255);
    EXPECT_EQ(count(RED), 30 * 40);
    EXPECT_EQ(at(10, 20), RED);
    EXPECT_EQ(at(39, 59), RED);
    EXPECT_EQ(at(40, 59), SENTINEL);
    EXPECT_EQ(at(39, 60), SENTINEL);

    paint(BLACK);
    lcd.fillRect(Rectangle(0, 0, 3, 1), WHITE, 128);
    EXPECT_EQ(at(0, 0), rgb(15, 31, 15));
    EXPECT_EQ(at(2, 0), rgb(15, 31, 15));
    EXPECT_EQ(at(3, 0), BLACK);
}

TEST_F(Renderer, FillsThatDrawNothing)
{
    lcd.fillRect(Rectangle(0, 0, 800, 480), 0xABCD, 255); // the transparent key colour
    lcd.fillRect(Rectangle(0, 0, 800, 480), RED, 0);
    lcd.fillRect(Rectangle(5, 5, 0, 10), RED, 255);
    lcd.fillRect(Rectangle(800, 0, 10, 10), RED, 255);
    lcd.fillRect(Rectangle(-20, -20, 20, 20), RED, 255);
    EXPECT_EQ(count(SENTINEL), PIXELS);
    EXPECT_TRUE(nothingPastTheBuffer());
}

TEST_F(Renderer, EveryPrimitiveIsClippedToTheDisplay)
{
    lcd.fillRect(Rectangle(790, 470, 20, 20), RED, 255); // over the corner
    EXPECT_EQ(count(RED), 10 * 10);
    EXPECT_EQ(at(0, 471), SENTINEL); // no wrap into the next row
    lcd.fillRect(Rectangle(-5, -5, 10, 10), RED, 128);
    EXPECT_EQ(at(4, 4), blend::withAlpha(SENTINEL, RED, 128));
    EXPECT_EQ(at(799, 4), SENTINEL);

    // A border whose right and bottom edges start on the display's last column and row.
    lcd.drawBorder(Rectangle(700, 400, 100, 80), 3, BLUE, 255);
    EXPECT_EQ(at(799, 420), BLUE);
    EXPECT_EQ(at(0, 421), SENTINEL);
    EXPECT_EQ(at(720, 479), BLUE);

    std::vector<uint16_t> block(40 * 40, WHITE);
    lcd.copyRect(block.data(), Rectangle(780, 460, 40, 40), Rectangle(0, 0, 40, 40), 255, false);
    lcd.copyRect(block.data(), Rectangle(780, -30, 40, 40), Rectangle(0, 0, 40, 40), 100, false);
    lcd.copyRect(block.data(), Rectangle(-30, 460, 40, 40), Rectangle(0, 0, 40, 40), 255, true);
    EXPECT_EQ(at(799, 479), WHITE);
    EXPECT_EQ(at(0, 461), WHITE);
    EXPECT_EQ(at(9, 479), WHITE);
    EXPECT_EQ(at(10, 479), SENTINEL);

    const FixtureBitmaps database;
    lcd.drawBitmapPart(Bitmap(fixture::FRAMED), 797, 478, Bitmap(fixture::FRAMED).getRect(), 255, true);
    lcd.drawBitmapPart(Bitmap(fixture::ARGB), 799, -1, Bitmap(fixture::ARGB).getRect(), 255, true);
    lcd.drawBitmapPart(Bitmap(fixture::SPARSE_ALPHA), 795, 100, Bitmap(fixture::SPARSE_ALPHA).getRect(), 255, true);

    FixtureFont fixture(20, 5, 4);
    fixture.glyph('M', 12, 12, 12, 0, 13);
    const Font& font = fixture.font();
    const uint8_t* data = nullptr;
    uint8_t bitsPerPixel = 0;
    const GlyphRecord* glyph = font.getGlyphWithData('M', data, bitsPerPixel);
    const Rectangle display(0, 0, 800, 480);
    for (uint32_t rotation = 0; rotation < 4; ++rotation) {
        // The text frame reaches past every edge of the display.
        lcd.drawGlyph(hal.frameBufferBlock(), display, 795, 475, 0, 0, 2000, 2000, glyph, data, RED, 4, 255, rotation);
        lcd.drawGlyph(hal.frameBufferBlock(), display, -6, -6, 0, 0, 2000, 2000, glyph, data, RED, 4, 255, rotation);
    }
    lcd.drawGlyphOnScreen(-6, 470, 0, 0, 2000, 2000, glyph, data, RED, 4, 255);
    EXPECT_TRUE(nothingPastTheBuffer());
}

TEST_F(Renderer, CopyRectReproducesAndBlendsItsPart)
{
    std::vector<uint16_t> source(7 * 3);
    for (size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<uint16_t>(0x0841 * i);
    }
    lcd.copyRect(source.data(), Rectangle(100, 50, 7, 3), Rectangle(2, 1, 4, 2), 255, false);
    EXPECT_EQ(at(102, 51), source[1 * 7 + 2]);
    EXPECT_EQ(at(105, 52), source[2 * 7 + 5]);
    EXPECT_EQ(at(101, 51), SENTINEL);
    EXPECT_EQ(at(106, 51), SENTINEL);
    EXPECT_EQ(at(102, 50), SENTINEL);

    // Translucent copies of odd and even widths give the per-pixel result.
    for (int16_t width : {3, 4, 7}) {
        SCOPED_TRACE(width);
        paint(RED);
        lcd.copyRect(source.data(), Rectangle(0, 0, 7, 3), Rectangle(0, 0, width, 3), 77, false);
        for (int16_t y = 0; y < 3; ++y) {
            for (int16_t x = 0; x < width; ++x) {
                ASSERT_EQ(at(x, y), blend::withAlpha(RED, source[y * 7 + x], 77));
            }
        }
        EXPECT_EQ(at(width, 0), RED);
    }
    lcd.copyRect(source.data(), Rectangle(0, 0, 7, 3), Rectangle(0, 0, 7, 3), 0, false);
    lcd.copyRect(nullptr, Rectangle(0, 0, 7, 3), Rectangle(0, 0, 7, 3), 255, false);
}

TEST_F(Renderer, TranslucentRunsMatchThePerPixelArithmetic)
{
    // Eight pixels at a time and the rest one by one: every run length gives the per-pixel blend.
    uint32_t state = 7;
    const auto next = [&state]() {
        state = state * 1103515245u + 12345u;
        return static_cast<uint16_t>(state >> 12);
    };
    std::vector<uint16_t> source(40 * 2);
    for (uint16_t& pixel : source) {
        pixel = next();
    }
    for (int16_t width : {1, 8, 13, 37}) {
        for (uint8_t alpha : {1, 77, 128, 254}) {
            SCOPED_TRACE(testing::Message() << "width " << width << ", alpha " << int(alpha));
            std::vector<uint16_t> background(40 * 2);
            for (size_t i = 0; i < background.size(); ++i) {
                background[i] = next();
                hal.frameBufferBlock()[(i / 40) * 800 + i % 40] = background[i];
                hal.frameBufferBlock()[(10 + i / 40) * 800 + i % 40] = background[i];
            }
            lcd.copyRect(source.data(), Rectangle(0, 0, 40, 2), Rectangle(0, 0, width, 2), alpha, false);
            const uint16_t color = next();
            lcd.fillRect(Rectangle(0, 10, width, 2), color, alpha);
            for (int16_t y = 0; y < 2; ++y) {
                for (int16_t x = 0; x < 40; ++x) {
                    const size_t i = static_cast<size_t>(y * 40 + x);
                    const bool inside = x < width;
                    ASSERT_EQ(at(x, y), inside ? blend::withAlpha(background[i], source[i], alpha) : background[i]);
                    ASSERT_EQ(at(x, static_cast<int16_t>(10 + y)),
                              inside ? blend::withAlpha(background[i], color, alpha) : background[i]);
                }
            }
        }
    }
}

TEST_F(Renderer, KeyedCopiesSkipTheKeyAndFadeTheRest)
{
    const uint16_t source[4] = {BLUE, 0xABCD, WHITE, 0xABCD};
    paint(RED);
    lcd.copyRect(source, Rectangle(0, 0, 4, 1), Rectangle(0, 0, 4, 1), 255, true);
    EXPECT_EQ(at(0, 0), BLUE);
    EXPECT_EQ(at(1, 0), RED);
    EXPECT_EQ(at(2, 0), WHITE);
    EXPECT_EQ(at(3, 0), RED);

    paint(RED);
    lcd.copyRect(source, Rectangle(0, 0, 4, 1), Rectangle(0, 0, 4, 1), 128, true);
    EXPECT_EQ(at(0, 0), blend::withAlpha(RED, BLUE, 128));
    EXPECT_EQ(at(1, 0), RED);
    EXPECT_EQ(at(2, 0), blend::withAlpha(RED, WHITE, 128));
    EXPECT_EQ(at(3, 0), RED);
}

TEST_F(Renderer, AlphaPlaneGroupsAreSkippedOnlyWhenAllZero)
{
    const FixtureBitmaps database;
    paint(BLACK);
    const Bitmap sparse(fixture::SPARSE_ALPHA);
    lcd.drawBitmapPart(sparse, 10, 10, sparse.getRect(), 255, true);
    // Row 0: two empty groups, then a last group of one pixel with alpha 255: drawn.
    EXPECT_EQ(row(10, 10, 9, 0x07E0), "........1");
    // Row 1: the lone value sits at the end of the first group.
    EXPECT_EQ(at(13, 11), BLUE);
    EXPECT_EQ(count(BLACK), PIXELS - 2);

    // Part of a line: the groups start at the part's first pixel.
    paint(BLACK);
    lcd.drawBitmapPart(sparse, 10, 10, Rectangle(5, 0, 4, 2), 255, true);
    EXPECT_EQ(at(18, 10), 0x07E0);
    EXPECT_EQ(count(BLACK), PIXELS - 1);

    // Translucent alpha-plane pixels blend with weight pixel alpha x alpha.
    paint(BLACK);
    const Bitmap small(fixture::SMALL_WITH_ALPHA);
    lcd.drawBitmapPart(small, 0, 0, small.getRect(), 200, true);
    EXPECT_EQ(at(1, 0), blend::withWeight(BLACK, 0x2222, 64u * 200u));
    EXPECT_EQ(at(1, 1), blend::withWeight(BLACK, 0x5555, 255u * 200u));
    EXPECT_EQ(at(0, 0), BLACK);
}

TEST_F(Renderer, SolidRectangleIsCopiedAndTheRestBlended)
{
    const FixtureBitmaps database;
    paint(BLACK);
    const Bitmap framed(fixture::FRAMED);
    lcd.drawBitmapPart(framed, 20, 30, framed.getRect(), 255, true);
    const uint16_t edge = blend::withWeight(BLACK, RED, 128u * 255u);
    EXPECT_EQ(at(20, 30), edge);
    EXPECT_EQ(at(25, 33), edge);
    EXPECT_EQ(at(20, 31), edge);
    EXPECT_EQ(at(25, 32), edge);
    // The plane says 0x10 inside the solid rectangle, yet its pixels arrive unblended.
    for (int16_t y = 31; y <= 32; ++y) {
        for (int16_t x = 21; x <= 24; ++x) {
            EXPECT_EQ(at(x, y), 0x07E0);
        }
    }
    EXPECT_EQ(at(26, 30), BLACK);

    // A part cutting the solid rectangle draws only its own pixels.
    paint(BLACK);
    lcd.drawBitmapPart(framed, 20, 30, Rectangle(3, 0, 3, 2), 255, true);
    EXPECT_EQ(at(23, 31), 0x07E0);
    EXPECT_EQ(at(22, 31), BLACK);
    EXPECT_EQ(at(25, 30), edge);
    EXPECT_EQ(at(25, 32), BLACK);

    // Without an alpha plane the strips around the solid part are keyed copies.
    paint(BLACK);
    const Bitmap keyed(fixture::KEYED);
    lcd.drawBitmapPart(keyed, 0, 0, keyed.getRect(), 128, true);
    EXPECT_EQ(at(0, 0), blend::withAlpha(BLACK, BLUE, 128));
    EXPECT_EQ(at(2, 0), BLACK);
    EXPECT_EQ(at(3, 0), blend::withAlpha(BLACK, 0x07E0, 128));
    EXPECT_EQ(at(3, 1), BLACK);

    const Bitmap line(fixture::OPAQUE_LINE);
    lcd.drawBitmapPart(line, 0, 5, line.getRect(), 255, true);
    EXPECT_EQ(row(0, 5, 5, 0), ".....");
    EXPECT_EQ(at(4, 5), 5);
    lcd.drawBitmapPart(Bitmap(BITMAP_NONE), 0, 0, Rectangle(0, 0, 10, 10), 255, true);
    lcd.drawBitmapPart(line, 0, 6, line.getRect(), 0, true);
    EXPECT_EQ(at(0, 6), BLACK);
}

TEST_F(Renderer, ARGB8888PixelsCarryTheirOwnAlpha)
{
    const FixtureBitmaps database;
    paint(BLACK);
    const Bitmap argb(fixture::ARGB);
    lcd.drawBitmapPart(argb, 0, 0, argb.getRect(), 255, true);
    EXPECT_EQ(at(0, 0), BLUE);
    EXPECT_EQ(at(1, 0), BLACK); // pixel alpha 0
    EXPECT_EQ(at(2, 0), blend::withWeight(BLACK, RED, 128u * 255u));
    EXPECT_EQ(at(0, 1), WHITE);
    EXPECT_EQ(at(2, 1), 0x11AA);
    paint(WHITE);
    lcd.drawBitmapPart(argb, 0, 0, argb.getRect(), 100, true);
    EXPECT_EQ(at(0, 0), blend::withWeight(WHITE, BLUE, 255u * 100u));
}

TEST_F(Renderer, GlyphPixelsAtFullAndNearlyFullAlpha)
{
    FixtureFont fixture(20, 5, 4);
    fixture.glyph('I', 1, 1, 1, 0, 2);
    const Font& font = fixture.font();
    const uint8_t* data = nullptr;
    uint8_t bitsPerPixel = 0;
    const GlyphRecord* glyph = font.getGlyphWithData('I', data, bitsPerPixel);
    paint(BLACK);
    lcd.drawGlyphOnScreen(5, 5, 0, 0, 800, 480, glyph, data, 0x1234 ^ 0xFFFF, bitsPerPixel, 255);
    EXPECT_EQ(at(5, 5), 0x1234 ^ 0xFFFF);
    lcd.drawGlyphOnScreen(6, 5, 0, 0, 800, 480, glyph, data, WHITE, bitsPerPixel, 254);
    EXPECT_EQ(at(6, 5), rgb(30, 62, 30)); // weight 64770
    lcd.drawGlyphOnScreen(7, 5, 0, 0, 800, 480, glyph, data, WHITE, bitsPerPixel, 0);
    EXPECT_EQ(at(7, 5), BLACK);
}

TEST_F(Renderer, GlyphBlendsMatchThePerPixelArithmetic)
{
    // Every coverage value over varied pixels, in both 4 bpp layouts and at 1, 2 and 8 bpp.
    uint32_t state = 99;
    const auto next = [&state]() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (uint8_t bitsPerPixel : {1, 2, 4, 8}) {
        for (bool rowAligned : {false, true}) {
            if (rowAligned && bitsPerPixel != 4) {
                continue;
            }
            const uint16_t width = 17;
            const uint16_t height = 9;
            const uint32_t valueMask = (1u << bitsPerPixel) - 1u;
            std::vector<uint32_t> values(width * height);
            std::vector<uint8_t> data(rowAligned ? (width + 1) / 2 * height : (width * height * bitsPerPixel + 7) / 8);
            for (uint32_t i = 0; i < values.size(); ++i) {
                values[i] = next() & valueMask;
                const uint32_t row = i / width;
                const uint32_t column = i % width;
                if (rowAligned) {
                    data[row * ((width + 1) / 2) + column / 2] |= static_cast<uint8_t>(values[i] << ((column & 1) * 4));
                } else {
                    const uint32_t bit = i * bitsPerPixel;
                    data[bit / 8] |= static_cast<uint8_t>(values[i] << (8 - bitsPerPixel - bit % 8));
                }
            }
            FixtureFont fixture(20, 5, bitsPerPixel);
            fixture.glyph('m', width, height, static_cast<int16_t>(height), 0, width, data, rowAligned);
            const uint8_t* glyphData = nullptr;
            uint8_t glyphBits = 0;
            const GlyphRecord* glyph = fixture.font().getGlyphWithData('m', glyphData, glyphBits);
            for (uint8_t alpha : {255, 254, 128, 1}) {
                SCOPED_TRACE(testing::Message() << int(bitsPerPixel) << " bpp, aligned " << rowAligned << ", alpha "
                                                << int(alpha));
                std::vector<uint16_t> background(width * height);
                for (uint32_t i = 0; i < background.size(); ++i) {
                    background[i] = static_cast<uint16_t>(next());
                    hal.frameBufferBlock()[(i / width) * 800 + 30 + i % width] = background[i];
                }
                const uint16_t color = static_cast<uint16_t>(next());
                lcd.drawGlyphOnScreen(30, 0, 0, 0, 800, 480, glyph, glyphData, color, glyphBits, alpha);
                for (uint32_t i = 0; i < values.size(); ++i) {
                    const uint32_t coverage = blend::coverage(values[i], bitsPerPixel);
                    const uint16_t expected = values[i] == 0 ? background[i]
                                              : (coverage == 255 && alpha == 255)
                                                  ? color
                                                  : blend::withWeight(background[i], color, coverage * alpha);
                    ASSERT_EQ(at(static_cast<int16_t>(30 + i % width), static_cast<int16_t>(i / width)), expected)
                        << "pixel " << i;
                }
            }
        }
    }
}

TEST_F(Renderer, GlyphStreamsAreReadMostSignificantFirst)
{
    struct Case
    {
        uint8_t bitsPerPixel;
        uint16_t width, height;
        std::vector<uint8_t> data;
        std::vector<std::string> rows; // '1' full coverage
    };
    const Case cases[] = {
        // 1 bpp, 3 x 3: one continuous stream 101 011 110, padding only at the very end.
        {1, 3, 3, {0xAF, 0x00}, {"1.1", ".11", "11."}},
        // 2 bpp, 3 x 2: values 3 0 3 | 0 3 0.
        {2, 3, 2, {0xCC, 0xC0}, {"1.1", ".1."}},
        // 4 bpp, odd width 3: the second row starts in the low nibble of the second byte.
        {4, 3, 2, {0xF0, 0xF0, 0xF0}, {"1.1", ".1."}},
        // 8 bpp.
        {8, 2, 2, {0xFF, 0x00, 0x00, 0xFF}, {"1.", ".1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        FixtureFont fixture(20, 5, c.bitsPerPixel);
        fixture.glyph('g', c.width, c.height, static_cast<int16_t>(c.height), 0, c.width, c.data);
        const uint8_t* data = nullptr;
        uint8_t bitsPerPixel = 0;
        const GlyphRecord* glyph = fixture.font().getGlyphWithData('g', data, bitsPerPixel);
        paint(BLACK);
        lcd.drawGlyphOnScreen(40, 40, 0, 0, 800, 480, glyph, data, WHITE, bitsPerPixel, 255);
        for (size_t r = 0; r < c.rows.size(); ++r) {
            EXPECT_EQ(row(40, static_cast<int16_t>(40 + r), c.width, WHITE), c.rows[r]);
        }
        EXPECT_EQ(count(WHITE) + count(BLACK), PIXELS);
    }
}

TEST_F(Renderer, RowAlignedGlyphsStartEachRowOnANewByteLowNibbleFirst)
{
    // 3 x 2 with the row-aligned flag, two bytes a row: row 0 is F, 1 | F, (spare); row 1 is 0, F | 0.
    const std::vector<uint8_t> data = {0x1F, 0x0F, 0xF0, 0x00};
    FixtureFont fixture(20, 5, 4);
    fixture.glyph('r', 3, 2, 2, 0, 4, data, true);
    const uint8_t* glyphData = nullptr;
    uint8_t bitsPerPixel = 0;
    const GlyphRecord* glyph = fixture.font().getGlyphWithData('r', glyphData, bitsPerPixel);
    ASSERT_TRUE(glyph->isRowAligned());
    paint(BLACK);
    lcd.drawGlyphOnScreen(0, 0, 0, 0, 800, 480, glyph, glyphData, WHITE, bitsPerPixel, 255);
    EXPECT_EQ(row(0, 0, 3, WHITE), "1.1");
    EXPECT_EQ(at(1, 0), blend::withWeight(BLACK, WHITE, 31u * 255u)); // value 1 -> coverage 31
    EXPECT_EQ(row(0, 1, 3, WHITE), ".1.");
    EXPECT_EQ(at(3, 0), BLACK); // the spare high nibble holds no pixel

    // Skipped rows advance by whole row bytes.
    paint(BLACK);
    lcd.drawGlyphOnScreen(0, 0, 0, 1, 800, 480, glyph, glyphData, WHITE, bitsPerPixel, 255);
    EXPECT_EQ(row(0, 0, 3, WHITE), ".1.");
    EXPECT_EQ(count(WHITE), 1);
}

TEST_F(Renderer, GlyphBearingAndClipLimits)
{
    FixtureFont fixture(20, 5, 4);
    fixture.glyph('b', 4, 2, 2, -2, 3);
    const uint8_t* data = nullptr;
    uint8_t bitsPerPixel = 0;
    const GlyphRecord* glyph = fixture.font().getGlyphWithData('b', data, bitsPerPixel);
    // Unclipped: the left bearing moves the first column.
    paint(BLACK);
    lcd.drawGlyphOnScreen(10, 0, 0, 0, 800, 480, glyph, data, WHITE, bitsPerPixel, 255);
    EXPECT_EQ(row(7, 0, 6, WHITE), ".1111.");
    // Pen at 8, area from 10: two columns skipped; with left -2 that is four, so nothing but
    // the columns from x 10 on are drawn, and those are past the glyph.
    paint(BLACK);
    lcd.drawGlyphOnScreen(10, 0, 2, 0, 800, 480, glyph, data, WHITE, bitsPerPixel, 255);
    EXPECT_EQ(count(WHITE), 0);
    // Pen at 9, one column skipped: glyph columns 3.. from x 10, i.e. one column.
    paint(BLACK);
    lcd.drawGlyphOnScreen(8, 0, 1, 0, 800, 480, glyph, data, WHITE, bitsPerPixel, 255);
    EXPECT_EQ(row(5, 0, 6, WHITE), "...1..");
    // Right and bottom limits in the text frame.
    paint(BLACK);
    lcd.drawGlyphOnScreen(12, 0, 0, 0, 12, 1, glyph, data, WHITE, bitsPerPixel, 255);
    EXPECT_EQ(row(8, 0, 6, WHITE), "..11..");
    EXPECT_EQ(row(8, 1, 6, WHITE), "......");
}

TEST_F(Renderer, RotatedGlyphsFollowTheTextFrame)
{
    // An L: column 0 full, bottom row full (3 x 3).
    const std::vector<uint8_t> data = {0xF0, 0x0F, 0x00, 0xFF, 0xF0};
    FixtureFont fixture(20, 5, 4);
    fixture.glyph('L', 3, 3, 3, 0, 3, data);
    const uint8_t* glyphData = nullptr;
    uint8_t bitsPerPixel = 0;
    const GlyphRecord* glyph = fixture.font().getGlyphWithData('L', glyphData, bitsPerPixel);
    const Rectangle area(100, 100, 10, 10);
    struct Case
    {
        uint32_t rotation;
        int16_t x, y; // top-left of the 3 x 3 block the glyph lands in
        const char* rows[3];
    };
    const Case cases[] = {
        {0, 100, 100, {"1..", "1..", "111"}},
        {1, 107, 100, {"111", "1..", "1.."}}, // frame x runs down, y leftwards from the right edge
        {2, 107, 107, {"111", "..1", "..1"}},
        {3, 100, 107, {"..1", "..1", "111"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        paint(BLACK);
        lcd.drawGlyph(hal.frameBufferBlock(), area, 0, 0, 0, 0, 10, 10, glyph, glyphData, WHITE, bitsPerPixel, 255,
                      c.rotation);
        EXPECT_EQ(count(WHITE), 5);
        for (int16_t r = 0; r < 3; ++r) {
            EXPECT_EQ(row(c.x, static_cast<int16_t>(c.y + r), 3, WHITE), c.rows[r]);
        }
    }
}

TEST_F(Renderer, GlyphSteps)
{
    EXPECT_EQ(LCD16bpp::glyphColumnStep(false, 0), 1);
    EXPECT_EQ(LCD16bpp::glyphColumnStep(false, 1), 800);
    EXPECT_EQ(LCD16bpp::glyphColumnStep(false, 2), -1);
    EXPECT_EQ(LCD16bpp::glyphColumnStep(false, 3), -800);
    EXPECT_EQ(LCD16bpp::glyphRowStep(false, 0), 800);
    EXPECT_EQ(LCD16bpp::glyphRowStep(false, 1), -1);
    EXPECT_EQ(LCD16bpp::glyphRowStep(false, 3), 1);
    EXPECT_EQ(LCD16bpp::glyphColumnStep(true, 0), -800);
    EXPECT_EQ(LCD16bpp::glyphRowStep(true, 0), 1);
    EXPECT_EQ(LCD16bpp::glyphColumnStep(true, 2), 800);
    EXPECT_EQ(LCD16bpp::glyphRowStep(true, 3), -800);
}

TEST_F(Renderer, AnimationStorageTakesTheShownRegion)
{
    lcd.fillRect(Rectangle(0, 0, 800, 480), RED, 255);
    lcd.copyToAnimationStorage(Rectangle(790, 470, 20, 20));
    const uint16_t* storage = hal.getAnimationStorage();
    EXPECT_EQ(storage[479 * 800 + 799], RED);
    EXPECT_EQ(storage[470 * 800 + 790], RED);
    EXPECT_EQ(storage[469 * 800 + 799], SENTINEL);
    EXPECT_EQ(std::count(storage, storage + PIXELS, RED), 100);
}

TEST(RendererDeathTest, AnimationStorageIsRequired)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    NoDMA dma;
    LCD16bpp lcd;
    TestHAL hal(dma, lcd, nullptr);
    EXPECT_DEATH(
        {
            HAL::USE_ANIMATION_STORAGE = false;
            lcd.copyToAnimationStorage(Rectangle(0, 0, 10, 10));
        },
        "Animation storage required\", file framework/source/platform/driver/lcd/LCD16bpp, line 428");
}
