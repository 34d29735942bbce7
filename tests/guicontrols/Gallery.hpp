#ifndef GUICONTROLS_TESTS_GALLERY_HPP
#define GUICONTROLS_TESTS_GALLERY_HPP

#include <quillon/hal/Types.hpp>

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace guicontrols
{
namespace test
{
// Writes RGB565 pixels (width x height, row by row) as a 16-bit BMP with RGB565 masks (the
// display's own format, lossless and a third smaller than 24 bits) under the gallery folder of
// the build tree; returns false when the file could not be written.
inline bool writeGalleryBmp(const std::string& name, int width, int height, const std::vector<quillon::Color>& pixels)
{
#ifdef GALLERY_DIR
    const std::string folder = GALLERY_DIR;
#else
    const std::string folder = "widget-gallery";
#endif
    // A name may hold sub-folders of its own: make every folder of the path.
    const std::string path = folder + "/" + name + ".bmp";
    for (std::string::size_type slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        mkdir(path.substr(0, slash).c_str(), 0755);
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const uint32_t headerSize = 14 + 40 + 12; // file header, info header, three colour masks
    const uint32_t rowBytes = static_cast<uint32_t>((width * 2 + 3) & ~3);
    const uint32_t dataSize = rowBytes * static_cast<uint32_t>(height);
    uint8_t header[headerSize] = {'B', 'M'};
    auto put32 = [&header](int offset, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            header[offset + i] = static_cast<uint8_t>(value >> (8 * i));
        }
    };
    put32(2, headerSize + dataSize);
    put32(10, headerSize);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    header[26] = 1;
    header[28] = 16;
    put32(30, 3); // bit fields
    put32(34, dataSize);
    put32(54, 0xF800);
    put32(58, 0x07E0);
    put32(62, 0x001F);
    std::fwrite(header, 1, sizeof(header), file);
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) { // bottom row first
        for (int x = 0; x < width; ++x) {
            const quillon::Color c = pixels[static_cast<size_t>(y) * width + x];
            row[x * 2 + 0] = static_cast<uint8_t>(c & 0xFF);
            row[x * 2 + 1] = static_cast<uint8_t>(c >> 8);
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    return std::fclose(file) == 0;
}
} // namespace test
} // namespace guicontrols

#endif
