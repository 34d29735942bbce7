// Build-time generator of the bitmap database and the window icon.
//
//   bitmapgen database <manifest.tsv> <svg folder> <count> <output folder> <chunks>
//       writes BitmapTable.cpp (records, getTable, getCount) and BitmapPixels<k>.cpp
//       (pixel and alpha data, bitmap ids with id % chunks == k)
//   bitmapgen xpm <icon.svg> <width> <height> <colours> <output.cpp>
//       writes windowIconXpm() returning the icon as XPM lines
//
// Any problem is printed and ends the run with status 1, which fails the build.

#include "WriteIfChanged.hpp"
#include "BitmapSet.hpp"
#include "SourceWriter.hpp"
#include "Xpm.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace bitmapgen;

namespace {

const char* const GENERATED_NOTE = "// Generated at build time by tools/bitmapgen; do not edit.\n";

int fail(const std::vector<std::string>& errors)
{
    for (const std::string& error : errors) {
        std::fprintf(stderr, "bitmapgen: %s\n", error.c_str());
    }
    return 1;
}

int fail(const std::string& error)
{
    return fail(std::vector<std::string>{error});
}

bool toNumber(const char* text, int& value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < 1 || parsed > 100000) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

// Writes only when the text changed, so an unchanged table does not recompile.
std::string symbol(const char* kind, int id)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%03d", kind, id);
    return name;
}

std::string pixelChunk(const std::vector<ManifestEntry>& entries, const std::vector<Rgb565Image>& images,
                       int chunks, int chunk)
{
    std::ostringstream out;
    out << GENERATED_NOTE << "#include <stdint.h>\n\nnamespace bitmapdata\n{\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].id % chunks != chunk) {
            continue;
        }
        const Rgb565Image& image = images[i];
        const std::vector<uint8_t> pixels = pixelBytes(image);
        out << "\n// " << entries[i].id << " " << entries[i].name << ", " << image.width << " x " << image.height
            << "\nalignas(4) extern const uint8_t " << symbol("pixels", entries[i].id) << "[" << pixels.size() + 1
            << "] =\n";
        writeByteLiteral(out, pixels.data(), pixels.size());
        out << ";\n";
        if (!image.alpha.empty()) {
            out << "alignas(4) extern const uint8_t " << symbol("alpha", entries[i].id) << "["
                << image.alpha.size() + 1 << "] =\n";
            writeByteLiteral(out, image.alpha.data(), image.alpha.size());
            out << ";\n";
        }
    }
    out << "} // namespace bitmapdata\n";
    return out.str();
}

std::string table(const std::vector<ManifestEntry>& entries, const std::vector<Rgb565Image>& images)
{
    std::ostringstream out;
    out << GENERATED_NOTE << "#include \"BitmapDatabase.hpp\"\n\nnamespace bitmapdata\n{\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        out << "extern const uint8_t " << symbol("pixels", entries[i].id) << "[];\n";
        if (!images[i].alpha.empty()) {
            out << "extern const uint8_t " << symbol("alpha", entries[i].id) << "[];\n";
        }
    }
    out << "} // namespace bitmapdata\n\nnamespace\n{\nconst quillon::BitmapRecord records[" << entries.size()
        << "] = {\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        const Rgb565Image& image = images[i];
        const int id = entries[i].id;
        out << "    {bitmapdata::" << symbol("pixels", id) << ", "
            << (image.alpha.empty() ? std::string("nullptr") : "bitmapdata::" + symbol("alpha", id)) << ", "
            << image.width << ", " << image.height << ", " << image.solid.x << ", " << image.solid.y << ", "
            << image.solid.width << ", " << image.solid.height << ", quillon::BITMAP_RGB565}, // " << id << " "
            << entries[i].name << "\n";
    }
    out << "};\n} // namespace\n\n"
        << "const quillon::BitmapRecord* BitmapDatabase::getTable()\n{\n    return records;\n}\n\n"
        << "uint16_t BitmapDatabase::getCount()\n{\n    return " << entries.size() << ";\n}\n";
    return out.str();
}

int generateDatabase(int argc, char** argv)
{
    int count = 0;
    int chunks = 0;
    if (argc != 7 || !toNumber(argv[4], count) || !toNumber(argv[6], chunks)) {
        return fail("usage: bitmapgen database <manifest> <svg folder> <count> <output folder> <chunks>");
    }
    std::vector<ManifestEntry> entries;
    std::vector<Rgb565Image> images;
    std::vector<std::string> errors;
    if (!loadBitmapSet(argv[2], argv[3], count, entries, images, errors)) {
        return fail(errors);
    }
    const std::string folder = argv[5];
    if (!tools::writeIfChanged(folder + "/BitmapTable.cpp", table(entries, images))) {
        return fail("cannot write " + folder + "/BitmapTable.cpp");
    }
    for (int chunk = 0; chunk < chunks; ++chunk) {
        const std::string path = folder + "/BitmapPixels" + std::to_string(chunk) + ".cpp";
        if (!tools::writeIfChanged(path, pixelChunk(entries, images, chunks, chunk))) {
            return fail("cannot write " + path);
        }
    }
    return 0;
}

int generateIcon(int argc, char** argv)
{
    int width = 0;
    int height = 0;
    int colours = 0;
    if (argc != 7 || !toNumber(argv[3], width) || !toNumber(argv[4], height) || !toNumber(argv[5], colours)) {
        return fail("usage: bitmapgen xpm <icon.svg> <width> <height> <colours> <output.cpp>");
    }
    Raster raster;
    std::string error;
    if (!renderSvg(argv[2], raster, error)) {
        return fail(std::string(argv[2]) + ": " + error);
    }
    if (raster.width != width || raster.height != height) {
        return fail(std::string(argv[2]) + ": renders at " + std::to_string(raster.width) + " x " +
                    std::to_string(raster.height) + ", expected " + std::to_string(width) + " x " +
                    std::to_string(height));
    }
    const std::vector<std::string> lines = toXpm(raster, colours);
    std::ostringstream out;
    out << GENERATED_NOTE << "#include \"WindowIcon.hpp\"\n\nnamespace\n{\nconst char* const xpm[] = {\n";
    for (const std::string& line : lines) {
        out << "    \"" << line << "\",\n";
    }
    out << "};\n} // namespace\n\nconst char* const* windowIconXpm()\n{\n    return xpm;\n}\n";
    if (!tools::writeIfChanged(argv[6], out.str())) {
        return fail(std::string("cannot write ") + argv[6]);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "database") {
        return generateDatabase(argc, argv);
    }
    if (mode == "xpm") {
        return generateIcon(argc, argv);
    }
    return fail("usage: bitmapgen database ... | bitmapgen xpm ...");
}
