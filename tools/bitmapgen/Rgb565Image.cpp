#include "Rgb565Image.hpp"

namespace bitmapgen {

uint16_t toRgb565(uint8_t red, uint8_t green, uint8_t blue)
{
    // Low bits are dropped, as the panel's own colour conversion does.
    return static_cast<uint16_t>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

Rgb565Image toRgb565Image(const Raster& raster)
{
    Rgb565Image image;
    image.width = raster.width;
    image.height = raster.height;
    const size_t count = raster.pixels.size();
    image.pixels.resize(count);
    std::vector<bool> opaque(count);
    bool anyTranslucent = false;
    for (size_t i = 0; i < count; ++i) {
        const Rgba& p = raster.pixels[i];
        // A pixel nothing shows of keeps no colour, so equal pictures give equal data.
        image.pixels[i] = p.alpha == 0 ? 0 : toRgb565(p.red, p.green, p.blue);
        opaque[i] = p.alpha == 255;
        anyTranslucent = anyTranslucent || p.alpha != 255;
    }
    if (anyTranslucent) {
        image.alpha.resize(count);
        for (size_t i = 0; i < count; ++i) {
            image.alpha[i] = raster.pixels[i].alpha;
        }
    }
    image.solid = largestOpaqueRect(opaque, image.width, image.height);
    return image;
}

SolidRect largestOpaqueRect(const std::vector<bool>& opaque, int width, int height)
{
    SolidRect best;
    long bestArea = 0;
    // Per row, the run of opaque cells ending there in each column; the largest
    // rectangle under that histogram is found with a stack of rising bars.
    std::vector<int> runs(static_cast<size_t>(width) + 1, 0);
    std::vector<int> stack;
    stack.reserve(static_cast<size_t>(width) + 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            runs[x] = opaque[static_cast<size_t>(y) * width + x] ? runs[x] + 1 : 0;
        }
        runs[width] = 0; // sentinel flushes the stack
        stack.clear();
        for (int x = 0; x <= width; ++x) {
            while (!stack.empty() && runs[stack.back()] >= runs[x]) {
                const int barHeight = runs[stack.back()];
                stack.pop_back();
                const int left = stack.empty() ? 0 : stack.back() + 1;
                const long area = static_cast<long>(barHeight) * (x - left);
                if (area > bestArea) {
                    bestArea = area;
                    best = SolidRect{left, y - barHeight + 1, x - left, barHeight};
                }
            }
            stack.push_back(x);
        }
    }
    return best;
}

} // namespace bitmapgen
