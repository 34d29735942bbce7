#include <platform/driver/lcd/Blend.hpp>
#include <platform/driver/lcd/CoverageRuns.hpp>
#include <platform/driver/lcd/GlyphInk.hpp>
#include <platform/driver/lcd/GlyphSpan.hpp>
#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/hal/DisplayTransform.hpp>
#include <quillon/hal/HAL.hpp>

#include <string.h>

namespace quillon
{
namespace
{
int32_t minimum(int32_t a, int32_t b)
{
    return a < b ? a : b;
}

int32_t maximum(int32_t a, int32_t b)
{
    return a > b ? a : b;
}

// The rectangle clipped to the display, computed without 16-bit wrap-around.
Rectangle clipToDisplay(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const int32_t left = maximum(x, 0);
    const int32_t top = maximum(y, 0);
    const int32_t right = minimum(x + width, HAL::SCREEN_WIDTH);
    const int32_t bottom = minimum(y + height, HAL::SCREEN_HEIGHT);
    if (width <= 0 || height <= 0 || right <= left || bottom <= top) {
        return Rectangle();
    }
    return Rectangle(static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right - left),
                     static_cast<int16_t>(bottom - top));
}

uint16_t* pixelAddress(uint16_t* frameBuffer, int32_t x, int32_t y)
{
    return frameBuffer + y * static_cast<int32_t>(HAL::FB_WIDTH) + x;
}

// One line of an alpha-plane copy, in groups of four from the line's first pixel; a group
// (the last one may be shorter) is skipped only when every alpha value in it is 0.
void alphaPlaneRow(uint16_t* row, const uint16_t* from, const uint8_t* alphas, int32_t width, uint8_t alpha)
{
    for (int32_t group = 0; group < width; group += 4) {
        const int32_t end = minimum(group + 4, width);
        if (end - group == 4) {
            uint32_t values;
            memcpy(&values, alphas + group, sizeof(values));
            if (values == 0) {
                continue;
            }
            if (values == 0xFFFFFFFFu && alpha == 255) {
                memcpy(row + group, from + group, 4 * sizeof(uint16_t));
                continue;
            }
        }
        for (int32_t column = group; column < end; ++column) {
            const uint32_t pixelAlpha = alphas[column];
            if (pixelAlpha == 0) {
                continue;
            }
            row[column] = (pixelAlpha == 255 && alpha == 255)
                              ? from[column]
                              : blend::withWeight(row[column], from[column], pixelAlpha * alpha);
        }
    }
}

// Visits the pixels of a copy whose frame-buffer steps are not those of its source (a turned
// display): plot(destination pixel, source index) in source order.
template <class Plot>
void forEachPixel(uint16_t* first, int32_t columnStep, int32_t rowStep, int32_t width, int32_t height,
                  int32_t sourceStride, Plot plot)
{
    for (int32_t line = 0; line < height; ++line, first += rowStep) {
        uint16_t* pixel = first;
        for (int32_t column = 0; column < width; ++column, pixel += columnStep) {
            plot(*pixel, line * sourceStride + column);
        }
    }
}

// Blends the span's coverage values into the frame buffer.
void drawGlyphPixels(uint16_t* frameBuffer, const GlyphSpan& span, const GlyphRecord& glyph, const uint8_t* data,
                     Color color, uint8_t bitsPerPixel, uint8_t alpha)
{
    const uint32_t rotation = span.rotation;
    const int32_t width = span.width;
    const int32_t skipRows = span.skipRows;
    const int32_t firstColumn = span.firstColumn;
    const int32_t lastColumn = span.lastColumn;
    const int32_t firstRow = span.firstRow;
    const int32_t lastRow = span.lastRow;
    int16_t firstX = static_cast<int16_t>(span.startX + firstColumn * COLUMN_DX[rotation] + firstRow * ROW_DX[rotation]);
    int16_t firstY = static_cast<int16_t>(span.startY + firstColumn * COLUMN_DY[rotation] + firstRow * ROW_DY[rotation]);
    DisplayTransform::pointToFrameBuffer(firstX, firstY);
    const bool portrait = HAL::ORIENTATION_SWAPPED != 0;
    const int32_t columnStep = LCD16bpp::glyphColumnStep(portrait, rotation);
    const int32_t rowStep = LCD16bpp::glyphRowStep(portrait, rotation);
    uint16_t* rowStart = pixelAddress(frameBuffer, firstX, firstY);

    const bool rowAligned = bitsPerPixel == 4 && glyph.isRowAligned();
    const int32_t rowBytes = (width + 1) / 2;
#ifdef QUILLON_COVERAGE_RUNS
    // Upright text, the common case: eight pixels of a row at a time.
    if (rowAligned && columnStep == 1) {
        runs::glyphRows(rowStart, rowStep, data + (skipRows + firstRow) * rowBytes, rowBytes, lastRow - firstRow,
                        firstColumn, lastColumn, color, alpha);
        return;
    }
#endif
    // One blend per raw value, worked out once per glyph instead of once per pixel.
    const GlyphInk ink(color, alpha, bitsPerPixel);
    const uint32_t valueMask = (1u << bitsPerPixel) - 1u;
    for (int32_t row = firstRow; row < lastRow; ++row, rowStart += rowStep) {
        const int32_t glyphRow = skipRows + row;
        uint16_t* pixel = rowStart;
        if (rowAligned) {
            // Each row starts on a byte, its first pixel in the low nibble: two pixels a byte.
            const uint8_t* bytes = data + glyphRow * rowBytes;
            int32_t column = firstColumn;
            if ((column & 1) != 0) {
                ink.plotTabled(pixel, bytes[column >> 1] >> 4u);
                ++column;
                pixel += columnStep;
            }
            for (; column + 1 < lastColumn; column += 2, pixel += 2 * columnStep) {
                const uint32_t pair = bytes[column >> 1];
                if (pair != 0) {
                    ink.plotTabled(pixel, pair & 0x0Fu);
                    ink.plotTabled(pixel + columnStep, pair >> 4u);
                }
            }
            if (column < lastColumn) {
                ink.plotTabled(pixel, bytes[column >> 1] & 0x0Fu);
            }
        } else {
            // One stream over the whole glyph, first pixel in the top bits.
            for (int32_t column = firstColumn; column < lastColumn; ++column, pixel += columnStep) {
                const uint32_t bit = static_cast<uint32_t>(glyphRow * width + column) * bitsPerPixel;
                ink.plot(pixel, (static_cast<uint32_t>(data[bit >> 3]) >> (8u - bitsPerPixel - (bit & 7u))) & valueMask);
            }
        }
    }
}
} // namespace

