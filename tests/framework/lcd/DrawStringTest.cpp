#include "framework/lcd/FixtureFont.hpp"
#include "support/TestHAL.hpp"

#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/WildcardReader.hpp>
#include <quillon/hal/NoDMA.hpp>

#include <gtest/gtest.h>

#include <string>

using namespace quillon;
using namespace quillon::test;

namespace
{
const uint16_t PAPER = 0x0000;
const uint16_t INK = 0xFFFF;

// Glyphs are solid blocks as tall as the font height, of widths that tell them apart.
FixtureFont blockFont()
{
    FixtureFont font(24, 6, 4); // line height 30
    font.glyph('A', 4, 24, 24, 0, 5)
        .glyph('B', 6, 24, 24, 0, 7)
        .glyph('C', 8, 24, 24, 0, 9)
        .glyph('L', 3, 24, 24, -2, 3) // a negative left bearing
        .glyph('W', 10, 24, 24, 0, 10)
        .glyph(' ', 0, 0, 0, 0, 5)
        .kerning('B', 'A', -1);
    return font;
}

class DrawString : public ::testing::Test
{
protected:
    void SetUp() override { hal.fillBuffers(PAPER); }

    // Columns of display row y from x on that hold ink.
    std::string inkRow(int16_t x, int16_t y, int16_t width)
    {
        std::string row;
        for (int16_t i = 0; i < width; ++i) {
            row.push_back(hal.pixel(static_cast<int16_t>(x + i), y) == INK ? '1' : '.');
        }
        return row;
    }
    int32_t inkCount()
    {
        return static_cast<int32_t>(std::count(hal.frameBufferBlock(), hal.frameBufferBlock() + 800 * 480, INK));
    }
    LCD::TextStyle style(Alignment alignment = LEFT, uint32_t rotation = 0, uint16_t lineSpacing = 0)
    {
        return LCD::TextStyle(&font.font(), INK, 255, alignment, lineSpacing, rotation);
    }

    FixtureFont font = blockFont();
    NoDMA dma;
    LCD16bpp lcd;
    TestHAL hal{dma, lcd, nullptr};
};

int16_t offsetOf(const WideChar* text, Alignment alignment, int16_t frameWidth, const Font& font)
{
    struct Reader
    {
        static int16_t offset(const Font& font, Alignment alignment, int16_t frameWidth, const WideChar* text, ...)
        {
            va_list arguments;
            va_start(arguments, text);
            WildcardReader reader;
            reader.initialize(text, arguments);
            va_end(arguments);
            return LCD::getLineAlignmentOffset(reader, &font, alignment, Rectangle(0, 0, frameWidth, 30));
        }
    };
    return Reader::offset(font, alignment, frameWidth, text);
}
} // namespace

TEST_F(DrawString, AlignmentOffsetsPerLine)
{
    FixtureFont wide(24, 6, 4);
    wide.glyph('W', 10, 24, 24, 0, 10);
    const WideChar* hundred = W(u"WWWWWWWWWW"); // 100 pixels
    EXPECT_EQ(offsetOf(hundred, CENTER, 251, wide.font()), 75);
    EXPECT_EQ(offsetOf(hundred, RIGHT, 251, wide.font()), 151);
    EXPECT_EQ(offsetOf(hundred, LEFT, 251, wide.font()), 0);
    EXPECT_EQ(offsetOf(hundred, 7, 251, wide.font()), 0);
    EXPECT_EQ(offsetOf(hundred, CENTER, 99, wide.font()), 0); // (99 - 100) / 2 truncates toward zero
    EXPECT_EQ(offsetOf(W(u"AB"), RIGHT, 100, font.font()), 100 - (5 + 7 - 1)); // with kerning

    // Drawn: each line centred on its own.
    lcd.drawString(Rectangle(0, 0, 251, 60), Rectangle(0, 0, 251, 60), style(CENTER), W(u"A\nC"));
    EXPECT_EQ(inkRow(120, 0, 10), "...1111..."); // (251 - 5) / 2 = 123
    EXPECT_EQ(inkRow(120, 30, 10), ".11111111."); // (251 - 9) / 2 = 121
}

