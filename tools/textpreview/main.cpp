// Draws every text of one language in its own font into BMP pages, each text with its id at
// the left, so that a person can read the translations and look at the glyphs. It rasterises
// the fonts exactly as the font generator does.
// usage: textpreview <language 0..9 or code> <out.bmp> [first id] [last id]
// Long previews are split into out-1.bmp, out-2.bmp, ... A red bar marks a translation wider
// than the box where the English text fits it.

#include "FontRaster.hpp"
#include "TextSource.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int PAGE_WIDTH = 1000;
constexpr int MAX_PAGE_HEIGHT = 2400;
constexpr int TEXT_X = 130;
constexpr int BOX_WIDTH = 760; // the display's width less the usual margins
constexpr int ROW_GAP = 8;

struct Colour {
    uint8_t r, g, b;
};
const Colour BACKGROUND{0, 0, 0};
const Colour TEXT{255, 255, 255};
const Colour ID{140, 140, 140};
const Colour WILDCARD{255, 210, 0};
const Colour BOX{40, 60, 90};
const Colour PROBLEM{230, 30, 30};

class Image {
public:
    Image(int width, int height) : width(width), height(height), pixels(static_cast<size_t>(width * height), BACKGROUND)
    {
    }
    void blend(int x, int y, const Colour& colour, int coverage15)
    {
        if (x < 0 || y < 0 || x >= width || y >= height || coverage15 == 0) {
            return;
        }
        Colour& p = pixels[static_cast<size_t>(y * width + x)];
        p.r = static_cast<uint8_t>((colour.r * coverage15 + p.r * (15 - coverage15)) / 15);
        p.g = static_cast<uint8_t>((colour.g * coverage15 + p.g * (15 - coverage15)) / 15);
        p.b = static_cast<uint8_t>((colour.b * coverage15 + p.b * (15 - coverage15)) / 15);
    }
    void fill(int x, int y, int w, int h, const Colour& colour)
    {
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                blend(i, j, colour, 15);
            }
        }
    }
    bool writeBmp(const std::string& path) const
    {
        const int rowBytes = (width * 3 + 3) & ~3;
        const uint32_t dataSize = static_cast<uint32_t>(rowBytes * height);
        uint8_t header[54] = {'B', 'M'};
        auto put32 = [&header](int at, uint32_t v) {
            for (int i = 0; i < 4; ++i) {
                header[at + i] = static_cast<uint8_t>(v >> (8 * i));
            }
        };
        put32(2, 54 + dataSize);
        put32(10, 54);
        put32(14, 40);
        put32(18, static_cast<uint32_t>(width));
        put32(22, static_cast<uint32_t>(height));
        header[26] = 1;
        header[28] = 24;
        put32(34, dataSize);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(header), sizeof header);
        std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
        for (int y = height - 1; y >= 0; --y) { // bottom-up
            for (int x = 0; x < width; ++x) {
                const Colour& p = pixels[static_cast<size_t>(y * width + x)];
                row[static_cast<size_t>(x * 3)] = p.b;
                row[static_cast<size_t>(x * 3 + 1)] = p.g;
                row[static_cast<size_t>(x * 3 + 2)] = p.r;
            }
            out.write(reinterpret_cast<const char*>(row.data()), rowBytes);
        }
        return static_cast<bool>(out);
    }

private:
    int width;
    int height;
    std::vector<Colour> pixels;
};

const fontraster::Glyph* findGlyph(const fontraster::Font& font, char16_t c)
{
    const auto found = std::lower_bound(font.glyphs.begin(), font.glyphs.end(), c,
                                        [](const fontraster::Glyph& g, char16_t key) { return g.unicode < key; });
    return found != font.glyphs.end() && found->unicode == c ? &*found : nullptr;
}

// One drawn unit: the character and whether it stands for a wildcard.
struct Unit {
    char16_t c;
    bool wildcard;
};

std::vector<std::vector<Unit>> linesOf(const std::u16string& text)
{
    std::vector<std::vector<Unit>> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            lines.emplace_back();
        } else if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] == u'%') {
            lines.back().push_back({u'%', false});
            ++i;
        } else if (text[i] == u'%' && i + 1 < text.size()) {
            lines.back().push_back({u'%', true});
            lines.back().push_back({text[i + 1], true});
            ++i;
        } else {
            lines.back().push_back({text[i], false});
        }
    }
    return lines;
}

