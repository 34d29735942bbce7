#ifndef QUILLON_CONSTFONT_HPP
#define QUILLON_CONSTFONT_HPP

#include <quillon/Font.hpp>

namespace quillon
{
// A font over a constant table of glyph records sorted by unicode.
class ConstFont : public Font
{
public:
    ConstFont(const GlyphRecord* glyphs, uint16_t glyphCount, uint16_t height, uint8_t pixelsBelowBaseline,
              uint8_t bitsPerPixel)
        : Font(height, pixelsBelowBaseline, bitsPerPixel), glyphs(glyphs), glyphCount(glyphCount)
    {
    }

    const GlyphRecord* getGlyphWithData(WideChar unicode, const uint8_t*& pixelData,
                                        uint8_t& bitsPerPixel) const override;
    virtual const uint8_t* getPixelData(const GlyphRecord* glyph) const = 0;
    int8_t getKerning(WideChar previous, const GlyphRecord* glyph) const override = 0;

    // Interval halving over the table; null when absent.
    const GlyphRecord* find(WideChar unicode) const;

protected:
    const GlyphRecord* glyphs;
    uint16_t glyphCount;
};
} // namespace quillon

#endif
