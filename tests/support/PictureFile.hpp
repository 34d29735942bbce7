#ifndef QUILLON_TEST_PICTUREFILE_HPP
#define QUILLON_TEST_PICTUREFILE_HPP

#include <cstdint>
#include <string>
#include <vector>

namespace quillon
{
namespace test
{
// RGB565 pixels, top row first: what the display holds.
struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;

    uint16_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Writes the picture as an 8-bit RGB PNG, each channel widened from its 5 or 6 bits by
// repeating its top bits (lossless: reading it back gives every pixel as drawn). The folders
// of the path must exist. False when the file could not be written.
bool writePng(const std::string& path, const Picture& picture);
// A PNG as writePng writes it (any 8-bit colour PNG), reduced to RGB565.
bool readPng(const std::string& path, Picture& picture);
// A 24-bit BMP as the program's F3 screenshot writes it, reduced to RGB565.
bool readBmp(const std::string& path, Picture& picture);

// The share of pixels (0..1) that differ between two pictures of one size; 1 when the sizes differ.
double differingShare(const Picture& a, const Picture& b);
// The same within the rectangle (left, top, width, height), which lies inside both.
double differingShare(const Picture& a, const Picture& b, int left, int top, int width, int height);
} // namespace test
} // namespace quillon

#endif
