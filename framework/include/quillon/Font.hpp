#ifndef QUILLON_FONT_HPP
#define QUILLON_FONT_HPP

#include <quillon/hal/Types.hpp>

#include <stdarg.h>
#include <stdint.h>

namespace quillon
{
class WildcardReader;

// Bits of GlyphRecord::flags.
enum GlyphFlags : uint8_t
{
    GLYPH_DATA_ROW_ALIGNED = 0x01, // 4 bpp rows start on a byte, first pixel in the low nibble
    GLYPH_WIDTH_BIT8 = 0x08,
    GLYPH_HEIGHT_BIT8 = 0x10,
    GLYPH_TOP_BIT8 = 0x20,
    GLYPH_TOP_NEGATIVE = 0x40,     // top is the 9-bit value minus 512
    GLYPH_ADVANCE_BIT8 = 0x80
};

// One character of a font, 14 bytes little-endian; a font's table is sorted by unicode.
// Width, height and advance carry a ninth bit in flags; always read them through the getters.
struct GlyphRecord
{
    uint32_t dataOffset;  // from the font's pixel data
    uint16_t unicode;
    uint8_t width;
    uint8_t height;
    uint8_t top;          // above the baseline
    int8_t left;          // first column relative to the pen
    uint8_t advance;
    uint8_t kerningStart; // first KerningRecord of this glyph
    uint8_t kerningCount; // 0: none
    uint8_t flags;

    uint16_t getWidth() const { return static_cast<uint16_t>(width | ((flags & GLYPH_WIDTH_BIT8) ? 0x100 : 0)); }
    uint16_t getHeight() const { return static_cast<uint16_t>(height | ((flags & GLYPH_HEIGHT_BIT8) ? 0x100 : 0)); }
    uint16_t getAdvance() const { return static_cast<uint16_t>(advance | ((flags & GLYPH_ADVANCE_BIT8) ? 0x100 : 0)); }
    int16_t getTop() const
    {
        const int16_t value = static_cast<int16_t>(top | ((flags & GLYPH_TOP_BIT8) ? 0x100 : 0));
        return (flags & GLYPH_TOP_NEGATIVE) ? static_cast<int16_t>(value - 512) : value;
    }
    bool isRowAligned() const { return (flags & GLYPH_DATA_ROW_ALIGNED) != 0; }
} __attribute__((packed));
static_assert(sizeof(GlyphRecord) == 14, "GlyphRecord is a 14-byte asset record");

// Pixels added before a glyph when it follows the character `previous`.
struct KerningRecord
{
    uint16_t previous;
    int8_t distance;
    uint8_t reserved;
};
static_assert(sizeof(KerningRecord) == 4, "KerningRecord is a 4-byte asset record");

// A bitmap font with the text metrics the widgets need. Texts are measured as displayed:
// their wildcards are substituted by the arguments that follow them.
class Font
{
public:
    Font(uint16_t height, uint8_t pixelsBelowBaseline, uint8_t bitsPerPixel)
        : height(height), pixelsBelowBaseline(pixelsBelowBaseline), bitsPerPixel(bitsPerPixel)
    {
    }
    virtual ~Font() {}

    // Null when the font lacks the character; the outputs are then left alone.
    virtual const GlyphRecord* getGlyphWithData(WideChar unicode, const uint8_t*& pixelData,
                                                uint8_t& bitsPerPixel) const = 0;
    virtual const GlyphRecord* getGlyph(WideChar unicode) const;
    // Width of the widest line.
    virtual int16_t getStringWidth(const WideChar* text, ...) const;
    // Advance of the character, 0 when the font lacks it.
    virtual uint16_t getCharWidth(WideChar unicode) const;
    // Smallest gap between the line top and a glyph's first row (255 for an empty text).
    virtual uint8_t getSpacingAbove(const WideChar* text, ...) const;
    // Lowest glyph bottom measured from the line top.
    virtual uint16_t getMaxTextHeight(const WideChar* text, ...) const;
    virtual uint16_t getFontHeight() const { return height; }
    virtual uint16_t getFullHeight() const { return static_cast<uint16_t>(height + pixelsBelowBaseline); }
    virtual uint8_t getBitsPerPixel() const { return bitsPerPixel; }
    virtual int8_t getKerning(WideChar previous, const GlyphRecord* glyph) const;

    // The same metrics over the rest of a reader, for callers that forward their own
    // arguments (or have none: WildcardReader::initialize without arguments).
    int16_t getStringWidth(WildcardReader& reader) const;
    uint8_t getSpacingAbove(WildcardReader& reader) const;
    uint16_t getMaxTextHeight(WildcardReader& reader) const;

protected:
    uint16_t height; // line top to baseline
    uint8_t pixelsBelowBaseline;
    uint8_t bitsPerPixel;
};
} // namespace quillon

#endif
