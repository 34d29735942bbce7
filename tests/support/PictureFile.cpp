#include "PictureFile.hpp"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace quillon
{
namespace test
{
namespace
{
uint8_t widen5(uint16_t value) { return static_cast<uint8_t>(value << 3 | value >> 2); }
uint8_t widen6(uint16_t value) { return static_cast<uint8_t>(value << 2 | value >> 4); }

uint16_t narrow(uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}
} // namespace

bool writePng(const std::string& path, const Picture& picture)
{
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height) {
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    // libpng reports its errors by a long jump back here.
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // The channels' own depths, so that a reader may take back the 5-6-5 values.
    png_color_8 significant = {};
    significant.red = 5;
    significant.green = 6;
    significant.blue = 5;
    png_set_sBIT(png, info, &significant);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(picture.width) * 3);
    for (int y = 0; y < picture.height; ++y) {
        const uint16_t* pixels = &picture.pixels[static_cast<size_t>(y) * picture.width];
        for (int x = 0; x < picture.width; ++x) {
            const uint16_t c = pixels[x];
            row[x * 3 + 0] = widen5(c >> 11);
            row[x * 3 + 1] = widen6((c >> 5) & 0x3F);
            row[x * 3 + 2] = widen5(c & 0x1F);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

bool readPng(const std::string& path, Picture& picture)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = narrow(bytes[i * 3], bytes[i * 3 + 1], bytes[i * 3 + 2]);
    }
    return true;
}

bool readBmp(const std::string& path, Picture& picture)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    auto u32 = [&bytes](size_t at) {
        return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
               uint32_t(bytes[at + 3]) << 24;
    };
    const uint32_t offset = u32(10);
    const int32_t width = int32_t(u32(18));
    const int32_t height = int32_t(u32(22));
    const uint16_t depth = uint16_t(bytes[28] | bytes[29] << 8);
    const int rows = height < 0 ? -height : height;
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    if (depth != 24 || width <= 0 || bytes.size() < offset + stride * rows) {
        return false;
    }
    picture.width = width;
    picture.height = rows;
    picture.pixels.resize(size_t(width) * rows);
    for (int y = 0; y < rows; y++) {
        // Bottom row first unless the height is negative.
        const size_t row = offset + stride * size_t(height < 0 ? y : rows - 1 - y);
        for (int x = 0; x < width; x++) {
            const uint8_t* bgr = &bytes[row + 3 * size_t(x)];
            picture.pixels[size_t(y) * width + x] = narrow(bgr[2], bgr[1], bgr[0]);
        }
    }
    return true;
}

double differingShare(const Picture& a, const Picture& b)
{
    return differingShare(a, b, 0, 0, a.width, a.height);
}

double differingShare(const Picture& a, const Picture& b, int left, int top, int width, int height)
{
    if (a.width != b.width || a.height != b.height || width <= 0 || height <= 0 || left < 0 || top < 0 ||
        left + width > a.width || top + height > a.height) {
        return 1.0;
    }
    size_t differing = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            differing += a.at(x, y) != b.at(x, y) ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(width) * height);
}
} // namespace test
} // namespace quillon