int lineWidth(const fontraster::Font& font, const fontraster::Font& fallback, const std::vector<Unit>& line)
{
    int width = 0;
    for (const Unit& unit : line) {
        const fontraster::Glyph* glyph = findGlyph(font, unit.c);
        if (glyph == nullptr && unit.wildcard) {
            glyph = findGlyph(fallback, unit.c);
        }
        width += glyph != nullptr ? glyph->advance : 10;
    }
    return width;
}

void drawLine(Image& image, const fontraster::Font& font, const fontraster::Font& fallback,
              const std::vector<Unit>& line, int x, int baseline, const Colour& colour)
{
    for (const Unit& unit : line) {
        const fontraster::Glyph* glyph = findGlyph(font, unit.c);
        if (glyph == nullptr && unit.wildcard) {
            glyph = findGlyph(fallback, unit.c);
        }
        if (glyph == nullptr) {
            image.fill(x, baseline - 12, 8, 12, PROBLEM); // a character the font lacks
            x += 10;
            continue;
        }
        for (int y = 0; y < glyph->height; ++y) {
            for (int i = 0; i < glyph->width; ++i) {
                image.blend(x + glyph->left + i, baseline - glyph->top + y, unit.wildcard ? WILDCARD : colour,
                            fontraster::coverage(*glyph, i, y));
            }
        }
        x += glyph->advance;
    }
}

// Lines wider than the box are wrapped at spaces, as the panel wraps its help texts.
std::vector<std::vector<Unit>> wrapped(const fontraster::Font& font, const fontraster::Font& fallback,
                                       const std::vector<std::vector<Unit>>& lines)
{
    std::vector<std::vector<Unit>> result;
    for (const std::vector<Unit>& line : lines) {
        std::vector<Unit> current;
        size_t lastSpace = 0;
        for (const Unit& unit : line) {
            current.push_back(unit);
            if (unit.c == u' ') {
                lastSpace = current.size();
            }
            if (lineWidth(font, fallback, current) > BOX_WIDTH && lastSpace > 0) {
                result.emplace_back(current.begin(), current.begin() + static_cast<long>(lastSpace) - 1);
                current.erase(current.begin(), current.begin() + static_cast<long>(lastSpace));
                lastSpace = 0;
            }
        }
        result.push_back(current);
    }
    return result;
}

// True when a line of the text is wider than the box while every English line fits.
bool overflowsWhereEnglishFits(const fontraster::Font& font, const fontraster::Font& fallback,
                               const std::u16string& text, const std::u16string& english)
{
    for (const std::vector<Unit>& line : linesOf(english)) {
        if (lineWidth(font, fallback, line) > BOX_WIDTH) {
            return false;
        }
    }
    for (const std::vector<Unit>& line : linesOf(text)) {
        if (lineWidth(font, fallback, line) > BOX_WIDTH) {
            return true;
        }
    }
    return false;
}

std::vector<Unit> plain(const std::string& ascii)
{
    std::vector<Unit> units;
    for (char c : ascii) {
        units.push_back({static_cast<char16_t>(c), false});
    }
    return units;
}

std::vector<std::string> tableFiles(const std::string& folder)
{
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.rfind("texts-", 0) == 0 && name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) {
                files.push_back(folder + "/" + name);
            }
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

