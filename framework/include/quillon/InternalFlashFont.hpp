#ifndef QUILLON_INTERNALFLASHFONT_HPP
#define QUILLON_INTERNALFLASHFONT_HPP

#include <quillon/ConstFont.hpp>

namespace quillon
{
// A compiled-in font: glyph table, coverage data and kerning table are constant data.
class InternalFlashFont : public ConstFont
{
public:
    InternalFlashFont(const GlyphRecord* glyphs, uint16_t glyphCount, uint16_t height, uint8_t pixelsBelowBaseline,
                      uint8_t bitsPerPixel, const uint8_t* pixelData, const KerningRecord* kerningTable)
        : ConstFont(glyphs, glyphCount, height, pixelsBelowBaseline, bitsPerPixel),
          pixelData(pixelData),
          kerningTable(kerningTable)
    {
    }

    const uint8_t* getPixelData(const GlyphRecord* glyph) const override
    {
        return pixelData + glyph->dataOffset;
    }
    int8_t getKerning(WideChar previous, const GlyphRecord* glyph) const override;

private:
    const uint8_t* pixelData;
    const KerningRecord* kerningTable;
};
} // namespace quillon

#endif