void LCD16bpp::init()
{
    HAL::getInstance()->setTransparentKeyColor(TRANSPARENT_KEY_COLOR);
}

LCD16bpp::FrameBufferWalk LCD16bpp::walkFrom(uint16_t* frameBuffer, const Rectangle& displayArea)
{
    int16_t x = displayArea.x;
    int16_t y = displayArea.y;
    DisplayTransform::pointToFrameBuffer(x, y);
    FrameBufferWalk walk;
    walk.first = pixelAddress(frameBuffer, x, y);
    const bool portrait = HAL::ORIENTATION_SWAPPED != 0;
    // Turned, a display row runs up the frame buffer and the next row lies one to the right.
    walk.columnStep = portrait ? -static_cast<int32_t>(HAL::FB_WIDTH) : 1;
    walk.rowStep = portrait ? 1 : static_cast<int32_t>(HAL::FB_WIDTH);
    return walk;
}

LCD16bpp::ClippedCopy LCD16bpp::clipCopy(const Rectangle& sourceRect, const Rectangle& part)
{
    ClippedCopy result;
    // Never read outside the source block.
    const Rectangle inSource = part & Rectangle(0, 0, sourceRect.width, sourceRect.height);
    if (inSource.isEmpty()) {
        result.sourceOffset = 0;
        return result;
    }
    const int32_t x = sourceRect.x + inSource.x;
    const int32_t y = sourceRect.y + inSource.y;
    result.destination = clipToDisplay(x, y, inSource.width, inSource.height);
    result.sourceOffset = (inSource.y + result.destination.y - y) * static_cast<int32_t>(sourceRect.width) +
                          inSource.x + result.destination.x - x;
    return result;
}