int languageOf(const char* argument)
{
    for (int i = 0; i < textsource::LANGUAGE_COUNT; ++i) {
        if (std::strcmp(argument, textsource::LANGUAGE_CODES[i]) == 0) {
            return i;
        }
    }
    if (std::strlen(argument) == 1 && argument[0] >= '0' && argument[0] <= '9') {
        return argument[0] - '0';
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    const int language = argc >= 3 ? languageOf(argv[1]) : -1;
    if (language < 0) {
        std::fprintf(stderr, "usage: textpreview <language 0..9 or de en fr da nl pl it cs sk sv> <out.bmp> "
                             "[first id] [last id]\n");
        return 2;
    }
    const int first = argc >= 4 ? std::atoi(argv[3]) : 0;
    const int last = argc >= 5 ? std::atoi(argv[4]) : textsource::TEXT_COUNT - 1;

    textsource::TextTable table;
    std::vector<std::string> errors;
    textsource::readTable(tableFiles(TEXT_FOLDER), table, errors);
    textsource::checkTable(table, errors);
    fontraster::FontDefinition definitions[fontraster::FONT_COUNT];
    fontraster::readDefinitions(FONT_DEFINITIONS, definitions, errors);
    for (const textsource::TextRow& row : table.rows) {
        for (const std::u16string& text : row.strings) {
            for (char16_t c : textsource::drawnCharacters(text)) {
                if (c != u'\n') {
                    definitions[row.font].characters.insert(c);
                }
            }
        }
    }
    static fontraster::Font fonts[fontraster::FONT_COUNT];
    for (int i = 0; i < fontraster::FONT_COUNT && errors.empty(); ++i) {
        fontraster::rasterise(definitions[i], TYPEFACE_DIR, fonts[i], errors);
    }
    for (const std::string& error : errors) {
        std::fprintf(stderr, "textpreview: %s\n", error.c_str());
    }
    if (!errors.empty()) {
        return 1;
    }

    // Lay out the rows, then cut them into pages.
    struct Row {
        int id;
        int height;
    };
    std::vector<Row> rows;
    for (int id = std::max(first, 0); id <= std::min(last, textsource::TEXT_COUNT - 1); ++id) {
        const std::u16string& text = table.rows[id].strings[language];
        if (text.empty()) {
            continue;
        }
        const fontraster::Font& font = fonts[table.rows[id].font];
        const int lineHeight = font.definition.height + font.definition.pixelsBelowBaseline;
        const size_t lines = wrapped(font, fonts[0], linesOf(text)).size();
        rows.push_back({id, static_cast<int>(lines) * lineHeight + ROW_GAP});
    }
    std::vector<std::vector<Row>> pages(1);
    int pageHeight = 0;
    for (const Row& row : rows) {
        if (pageHeight + row.height > MAX_PAGE_HEIGHT && !pages.back().empty()) {
            pages.emplace_back();
            pageHeight = 0;
        }
        pages.back().push_back(row);
        pageHeight += row.height;
    }

    const std::string output = argv[2];
    const fontraster::Font& small = fonts[0];
    int tooWide = 0;
    for (size_t page = 0; page < pages.size(); ++page) {
        int height = 0;
        for (const Row& row : pages[page]) {
            height += row.height;
        }
        Image image(PAGE_WIDTH, std::max(height, 1));
        int y = 0;
        for (const Row& row : pages[page]) {
            const textsource::TextRow& source = table.rows[row.id];
            const fontraster::Font& font = fonts[source.font];
            const int lineHeight = font.definition.height + font.definition.pixelsBelowBaseline;
            image.fill(TEXT_X, y, BOX_WIDTH, row.height - ROW_GAP, BOX);
            const std::string label = std::to_string(row.id) + " f" + std::to_string(source.font) + "a" +
                                      std::to_string(source.alignment);
            drawLine(image, small, small, plain(label), 4, y + small.definition.height, ID);
            const std::u16string& text = source.strings[language];
            if (overflowsWhereEnglishFits(font, small, text, source.strings[textsource::ENGLISH])) {
                image.fill(TEXT_X + BOX_WIDTH, y, 6, row.height - ROW_GAP, PROBLEM);
                ++tooWide;
                std::printf("too wide: %d\n", row.id);
            }
            int baseline = y + font.definition.height;
            for (const std::vector<Unit>& line : wrapped(font, small, linesOf(text))) {
                const int width = lineWidth(font, small, line);
                int x = TEXT_X;
                if (source.alignment == 1) {
                    x += (BOX_WIDTH - width) / 2;
                } else if (source.alignment == 2) {
                    x += BOX_WIDTH - width;
                }
                drawLine(image, font, small, line, std::max(x, TEXT_X), baseline, TEXT);
                baseline += lineHeight;
            }
            y += row.height;
        }
        std::string path = output;
        if (pages.size() > 1) {
            const size_t dot = output.rfind('.');
            const std::string suffix = "-" + std::to_string(page + 1);
            path = dot == std::string::npos ? output + suffix : output.substr(0, dot) + suffix + output.substr(dot);
        }
        if (!image.writeBmp(path)) {
            std::fprintf(stderr, "textpreview: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    std::printf("%zu texts; %d wider than %d pixels where the English text fits (marked red)\n", rows.size(),
                tooWide, BOX_WIDTH);
    return 0;
}
