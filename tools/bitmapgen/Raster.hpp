#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bitmapgen {

// One rendered image, straight (not premultiplied) 8-bit channels, row by row.
struct Rgba {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t alpha;
};

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    const Rgba& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Renders an SVG file at its own pixel size. Returns false with a message on failure.
bool renderSvg(const std::string& path, Raster& out, std::string& error);

} // namespace bitmapgen