void LCD16bpp::fillRect(const Rectangle& rect, Color color, uint8_t alpha)
{
    if (alpha == 0 || color == TRANSPARENT_KEY_COLOR || rect.isEmpty()) {
        return;
    }
    Rectangle area = clipToDisplay(rect.x, rect.y, rect.width, rect.height);
    if (area.isEmpty()) {
        return;
    }
    DisplayTransform::rectToFrameBuffer(area);
    HAL* hal = HAL::getInstance();
    const uint32_t caps = hal->getBlitCaps();
    if ((alpha < 255 && (caps & BlitFillAlpha) != 0) || (alpha == 255 && (caps & BlitFill) != 0)) {
        hal->blitFill(color, static_cast<uint16_t>(area.x), static_cast<uint16_t>(area.y),
                      static_cast<uint16_t>(area.width), static_cast<uint16_t>(area.height), alpha);
        return;
    }
    uint16_t* row = pixelAddress(hal->acquireFrameBuffer(), area.x, area.y);
    if (alpha == 255) {
        // The first line is filled, the others are copies of it (it stays in the cache).
        const uint16_t* first = row;
        blend::fillRow(row, area.width, color);
        for (int32_t line = 1; line < area.height; ++line) {
            row += HAL::FB_WIDTH;
            memcpy(row, first, static_cast<size_t>(area.width) * sizeof(uint16_t));
        }
    } else {
        for (int32_t line = 0; line < area.height; ++line, row += HAL::FB_WIDTH) {
            blend::blendRowWithColor(row, area.width, color, alpha);
        }
    }
    hal->releaseFrameBuffer();
}

void LCD16bpp::copyRect(const uint16_t* source, const Rectangle& sourceRect, const Rectangle& part, uint8_t alpha,
                        bool keyed)
{
    if (alpha == 0 || source == nullptr) {
        return;
    }
    const ClippedCopy copy = clipCopy(sourceRect, part);
    if (copy.isEmpty()) {
        return;
    }
    const Rectangle& area = copy.destination;
    const uint16_t* from = source + copy.sourceOffset;
    const int32_t sourceStride = sourceRect.width;
    HAL* hal = HAL::getInstance();
    const uint32_t caps = hal->getBlitCaps();
    // An engine copies rows as they are: it cannot turn a block for a turned display.
    if (HAL::ORIENTATION_SWAPPED == 0 &&
        ((alpha < 255 && (caps & BlitCopy16Alpha) != 0) || (keyed && (caps & BlitCopy16Keyed) != 0) ||
         (alpha == 255 && !keyed && (caps & BlitCopy16) != 0))) {
        hal->copyRect(from, static_cast<uint16_t>(area.x), static_cast<uint16_t>(area.y),
                      static_cast<uint16_t>(area.width), static_cast<uint16_t>(area.height),
                      static_cast<uint16_t>(sourceStride), alpha, keyed);
        return;
    }
    const FrameBufferWalk walk = walkFrom(hal->acquireFrameBuffer(), area);
    if (walk.columnStep != 1) {
        // Key pixels stay untouched; the others fade with alpha like the rest of the bitmap.
        forEachPixel(walk.first, walk.columnStep, walk.rowStep, area.width, area.height, sourceStride,
                     [from, alpha, keyed](uint16_t& pixel, int32_t index) {
                         const uint16_t color = from[index];
                         if (!keyed || color != TRANSPARENT_KEY_COLOR) {
                             pixel = alpha == 255 ? color : blend::withAlpha(pixel, color, alpha);
                         }
                     });
        hal->releaseFrameBuffer();
        return;
    }
    uint16_t* row = walk.first;
    for (int32_t line = 0; line < area.height; ++line, row += walk.rowStep, from += sourceStride) {
        if (keyed) {
            for (int32_t column = 0; column < area.width; ++column) {
                const uint16_t pixel = from[column];
                if (pixel != TRANSPARENT_KEY_COLOR) {
                    row[column] = alpha == 255 ? pixel : blend::withAlpha(row[column], pixel, alpha);
                }
            }
        } else if (alpha == 255) {
            hal->blockCopy(row, from, static_cast<uint32_t>(area.width) * 2);
        } else {
            blend::blendRow(row, from, area.width, alpha);
        }
    }
    hal->releaseFrameBuffer();
}

