// Contact sheet of the bitmap database for review: every bitmap as the panel stores it
// (RGB565 and alpha plane, over a checkerboard that shows transparent parts), with its id
// and name ("*" marks an alpha plane), packed in rows into one PNG.
//
//   contactsheet <manifest.tsv> <svg folder> <count> <output.png>

#include "BitmapSet.hpp"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace bitmapgen;

namespace {

const int SHEET_WIDTH = 2400;
const int GAP = 12;
const int LABEL_HEIGHT = 16;
const int MIN_CELL_WIDTH = 96;
const int CHECKER = 8;

struct Placement {
    int x;
    int y;
};

uint32_t expand(uint16_t pixel, uint8_t alpha, bool lightSquare)
{
    // RGB565 back to 8 bits per channel, blended over the checkerboard.
    const uint32_t r = ((pixel >> 11) & 0x1F) * 255 / 31;
    const uint32_t g = ((pixel >> 5) & 0x3F) * 255 / 63;
    const uint32_t b = (pixel & 0x1F) * 255 / 31;
    const uint32_t back = lightSquare ? 0x48 : 0x30;
    const auto mix = [&](uint32_t c) { return (c * alpha + back * (255 - alpha)) / 255; };
    return 0xFF000000u | (mix(r) << 16) | (mix(g) << 8) | mix(b);
}

void drawImage(cairo_surface_t* sheet, const Rgb565Image& image, int left, int top)
{
    unsigned char* data = cairo_image_surface_get_data(sheet);
    const int stride = cairo_image_surface_get_stride(sheet);
    for (int y = 0; y < image.height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(top + y) * stride) + left;
        for (int x = 0; x < image.width; ++x) {
            const size_t i = static_cast<size_t>(y) * image.width + x;
            const uint8_t alpha = image.alpha.empty() ? 255 : image.alpha[i];
            row[x] = expand(image.pixels[i], alpha, ((x / CHECKER) + (y / CHECKER)) % 2 == 0);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc == 5 ? std::atoi(argv[3]) : 0;
    if (count <= 0) {
        std::fprintf(stderr, "usage: contactsheet <manifest.tsv> <svg folder> <count> <output.png>\n");
        return 1;
    }
    std::vector<ManifestEntry> entries;
    std::vector<Rgb565Image> images;
    std::vector<std::string> errors;
    if (!loadBitmapSet(argv[1], argv[2], count, entries, images, errors)) {
        for (const std::string& error : errors) {
            std::fprintf(stderr, "contactsheet: %s\n", error.c_str());
        }
        return 1;
    }

    // Shelf packing in id order: a row ends when the next cell does not fit.
    std::vector<Placement> places(images.size());
    int x = GAP;
    int y = GAP;
    int rowHeight = 0;
    for (size_t i = 0; i < images.size(); ++i) {
        const int cellWidth = std::max(images[i].width, MIN_CELL_WIDTH);
        if (x + cellWidth + GAP > SHEET_WIDTH && x > GAP) {
            x = GAP;
            y += rowHeight + LABEL_HEIGHT + GAP;
            rowHeight = 0;
        }
        places[i] = Placement{x, y};
        x += cellWidth + GAP;
        rowHeight = std::max(rowHeight, images[i].height);
    }
    const int sheetHeight = y + rowHeight + LABEL_HEIGHT + GAP;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SHEET_WIDTH, sheetHeight);
    cairo_t* cairo = cairo_create(sheet);
    cairo_set_source_rgb(cairo, 0.1, 0.1, 0.12);
    cairo_paint(cairo);
    cairo_surface_flush(sheet);
    for (size_t i = 0; i < images.size(); ++i) {
        drawImage(sheet, images[i], places[i].x, places[i].y);
    }
    cairo_surface_mark_dirty(sheet);

    cairo_select_font_face(cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, 11);
    for (size_t i = 0; i < images.size(); ++i) {
        const Rgb565Image& image = images[i];
        char label[96];
        std::snprintf(label, sizeof label, "%d %s%s", entries[i].id, entries[i].name.c_str(),
                      image.alpha.empty() ? "" : " *");
        cairo_set_source_rgb(cairo, 0.92, 0.92, 0.92);
        cairo_save(cairo);
        cairo_rectangle(cairo, places[i].x, places[i].y + image.height,
                        std::max(image.width, MIN_CELL_WIDTH) + GAP / 2, LABEL_HEIGHT);
        cairo_clip(cairo);
        cairo_move_to(cairo, places[i].x, places[i].y + image.height + 12);
        cairo_show_text(cairo, label);
        cairo_restore(cairo);
    }
    cairo_destroy(cairo);
    const cairo_status_t written = cairo_surface_write_to_png(sheet, argv[4]);
    cairo_surface_destroy(sheet);
    if (written != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "contactsheet: cannot write %s: %s\n", argv[4], cairo_status_to_string(written));
        return 1;
    }
    std::printf("contactsheet: %zu bitmaps written to %s\n", images.size(), argv[4]);
    return 0;
}
