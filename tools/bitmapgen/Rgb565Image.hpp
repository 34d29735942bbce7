#pragma once

#include "Raster.hpp"

#include <cstdint>
#include <vector>

namespace bitmapgen {

struct SolidRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A bitmap as the panel stores it: RGB565 pixels, an alpha plane only when some pixel
// is not fully opaque, and the largest fully opaque rectangle.
struct Rgb565Image {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
    std::vector<uint8_t> alpha; // empty when every pixel is opaque
    SolidRect solid;
};

uint16_t toRgb565(uint8_t red, uint8_t green, uint8_t blue);

Rgb565Image toRgb565Image(const Raster& raster);

// Largest rectangle of cells with opaque[y * width + x] set. Among equal areas the one
// found first (lowest bottom row, then leftmost) wins, so the result is reproducible.
SolidRect largestOpaqueRect(const std::vector<bool>& opaque, int width, int height);

} // namespace bitmapgen
