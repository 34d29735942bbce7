#include "FontRaster.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <fstream>
#include <sstream>

namespace fontraster {

namespace {

std::vector<std::string> split(const std::string& line, char separator)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

bool parseInt(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::stoi(text);
    return value >= low && value <= high;
}

bool parseHex(const std::string& text, char16_t& value)
{
    if (text.size() != 4 || text.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
        return false;
    }
    value = static_cast<char16_t>(std::stoul(text, nullptr, 16));
    return true;
}

// "XXXX" or "XXXX-YYYY"
bool parseRange(const std::string& text, char16_t& first, char16_t& last)
{
    const size_t dash = text.find('-');
    if (dash == std::string::npos) {
        return parseHex(text, first) && (last = first, true);
    }
    return parseHex(text.substr(0, dash), first) && parseHex(text.substr(dash + 1), last) && first <= last;
}

} // namespace

bool readDefinitions(const std::string& path, FontDefinition (&fonts)[FONT_COUNT], std::vector<std::string>& errors)
{
    std::ifstream in(path);
    if (!in) {
        errors.push_back(path + ": cannot be read");
        return false;
    }
    const size_t errorsBefore = errors.size();
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::string at = path + ":" + std::to_string(lineNumber) + ": ";
        const std::vector<std::string> fields = split(line, '|');
        FontDefinition definition;
        if (fields.size() != 6 || !parseInt(fields[0], 0, FONT_COUNT - 1, definition.index) ||
            !parseInt(fields[2], 1, 511, definition.pixelsPerEm) || !parseInt(fields[3], 1, 511, definition.height) ||
            !parseInt(fields[4], 0, 255, definition.pixelsBelowBaseline) || fields[1].empty()) {
            errors.push_back(at + "expected index|typeface|pixels per em|height|below baseline|characters");
            continue;
        }
        if (fonts[definition.index].index >= 0) {
            errors.push_back(at + "font " + fields[0] + " doubled");
            continue;
        }
        definition.typeface = fields[1];
        for (const std::string& token : split(fields[5], ' ')) {
            if (token.empty()) {
                continue;
            }
            if (token[0] == '@') {
                int other = 0;
                if (!parseInt(token.substr(1), 0, FONT_COUNT - 1, other) || fonts[other].index < 0) {
                    errors.push_back(at + "'" + token + "' names no font defined above");
                    continue;
                }
                definition.characters.insert(fonts[other].characters.begin(), fonts[other].characters.end());
                continue;
            }
            const bool remove = token[0] == '-';
            char16_t first = 0;
            char16_t last = 0;
            if (!parseRange(remove ? token.substr(1) : token, first, last)) {
                errors.push_back(at + "'" + token + "' is not a character or range");
                continue;
            }
            for (uint32_t c = first; c <= last; ++c) {
                if (remove) {
                    definition.characters.erase(static_cast<char16_t>(c));
                } else {
                    definition.characters.insert(static_cast<char16_t>(c));
                }
            }
        }
        fonts[definition.index] = definition;
    }
    for (int i = 0; i < FONT_COUNT; ++i) {
        if (fonts[i].index < 0) {
            errors.push_back(path + ": font " + std::to_string(i) + " missing");
        }
    }
    return errors.size() == errorsBefore;
}

bool addTextCharacters(const std::string& path, FontDefinition (&fonts)[FONT_COUNT], std::vector<std::string>& errors)
{
    std::ifstream in(path);
    if (!in) {
        errors.push_back(path + ": cannot be read");
        return false;
    }
    const size_t errorsBefore = errors.size();
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int index = -1;
        fields >> index;
        if (index < 0 || index >= FONT_COUNT) {
            errors.push_back(path + ": bad line '" + line + "'");
            continue;
        }
        std::string code;
        while (fields >> code) {
            char16_t c = 0;
            if (!parseHex(code, c)) {
                errors.push_back(path + ": bad character '" + code + "'");
                continue;
            }
            fonts[index].characters.insert(c);
        }
    }
    return errors.size() == errorsBefore;
}

bool rasterise(const FontDefinition& definition, const std::string& typefaceFolder, Font& font,
               std::vector<std::string>& errors)
{
    const std::string name = "font " + std::to_string(definition.index) + " (" + definition.typeface + ")";
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        errors.push_back("FreeType cannot start");
        return false;
    }
    FT_Face face = nullptr;
    const std::string file = typefaceFolder + "/" + definition.typeface;
    bool ok = FT_New_Face(library, file.c_str(), 0, &face) == 0;
    if (!ok) {
        errors.push_back(name + ": cannot open " + file);
    } else if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(definition.pixelsPerEm)) != 0) {
        errors.push_back(name + ": cannot set the size");
        ok = false;
    }
    font.definition = definition;
    font.glyphs.clear();
    for (char16_t c : definition.characters) {
        if (!ok) {
            break;
        }
        char code[8];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        const FT_UInt index = FT_Get_Char_Index(face, c);
        if (index == 0) {
            errors.push_back(name + ": the typeface lacks " + code);
            continue;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0 ||
            face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
            errors.push_back(name + ": cannot render " + code);
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        Glyph glyph;
        glyph.unicode = c;
        glyph.width = static_cast<int>(slot->bitmap.width);
        glyph.height = static_cast<int>(slot->bitmap.rows);
        glyph.top = slot->bitmap_top;
        glyph.left = slot->bitmap_left;
        glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        const int rowBytes = (glyph.width + 1) / 2;
        glyph.data.assign(static_cast<size_t>(rowBytes) * static_cast<size_t>(glyph.height), 0);
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* row = slot->bitmap.buffer + static_cast<ptrdiff_t>(y) * slot->bitmap.pitch;
            for (int x = 0; x < glyph.width; ++x) {
                const int value = (row[x] * 15 + 127) / 255; // 8-bit grey to 4-bit coverage
                glyph.data[static_cast<size_t>(y * rowBytes + x / 2)] |=
                    static_cast<uint8_t>((x & 1) ? (value << 4) : value);
            }
        }
        if (glyph.width > 511 || glyph.height > 511 || glyph.advance > 511 || glyph.top < -512 ||
            glyph.top > 511 || glyph.left < -128 || glyph.left > 127) {
            errors.push_back(name + ": " + code + " is too large for a glyph record");
            continue;
        }
        font.glyphs.push_back(std::move(glyph));
    }
    if (face != nullptr) {
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return ok && font.glyphs.size() == definition.characters.size();
}

} // namespace fontraster