void LCD16bpp::drawBitmapPart(const Bitmap& bitmap, int16_t x, int16_t y, const Rectangle& part, uint8_t alpha,
                              bool)
{
    if (alpha == 0) {
        return;
    }
    const Rectangle bounds = bitmap.getRect();
    const Rectangle drawn = part & bounds;
    const uint8_t* data = bitmap.getData();
    if (drawn.isEmpty() || data == nullptr) {
        return;
    }
    const Rectangle bitmapRect(x, y, bounds.width, bounds.height);
    if (bitmap.getFormat() == BITMAP_ARGB8888) {
        copyRectARGB8888(reinterpret_cast<const uint32_t*>(data), bitmapRect, drawn, alpha);
        return;
    }
    const uint16_t* pixels = reinterpret_cast<const uint16_t*>(data);
    const Rectangle solid = bitmap.getSolidRect();
    if (solid.includes(bounds)) {
        copyRect(pixels, bitmapRect, drawn, alpha, false);
        return;
    }
    const uint8_t* alphaPlane = bitmap.getAlphaData();
    const auto drawNonSolid = [&](const Rectangle& piece) {
        if (alphaPlane != nullptr) {
            copyRectWithAlphaData(pixels, alphaPlane, bitmapRect, piece, alpha);
        } else {
            copyRect(pixels, bitmapRect, piece, alpha, true);
        }
    };
    const Rectangle inner = solid & drawn;
    if (inner.isEmpty()) {
        drawNonSolid(drawn);
        return;
    }
    // The opaque interior is a plain copy; only the strips around it need per-pixel work.
    copyRect(pixels, bitmapRect, inner, alpha, false);
    if (inner.y > drawn.y) {
        drawNonSolid(Rectangle(drawn.x, drawn.y, drawn.width, static_cast<int16_t>(inner.y - drawn.y)));
    }
    if (inner.x > drawn.x) {
        drawNonSolid(Rectangle(drawn.x, inner.y, static_cast<int16_t>(inner.x - drawn.x), inner.height));
    }
    if (drawn.right() > inner.right()) {
        drawNonSolid(Rectangle(inner.right(), inner.y, static_cast<int16_t>(drawn.right() - inner.right()), inner.height));
    }
    if (drawn.bottom() > inner.bottom()) {
        drawNonSolid(Rectangle(drawn.x, inner.bottom(), drawn.width, static_cast<int16_t>(drawn.bottom() - inner.bottom())));
    }
}

void LCD16bpp::copyRectARGB8888(const uint32_t* source, const Rectangle& bitmapRect, const Rectangle& part,
                                uint8_t alpha)
{
    if (alpha == 0 || source == nullptr) {
        return;
    }
    const ClippedCopy copy = clipCopy(bitmapRect, part);
    if (copy.isEmpty()) {
        return;
    }
    const Rectangle& area = copy.destination;
    const uint32_t* from = source + copy.sourceOffset;
    const int32_t sourceStride = bitmapRect.width;
    HAL* hal = HAL::getInstance();
    const uint32_t caps = hal->getBlitCaps();
    if (HAL::ORIENTATION_SWAPPED == 0 &&
        ((alpha == 255 && (caps & BlitCopy32) != 0) || (alpha < 255 && (caps & BlitCopy32Alpha) != 0))) {
        hal->blitCopyARGB8888(from, static_cast<uint16_t>(area.x), static_cast<uint16_t>(area.y),
                              static_cast<uint16_t>(area.width), static_cast<uint16_t>(area.height),
                              static_cast<uint16_t>(sourceStride), alpha);
        return;
    }
    const FrameBufferWalk walk = walkFrom(hal->acquireFrameBuffer(), area);
    forEachPixel(walk.first, walk.columnStep, walk.rowStep, area.width, area.height, sourceStride,
                 [from, alpha](uint16_t& destination, int32_t index) {
                     const uint32_t pixel = from[index];
                     const uint32_t pixelAlpha = pixel >> 24;
                     if (pixelAlpha == 0) {
                         return;
                     }
                     const uint16_t color = blend::fromARGB8888(pixel);
                     destination = (pixelAlpha == 255 && alpha == 255)
                                       ? color
                                       : blend::withWeight(destination, color, pixelAlpha * alpha);
                 });
    hal->releaseFrameBuffer();
}

