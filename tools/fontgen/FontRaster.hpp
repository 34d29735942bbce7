#pragma once
// Reads the font definitions and rasterises their characters with FreeType into 4-bpp glyphs,
// row-aligned, the first pixel of a pair in the low nibble. Shared by the font generator and
// the preview tool, so the preview shows exactly the generated pixels.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace fontraster {

constexpr int FONT_COUNT = 8;

struct FontDefinition {
    int index = -1;
    std::string typeface; // file name inside the typeface folder
    int pixelsPerEm = 0;
    int height = 0;       // line top to baseline
    int pixelsBelowBaseline = 0;
    std::set<char16_t> characters;
};

struct Glyph {
    char16_t unicode = 0;
    int width = 0;
    int height = 0;
    int top = 0;   // rows above the baseline of the first row
    int left = 0;  // first column from the pen position
    int advance = 0;
    std::vector<uint8_t> data; // (width + 1) / 2 bytes per row
};

struct Font {
    FontDefinition definition;
    std::vector<Glyph> glyphs; // sorted by unicode
};

// Parses the definition file; problems go to errors ("file:line: what").
bool readDefinitions(const std::string& path, FontDefinition (&fonts)[FONT_COUNT], std::vector<std::string>& errors);

// Adds the characters that the texts draw, from the text generator's list (one line per font:
// index, then hexadecimal code units).
bool addTextCharacters(const std::string& path, FontDefinition (&fonts)[FONT_COUNT], std::vector<std::string>& errors);

// Rasterises every character of the font; a character the typeface lacks is an error.
bool rasterise(const FontDefinition& definition, const std::string& typefaceFolder, Font& font,
               std::vector<std::string>& errors);

// Coverage 0..15 of the pixel (x, y) of a glyph.
inline int coverage(const Glyph& glyph, int x, int y)
{
    const uint8_t pair = glyph.data[static_cast<size_t>(y) * ((glyph.width + 1) / 2) + static_cast<size_t>(x / 2)];
    return (x & 1) ? (pair >> 4) : (pair & 0x0F);
}

} // namespace fontraster
