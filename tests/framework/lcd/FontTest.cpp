#include "framework/lcd/FixtureFont.hpp"

#include <quillon/InternalFlashFont.hpp>

#include <gtest/gtest.h>

#include <cstring>

using namespace quillon;
using quillon::test::FixtureFont;
using quillon::test::makeGlyphRecord;
using quillon::test::W;

namespace
{
FixtureFont latinFont()
{
    FixtureFont font(20, 5, 4);
    font.glyph(' ', 0, 0, 0, 0, 5)
        .glyph('A', 10, 14, 14, 0, 11)
        .glyph('V', 10, 14, 14, 0, 11)
        .glyph('g', 8, 14, 10, 1, 9)
        .glyph(0x00B0, 4, 4, 16, 0, 6) // degree sign
        .glyph(0x25CF, 12, 12, 13, -1, 13)
        .kerning('V', 'A', -2);
    return font;
}
} // namespace

TEST(GlyphRecord, IsByteExactLittleEndian)
{
    const uint8_t bytes[14] = {0x78, 0x56, 0x34, 0x12, 0x41, 0x00, 10, 14, 0xFE, 0xFF, 11, 3, 2, 0x60};
    GlyphRecord record;
    static_assert(sizeof(record) == sizeof(bytes), "record size");
    std::memcpy(&record, bytes, sizeof(bytes));
    EXPECT_EQ(record.dataOffset, 0x12345678u);
    EXPECT_EQ(record.unicode, 'A');
    EXPECT_EQ(record.left, -1);
    EXPECT_EQ(record.kerningStart, 3);
    EXPECT_EQ(record.kerningCount, 2);
    EXPECT_EQ(record.getTop(), -2); // flags 0x60, top byte 0xFE

    KerningRecord kerning;
    const uint8_t kerningBytes[4] = {0x56, 0x00, 0xFD, 0x00};
    std::memcpy(&kerning, kerningBytes, sizeof(kerningBytes));
    EXPECT_EQ(kerning.previous, 'V');
    EXPECT_EQ(kerning.distance, -3);
}

TEST(GlyphRecord, NinthBitsDecodeThroughTheFlags)
{
    struct Case
    {
        uint8_t width, height, top, advance, flags;
        uint16_t expectedWidth, expectedHeight, expectedAdvance;
        int16_t expectedTop;
    };
    const Case cases[] = {
        {10, 20, 30, 40, 0x00, 10, 20, 40, 30},
        {0x2C, 0x05, 0x10, 0x30, GLYPH_WIDTH_BIT8 | GLYPH_HEIGHT_BIT8 | GLYPH_ADVANCE_BIT8, 300, 261, 304, 16},
        {1, 1, 0x00, 1, GLYPH_TOP_BIT8, 1, 1, 1, 256},
        {1, 1, 0xFE, 1, GLYPH_TOP_BIT8 | GLYPH_TOP_NEGATIVE, 1, 1, 1, -2},
        {1, 1, 0x00, 1, GLYPH_TOP_NEGATIVE, 1, 1, 1, -512},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xF9, 511, 511, 511, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        GlyphRecord record{};
        record.width = c.width;
        record.height = c.height;
        record.top = c.top;
        record.advance = c.advance;
        record.flags = c.flags;
        EXPECT_EQ(record.getWidth(), c.expectedWidth);
        EXPECT_EQ(record.getHeight(), c.expectedHeight);
        EXPECT_EQ(record.getAdvance(), c.expectedAdvance);
        EXPECT_EQ(record.getTop(), c.expectedTop);
    }
    // The fixture encoder and the decoder agree.
    const GlyphRecord big = makeGlyphRecord('x', 400, 300, -100, 0, 511);
    EXPECT_EQ(big.getWidth(), 400);
    EXPECT_EQ(big.getHeight(), 300);
    EXPECT_EQ(big.getTop(), -100);
    EXPECT_EQ(big.getAdvance(), 511);
}