void LCD16bpp::copyRectWithAlphaData(const uint16_t* pixels, const uint8_t* alphaPlane, const Rectangle& bitmapRect,
                                     const Rectangle& part, uint8_t alpha)
{
    if (alpha == 0 || pixels == nullptr || alphaPlane == nullptr) {
        return;
    }
    const ClippedCopy copy = clipCopy(bitmapRect, part);
    if (copy.isEmpty()) {
        return;
    }
    const Rectangle& area = copy.destination;
    const uint16_t* from = pixels + copy.sourceOffset;
    const uint8_t* alphas = alphaPlane + copy.sourceOffset;
    const int32_t sourceStride = bitmapRect.width;
    HAL* hal = HAL::getInstance();
    const FrameBufferWalk walk = walkFrom(hal->acquireFrameBuffer(), area);
    if (walk.columnStep != 1) {
        forEachPixel(walk.first, walk.columnStep, walk.rowStep, area.width, area.height, sourceStride,
                     [from, alphas, alpha](uint16_t& destination, int32_t index) {
                         const uint32_t pixelAlpha = alphas[index];
                         if (pixelAlpha != 0) {
                             destination = (pixelAlpha == 255 && alpha == 255)
                                               ? from[index]
                                               : blend::withWeight(destination, from[index], pixelAlpha * alpha);
                         }
                     });
        hal->releaseFrameBuffer();
        return;
    }
    uint16_t* row = walk.first;
    for (int32_t line = 0; line < area.height;
         ++line, row += walk.rowStep, from += sourceStride, alphas += sourceStride) {
#ifdef QUILLON_COVERAGE_RUNS
        if (area.width >= runs::LANES) {
            runs::alphaPlaneRow(row, from, alphas, area.width, alpha);
            continue;
        }
#endif
        alphaPlaneRow(row, from, alphas, area.width, alpha);
    }
    hal->releaseFrameBuffer();
}

int32_t LCD16bpp::glyphColumnStep(bool portrait, uint32_t rotation)
{
    const int32_t width = HAL::FB_WIDTH;
    const int32_t landscapeSteps[4] = {1, width, -1, -width};
    const int32_t portraitSteps[4] = {-width, 1, width, -1};
    return portrait ? portraitSteps[rotation & 3] : landscapeSteps[rotation & 3];
}

int32_t LCD16bpp::glyphRowStep(bool portrait, uint32_t rotation)
{
    // A row is the column direction turned a quarter clockwise.
    return glyphColumnStep(portrait, (rotation + 1) & 3);
}

void LCD16bpp::drawGlyph(uint16_t* frameBuffer, const Rectangle& widgetArea, int16_t x, int16_t y,
                         uint16_t skipColumns, uint16_t skipRows, int16_t rightLimit, int16_t bottomLimit,
                         const GlyphRecord* glyph, const uint8_t* data, Color color, uint8_t bitsPerPixel,
                         uint8_t alpha, uint32_t rotation)
{
    if (glyph == nullptr || data == nullptr || frameBuffer == nullptr) {
        return;
    }
    GlyphSpan span;
    if (!placeGlyph(*glyph, widgetArea, x, y, skipColumns, skipRows, rightLimit, bottomLimit, rotation & 3, span)) {
        return;
    }
    if (drawGlyphWithEngine(span, *glyph, data, color, bitsPerPixel, alpha)) {
        return;
    }
    if (clipGlyphToDisplay(span)) {
        drawGlyphPixels(frameBuffer, span, *glyph, data, color, bitsPerPixel, alpha);
    }
}

void LCD16bpp::copyToAnimationStorage(const Rectangle& rect)
{
    Rectangle area = clipToDisplay(rect.x, rect.y, rect.width, rect.height);
    DisplayTransform::rectToFrameBuffer(area);
    HAL* hal = HAL::getInstance();
    if (!area.isEmpty() && (hal->getBlitCaps() & BlitCopy16) != 0) {
        hal->copyToAnimationStorage(area);
        return;
    }
    // The place the assertion reports is part of the message tools look for.
    QUILLON_ASSERT_AT(HAL::USE_ANIMATION_STORAGE && "Animation storage required",
                      "framework/source/platform/driver/lcd/LCD16bpp", 428);
    const uint16_t* from = pixelAddress(hal->getOutputBuffer(), area.x, area.y);
    uint16_t* to = pixelAddress(hal->getAnimationStorage(), area.x, area.y);
    for (int32_t line = 0; line < area.height; ++line, from += HAL::FB_WIDTH, to += HAL::FB_WIDTH) {
        hal->blockCopy(to, from, static_cast<uint32_t>(area.width) * 2);
    }
}
} // namespace quillon
