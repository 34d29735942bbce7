#include "Raster.hpp"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>

namespace bitmapgen {

namespace {

uint8_t unpremultiply(uint32_t channel, uint32_t alpha)
{
    return static_cast<uint8_t>((channel * 255 + alpha / 2) / alpha);
}

} // namespace

bool renderSvg(const std::string& path, Raster& out, std::string& error)
{
    GError* gerror = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &gerror);
    if (handle == nullptr) {
        error = gerror != nullptr ? gerror->message : "cannot read";
        if (gerror != nullptr) {
            g_error_free(gerror);
        }
        return false;
    }
    double width = 0;
    double height = 0;
    // Sources state their size in pixels; anything else has no fixed pixel size.
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height) || width < 1 || height < 1 ||
        width != std::floor(width) || height != std::floor(height)) {
        error = "no whole-pixel width and height";
        g_object_unref(handle);
        return false;
    }
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, out.width, out.height);
    cairo_t* cairo = cairo_create(surface);
    const RsvgRectangle viewport = {0, 0, width, height};
    const bool rendered = rsvg_handle_render_document(handle, cairo, &viewport, &gerror);
    cairo_destroy(cairo);
    g_object_unref(handle);
    if (!rendered) {
        error = gerror != nullptr ? gerror->message : "cannot render";
        if (gerror != nullptr) {
            g_error_free(gerror);
        }
        cairo_surface_destroy(surface);
        return false;
    }

    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, Rgba{0, 0, 0, 0});
    for (int y = 0; y < out.height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < out.width; ++x) {
            // Cairo keeps premultiplied ARGB in native 32-bit words.
            const uint32_t word = row[x];
            const uint32_t alpha = word >> 24;
            Rgba& pixel = out.pixels[static_cast<size_t>(y) * out.width + x];
            pixel.alpha = static_cast<uint8_t>(alpha);
            if (alpha != 0) {
                pixel.red = unpremultiply((word >> 16) & 0xFF, alpha);
                pixel.green = unpremultiply((word >> 8) & 0xFF, alpha);
                pixel.blue = unpremultiply(word & 0xFF, alpha);
            }
        }
    }
    cairo_surface_destroy(surface);
    return true;
}

} // namespace bitmapgen
