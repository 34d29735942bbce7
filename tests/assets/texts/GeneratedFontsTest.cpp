#include <assets/GeneratedFonts.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

using namespace quillon;

TEST(GeneratedFonts, HeightsAndGlyphCounts)
{
    struct Case {
        uint16_t height;
        uint8_t below;
        uint16_t glyphs;
    };
    const Case cases[NUMBER_OF_FONTS] = {
        {22, 6, 233}, {22, 5, 232}, {26, 7, 233}, {26, 6, 233}, {46, 7, 33}, {46, 8, 34}, {102, 19, 133}, {130, 22, 15},
    };
    for (int i = 0; i < NUMBER_OF_FONTS; ++i) {
        SCOPED_TRACE(i);
        const Font* font = assets::fontTable[i];
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->getFontHeight(), cases[i].height);
        EXPECT_EQ(font->getFullHeight(), cases[i].height + cases[i].below);
        EXPECT_EQ(font->getBitsPerPixel(), 4);
        EXPECT_EQ(assets::generated::glyphCounts[i], cases[i].glyphs);
    }
    EXPECT_EQ(assets::fontTable[0], &assets::font0());
    EXPECT_EQ(assets::fontTable[7], &assets::font7());
}

TEST(GeneratedFonts, CharacterSets)
{
    // Font 1 lacks only the no-break space of font 0.
    EXPECT_NE(assets::font0().getGlyph(0x00A0), nullptr);
    EXPECT_EQ(assets::font1().getGlyph(0x00A0), nullptr);
    EXPECT_NE(assets::font2().getGlyph(0x25CF), nullptr);
    // A crowded list line falls back from font 2 to font 0: it must draw every character.
    for (uint32_t c = 0x20; c <= 0xFFFF; ++c) {
        if (assets::font2().getGlyph(static_cast<WideChar>(c)) != nullptr) {
            EXPECT_NE(assets::font0().getGlyph(static_cast<WideChar>(c)), nullptr) << std::hex << c;
        }
    }
    EXPECT_NE(assets::font5().getGlyph(u'+'), nullptr);
    EXPECT_EQ(assets::font4().getGlyph(u'+'), nullptr);
    EXPECT_EQ(assets::font7().getGlyph(u'A'), nullptr);
    for (const Font* font : assets::fontTable) {
        EXPECT_EQ(font->getGlyph(0x4E00), nullptr);
        for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
            const GlyphRecord* glyph = font->getGlyph(digit);
            ASSERT_NE(glyph, nullptr);
            EXPECT_GT(glyph->getAdvance(), 0);
            EXPECT_EQ(glyph->kerningCount, 0);
            EXPECT_TRUE(glyph->isRowAligned());
            // Digits stand on the baseline (round ones overshoot it a little) under the line top.
            EXPECT_LE(glyph->getTop(), font->getFontHeight());
            EXPECT_LE(glyph->getHeight() - glyph->getTop(), 2);
        }
    }
}

TEST(GeneratedFonts, FontIdsMapOntoTheTable)
{
    assets::registerGeneratedTexts();
    LanguageTable::setLanguage(LANGUAGE_ENGLISH);
    ApplicationFontProvider provider;
    const int fontIdCount = ApplicationFontProvider::NUMBER_OF_FONT_IDS; // a value, not the member
    EXPECT_EQ(fontIdCount, 27);
    for (FontId id = 0; id < ApplicationFontProvider::NUMBER_OF_FONT_IDS; ++id) {
        EXPECT_EQ(provider.getFont(id), assets::fontTable[ApplicationFontProvider::fontIndexOf(id)]) << id;
    }
    EXPECT_EQ(provider.getFont(27), nullptr);
    EXPECT_EQ(provider.getFont(9), &assets::font7());
}

// Every glyph stays inside its line: nothing above the line top, nothing below the pixels
// below the baseline, so a text drawn in a box of the full height is never cut.
TEST(GeneratedFonts, GlyphsStayInsideTheLine)
{
    for (int i = 0; i < NUMBER_OF_FONTS; ++i) {
        SCOPED_TRACE(i);
        const Font& font = *assets::fontTable[i];
        int found = 0;
        for (uint32_t c = 0; c <= 0xFFFF; ++c) {
            const GlyphRecord* glyph = font.getGlyph(static_cast<WideChar>(c));
            if (glyph == nullptr) {
                continue;
            }
            ++found;
            EXPECT_EQ(glyph->unicode, c);
            EXPECT_LE(glyph->getTop(), font.getFontHeight()) << std::hex << c;
            EXPECT_LE(glyph->getHeight() - glyph->getTop(), font.getFullHeight() - font.getFontHeight()) << std::hex << c;
        }
        EXPECT_EQ(found, assets::generated::glyphCounts[i]);
    }
}
