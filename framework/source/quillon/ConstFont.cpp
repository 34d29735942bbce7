#include <quillon/ConstFont.hpp>

namespace quillon
{
const GlyphRecord* ConstFont::find(WideChar unicode) const
{
    if (glyphs == nullptr) {
        return nullptr;
    }
    int32_t low = 0;
    int32_t high = static_cast<int32_t>(glyphCount) - 1;
    while (low <= high) {
        const int32_t middle = (low + high) / 2;
        const uint16_t found = glyphs[middle].unicode;
        if (found > unicode) {
            high = middle - 1;
        } else if (found < unicode) {
            low = middle + 1;
        } else {
            return &glyphs[middle];
        }
    }
    return nullptr;
}

const GlyphRecord* ConstFont::getGlyphWithData(WideChar unicode, const uint8_t*& pixelData,
                                               uint8_t& glyphBitsPerPixel) const
{
    const GlyphRecord* glyph = find(unicode);
    if (glyph != nullptr) {
        pixelData = getPixelData(glyph);
        glyphBitsPerPixel = getBitsPerPixel();
    }
    return glyph;
}
} // namespace quillon
