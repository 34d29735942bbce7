#ifndef QUILLON_TESTS_FIXTUREFONT_HPP
#define QUILLON_TESTS_FIXTUREFONT_HPP

#include <quillon/InternalFlashFont.hpp>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace quillon
{
namespace test
{
// A GlyphRecord as the asset generator writes it: the ninth bits of width, height, advance
// and top go into the flags.
inline GlyphRecord makeGlyphRecord(uint16_t unicode, uint16_t width, uint16_t height, int16_t top, int8_t left,
                                   uint16_t advance, uint32_t dataOffset = 0, uint8_t extraFlags = 0)
{
    GlyphRecord record{};
    record.dataOffset = dataOffset;
    record.unicode = unicode;
    record.width = static_cast<uint8_t>(width & 0xFF);
    record.height = static_cast<uint8_t>(height & 0xFF);
    record.left = left;
    record.advance = static_cast<uint8_t>(advance & 0xFF);
    uint8_t flags = extraFlags;
    if (width & 0x100) {
        flags |= GLYPH_WIDTH_BIT8;
    }
    if (height & 0x100) {
        flags |= GLYPH_HEIGHT_BIT8;
    }
    if (advance & 0x100) {
        flags |= GLYPH_ADVANCE_BIT8;
    }
    const int16_t top9 = top < 0 ? static_cast<int16_t>(top + 512) : top;
    if (top < 0) {
        flags |= GLYPH_TOP_NEGATIVE;
    }
    if (top9 & 0x100) {
        flags |= GLYPH_TOP_BIT8;
    }
    record.top = static_cast<uint8_t>(top9 & 0xFF);
    record.flags = flags;
    return record;
}

// Coverage data of a glyph whose every pixel has the value `value`, in either layout.
inline std::vector<uint8_t> uniformGlyphData(uint16_t width, uint16_t height, uint8_t bitsPerPixel, uint32_t value,
                                             bool rowAligned)
{
    std::vector<uint8_t> data;
    if (rowAligned) {
        const uint32_t rowBytes = (width + 1u) / 2u;
        data.assign(rowBytes * height, 0);
        for (uint32_t row = 0; row < height; ++row) {
            for (uint32_t column = 0; column < width; ++column) {
                data[row * rowBytes + column / 2] |= static_cast<uint8_t>(value << ((column & 1) * 4));
            }
        }
        return data;
    }
    const uint32_t bits = static_cast<uint32_t>(width) * height * bitsPerPixel;
    data.assign((bits + 7) / 8, 0);
    for (uint32_t pixel = 0; pixel < static_cast<uint32_t>(width) * height; ++pixel) {
        const uint32_t bit = pixel * bitsPerPixel;
        data[bit / 8] |= static_cast<uint8_t>(value << (8 - bitsPerPixel - bit % 8));
    }
    return data;
}

// A small font built in the tests in the compiled-in asset format.
class FixtureFont
{
public:
    FixtureFont(uint16_t height, uint8_t pixelsBelowBaseline, uint8_t bitsPerPixel)
        : height(height), below(pixelsBelowBaseline), bitsPerPixel(bitsPerPixel)
    {
    }

    // A glyph with explicit data (empty data: full coverage everywhere).
    FixtureFont& glyph(uint16_t unicode, uint16_t width, uint16_t glyphHeight, int16_t top, int8_t left,
                       uint16_t advance, std::vector<uint8_t> data = {}, bool rowAligned = false)
    {
        if (data.empty()) {
            data = uniformGlyphData(width, glyphHeight, bitsPerPixel, (1u << bitsPerPixel) - 1u, rowAligned);
        }
        Entry entry;
        entry.record = makeGlyphRecord(unicode, width, glyphHeight, top, left, advance, 0,
                                       rowAligned ? GLYPH_DATA_ROW_ALIGNED : 0);
        entry.data = data;
        entries.push_back(entry);
        built.reset();
        return *this;
    }

    FixtureFont& kerning(uint16_t unicode, uint16_t previous, int8_t distance)
    {
        kernings.push_back({unicode, previous, distance});
        built.reset();
        return *this;
    }

    const InternalFlashFont& font()
    {
        if (!built) {
            build();
        }
        return *built;
    }
    const GlyphRecord* records() { return font(), glyphs.data(); }

private:
    struct Entry
    {
        GlyphRecord record;
        std::vector<uint8_t> data;
    };
    struct Kerning
    {
        uint16_t unicode;
        uint16_t previous;
        int8_t distance;
    };

    void build()
    {
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.record.unicode < b.record.unicode; });
        glyphs.clear();
        pixels.clear();
        kerningTable.clear();
        for (const Entry& entry : entries) {
            GlyphRecord record = entry.record;
            record.dataOffset = static_cast<uint32_t>(pixels.size());
            pixels.insert(pixels.end(), entry.data.begin(), entry.data.end());
            record.kerningStart = static_cast<uint8_t>(kerningTable.size());
            uint8_t count = 0;
            for (const Kerning& k : kernings) {
                if (k.unicode == record.unicode) {
                    kerningTable.push_back({k.previous, k.distance, 0});
                    ++count;
                }
            }
            record.kerningCount = count;
            glyphs.push_back(record);
        }
        pixels.push_back(0); // never an empty block
        built.reset(new InternalFlashFont(glyphs.data(), static_cast<uint16_t>(glyphs.size()), height, below,
                                          bitsPerPixel, pixels.data(), kerningTable.data()));
    }

    uint16_t height;
    uint8_t below;
    uint8_t bitsPerPixel;
    std::vector<Entry> entries;
    std::vector<Kerning> kernings;
    std::vector<GlyphRecord> glyphs;
    std::vector<uint8_t> pixels;
    std::vector<KerningRecord> kerningTable;
    std::unique_ptr<InternalFlashFont> built;
};

// UTF-16 literals as the framework's text type.
inline const WideChar* W(const char16_t* text)
{
    return reinterpret_cast<const WideChar*>(text);
}
} // namespace test
} // namespace quillon

#endif