TEST_F(DrawString, LinesAboveTheAreaAreSkippedAndTheFrameMovesDown)
{
    // Line height 30; the area starts at y 65, in the third line (60..89).
    lcd.drawString(Rectangle(0, 0, 200, 150), Rectangle(0, 65, 200, 30), style(), W(u"A\nB\nC\nA\nB"));
    EXPECT_EQ(inkRow(0, 64, 12), "............");
    EXPECT_EQ(inkRow(0, 65, 12), "11111111....");
    EXPECT_EQ(inkRow(0, 83, 12), "11111111....");
    EXPECT_EQ(inkRow(0, 84, 12), "............");
    EXPECT_EQ(inkRow(0, 90, 12), "1111........"); // the fourth line, cut at the area's bottom
    EXPECT_EQ(inkRow(0, 95, 12), "............");
    EXPECT_EQ(inkCount(), 8 * 19 + 4 * 5);
}

TEST_F(DrawString, LineSpacingAddsToTheFullHeight)
{
    lcd.drawString(Rectangle(0, 0, 100, 100), Rectangle(0, 0, 100, 100), style(LEFT, 0, 4), W(u"A\nB"));
    EXPECT_EQ(inkRow(0, 33, 8), "........");
    EXPECT_EQ(inkRow(0, 34, 8), "111111..");
}

TEST_F(DrawString, MissingCharactersWarnAndAreSkipped)
{
    ::testing::internal::CaptureStdout();
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 100, 30), style(), W(u"AZA"));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "WARNING: Skipping character 'Z'\n");
    EXPECT_EQ(inkRow(0, 0, 10), "1111.1111."); // the pen did not move for it
}

TEST_F(DrawString, BearingKerningAndWildcards)
{
    // A negative left bearing moves the first glyph of a line right, not later ones.
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 100, 30), style(), W(u"LL"));
    EXPECT_EQ(inkRow(0, 0, 8), "111111..");

    hal.fillBuffers(PAPER);
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 100, 30), style(), W(u"AB")); // kerning -1
    EXPECT_EQ(inkRow(0, 0, 12), "1111111111..");

    hal.fillBuffers(PAPER);
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 100, 30), style(), W(u"%sC%s"), W(u"AB"),
                   static_cast<const WideChar*>(nullptr));
    EXPECT_EQ(inkRow(0, 0, 22), "1111111111.11111111...");
}

TEST_F(DrawString, ClippedToTheInvalidatedArea)
{
    // W is 10 wide: the third is cut at the area's right edge, the fourth is not reached.
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 25, 30), style(), W(u"WWWW"));
    EXPECT_EQ(inkRow(0, 0, 27), std::string(25, '1') + "..");

    hal.fillBuffers(PAPER);
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(13, 0, 20, 30), style(), W(u"WWWW"));
    EXPECT_EQ(inkRow(12, 0, 23), "." + std::string(20, '1') + "..");

    // Relative to the widget.
    hal.fillBuffers(PAPER);
    lcd.drawString(Rectangle(300, 200, 100, 30), Rectangle(0, 10, 100, 5), style(), W(u"A"));
    EXPECT_EQ(inkCount(), 4 * 5);
    EXPECT_EQ(inkRow(300, 210, 5), "1111.");
}