TEST(ConstFont, FindsFirstLastAndNothingOutside)
{
    FixtureFont fixture = latinFont();
    const Font& font = fixture.font();
    const GlyphRecord* records = fixture.records();
    EXPECT_EQ(font.getGlyph(' '), &records[0]);
    EXPECT_EQ(font.getGlyph(0x25CF), &records[5]);
    EXPECT_EQ(font.getGlyph('g'), &records[3]);
    EXPECT_EQ(font.getGlyph(0x4E00), nullptr);
    EXPECT_EQ(font.getGlyph(0), nullptr);
    EXPECT_EQ(font.getCharWidth(0x4E00), 0);
    EXPECT_EQ(font.getCharWidth('A'), 11);

    const uint8_t* data = nullptr;
    uint8_t bitsPerPixel = 0;
    const GlyphRecord* glyph = font.getGlyphWithData('V', data, bitsPerPixel);
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(bitsPerPixel, 4);
    EXPECT_EQ(data, static_cast<const InternalFlashFont&>(font).getPixelData(glyph));
    // Absent characters leave the outputs alone.
    EXPECT_EQ(font.getGlyphWithData(0x4E00, data, bitsPerPixel), nullptr);
    EXPECT_EQ(bitsPerPixel, 4);

    FixtureFont single(10, 2, 4);
    single.glyph('Q', 3, 3, 3, 0, 4);
    EXPECT_NE(single.font().getGlyph('Q'), nullptr);
    EXPECT_EQ(single.font().getGlyph('R'), nullptr);
    EXPECT_EQ(single.font().getGlyph('P'), nullptr);
}

TEST(InternalFlashFont, KerningIsFoundByThePreviousCharacter)
{
    FixtureFont fixture = latinFont();
    const Font& font = fixture.font();
    EXPECT_EQ(font.getKerning('A', font.getGlyph('V')), -2);
    EXPECT_EQ(font.getKerning('g', font.getGlyph('V')), 0);
    EXPECT_EQ(font.getKerning('A', font.getGlyph('A')), 0); // no kerning records
    EXPECT_EQ(font.getKerning('A', nullptr), 0);
}

TEST(Font, StringWidthIsTheWidestLineWithKerningAndWildcards)
{
    FixtureFont fixture = latinFont();
    const Font& font = fixture.font();
    EXPECT_EQ(font.getStringWidth(W(u"AV")), 11 + 11 - 2);
    EXPECT_EQ(font.getStringWidth(W(u"A\nAAA")), 33);
    EXPECT_EQ(font.getStringWidth(W(u"AAA\nA\n")), 33); // a final newline adds nothing
    EXPECT_EQ(font.getStringWidth(W(u"A\u4E00A")), 22);  // missing characters count nothing
    EXPECT_EQ(font.getStringWidth(W(u"%s\u00B0"), W(u"AA")), 28);
    EXPECT_EQ(font.getStringWidth(W(u"")), 0);
    EXPECT_EQ(font.getStringWidth(nullptr), 0);
}

TEST(Font, VerticalMetricsOverTheText)
{
    FixtureFont fixture = latinFont();
    const Font& font = fixture.font();
    EXPECT_EQ(font.getFontHeight(), 20);
    EXPECT_EQ(font.getFullHeight(), 25);
    EXPECT_EQ(font.getBitsPerPixel(), 4);
    // 'A': 20 - 14 = 6 above, bottom 6 + 14 = 20; 'g': 10 above, bottom 24; degree: 4 above, bottom 8.
    EXPECT_EQ(font.getSpacingAbove(W(u"Ag")), 6);
    EXPECT_EQ(font.getMaxTextHeight(W(u"Ag")), 24);
    EXPECT_EQ(font.getSpacingAbove(W(u"%s"), W(u"\u00B0")), 4);
    EXPECT_EQ(font.getMaxTextHeight(W(u"A\n\u00B0")), 20);
    // An empty text gives 0, 255 and 0.
    EXPECT_EQ(font.getStringWidth(W(u"")), 0);
    EXPECT_EQ(font.getSpacingAbove(W(u"")), 255);
    EXPECT_EQ(font.getMaxTextHeight(W(u"")), 0);
    EXPECT_EQ(font.getSpacingAbove(W(u"\u4E00")), 255);
}