TEST_F(DrawString, RotatedTextLaysOutInTheTurnedFrame)
{
    // A widget 40 wide and 200 high: the frame is 200 x 40, its origin the widget's top-right
    // pixel, its x running down the widget and its y leftwards.
    const Rectangle widget(100, 100, 40, 200);
    lcd.drawString(widget, Rectangle(0, 0, 40, 200), style(LEFT, 1), W(u"AB"));
    EXPECT_EQ(hal.pixel(139, 100), INK);
    EXPECT_EQ(hal.pixel(116, 100), INK); // 24 rows of A, leftwards
    EXPECT_EQ(hal.pixel(115, 100), PAPER);
    EXPECT_EQ(hal.pixel(139, 103), INK);
    EXPECT_EQ(hal.pixel(139, 104), INK); // B follows A down the widget, kerned by -1
    EXPECT_EQ(hal.pixel(139, 109), INK);
    EXPECT_EQ(hal.pixel(139, 110), PAPER);
    EXPECT_EQ(inkCount(), (4 + 6) * 24);

    // Centred along the 200-pixel frame: (200 - 11) / 2 = 94.
    hal.fillBuffers(PAPER);
    lcd.drawString(widget, Rectangle(0, 0, 40, 200), style(CENTER, 1), W(u"AB"));
    EXPECT_EQ(hal.pixel(139, 193), PAPER);
    EXPECT_EQ(hal.pixel(139, 194), INK);

    // Upside down: the glyph's first pixel at the widget's bottom-right.
    hal.fillBuffers(PAPER);
    lcd.drawString(widget, Rectangle(0, 0, 40, 200), style(LEFT, 2), W(u"A"));
    EXPECT_EQ(hal.pixel(139, 299), INK);
    EXPECT_EQ(hal.pixel(136, 276), INK);
    EXPECT_EQ(inkCount(), 4 * 24);

    // Rotation 3: x runs up from the bottom-left.
    hal.fillBuffers(PAPER);
    lcd.drawString(widget, Rectangle(0, 0, 40, 200), style(LEFT, 3), W(u"A"));
    EXPECT_EQ(hal.pixel(100, 299), INK);
    EXPECT_EQ(hal.pixel(123, 296), INK);
    EXPECT_EQ(inkCount(), 4 * 24);

    EXPECT_EQ(LCD::rotateRect(Rectangle(5, 10, 20, 30), Rectangle(0, 0, 40, 200), 1), Rectangle(10, 15, 30, 20));
    EXPECT_EQ(LCD::rotateRect(Rectangle(5, 10, 20, 30), Rectangle(0, 0, 40, 200), 2), Rectangle(15, 160, 20, 30));
    EXPECT_EQ(LCD::rotateRect(Rectangle(5, 10, 20, 30), Rectangle(0, 0, 40, 200), 3), Rectangle(160, 5, 30, 20));
}

TEST_F(DrawString, NothingForANullTextAFontlessStyleOrAlphaZero)
{
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 100, 30), style(), nullptr);
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 100, 30), LCD::TextStyle(nullptr, INK, 255, 0, 0, 0),
                   W(u"A"));
    lcd.drawString(Rectangle(0, 0, 100, 30), Rectangle(0, 0, 100, 30), LCD::TextStyle(&font.font(), INK, 0, 0, 0, 0),
                   W(u"A"));
    EXPECT_EQ(inkCount(), 0);
}

TEST_F(DrawString, LinesAndBorders)
{
    lcd.drawBorder(Rectangle(10, 10, 100, 50), 3, INK, 255);
    // The right and bottom edges start on the last column and row and reach past them.
    EXPECT_EQ(inkRow(8, 30, 106), ".." + std::string(3, '1') + std::string(96, '.') + std::string(3, '1') + "..");
    for (int16_t y : {10, 11, 12, 59, 60, 61}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(inkRow(10, y, 100), std::string(100, '1'));
    }
    EXPECT_EQ(hal.pixel(50, 9), PAPER);
    EXPECT_EQ(hal.pixel(50, 13), PAPER);
    EXPECT_EQ(hal.pixel(50, 58), PAPER);
    EXPECT_EQ(hal.pixel(50, 62), PAPER);
    EXPECT_EQ(hal.pixel(110, 61), PAPER);
    EXPECT_EQ(hal.pixel(111, 59), INK);

    hal.fillBuffers(PAPER);
    lcd.drawBorder(Rectangle(200, 200, 10, 10), INK, 255);
    EXPECT_EQ(inkRow(199, 205, 12), ".1........1.");
    EXPECT_EQ(inkCount(), 36);

    hal.fillBuffers(PAPER);
    lcd.drawHorizontalLine(5, 300, 20, 2, INK);
    lcd.drawVerticalLine(400, 10, 30, 3, INK, 255);
    EXPECT_EQ(inkCount(), 40 + 90);
    EXPECT_EQ(hal.pixel(24, 301), INK);
    EXPECT_EQ(hal.pixel(402, 39), INK);
}
