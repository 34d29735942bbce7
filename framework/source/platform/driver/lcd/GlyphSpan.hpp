#ifndef QUILLON_PLATFORM_DRIVER_LCD_GLYPHSPAN_HPP
#define QUILLON_PLATFORM_DRIVER_LCD_GLYPHSPAN_HPP

#include <quillon/Font.hpp>
#include <quillon/hal/BlitOp.hpp>
#include <quillon/hal/DisplayTransform.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

#include <stdint.h>

// Where a glyph goes before its pixels are blended: the renderer's glyph steps up to them.
namespace quillon
{
inline int32_t spanMinimum(int32_t a, int32_t b)
{
    return a < b ? a : b;
}

inline int32_t spanMaximum(int32_t a, int32_t b)
{
    return a > b ? a : b;
}

// The range [first, last) of steps n for which start + n * direction stays in [0, limit).
inline void stepsInside(int32_t start, int32_t direction, int32_t limit, int32_t& first, int32_t& last)
{
    if (direction > 0) {
        first = spanMaximum(first, -start);
        last = spanMinimum(last, limit - start);
    } else if (direction < 0) {
        first = spanMaximum(first, start - limit + 1);
        last = spanMinimum(last, start + 1);
    } else if (start < 0 || start >= limit) {
        last = first; // the whole line lies off the display
    }
}

// Display direction of one glyph column and one glyph row for each text rotation.
const int8_t COLUMN_DX[4] = {1, 0, -1, 0};
const int8_t COLUMN_DY[4] = {0, 1, 0, -1};
const int8_t ROW_DX[4] = {0, -1, 0, 1};
const int8_t ROW_DY[4] = {1, 0, -1, 0};

// The part of a glyph to draw: its columns and rows, and where its column 0 of the first
// drawn row lies on the display.
struct GlyphSpan
{
    int32_t width;
    int32_t height;
    int32_t skipRows;
    uint32_t rotation;
    int32_t firstColumn;
    int32_t lastColumn; // exclusive
    int32_t firstRow;   // counted from the first drawn row
    int32_t lastRow;    // exclusive
    int32_t startX;
    int32_t startY;
    bool unclipped; // nothing cut by the limits, the display or the skips
};

// Applies the left bearing to the skip, clips to the limits of the text frame and finds the
// display position; false when nothing of the glyph is left.
inline bool placeGlyph(const GlyphRecord& glyph, const Rectangle& widgetArea, int16_t x, int16_t y, uint16_t skipColumns,
                uint16_t skipRows, int16_t rightLimit, int16_t bottomLimit, uint32_t rotation, GlyphSpan& span)
{
    span.width = glyph.getWidth();
    span.height = glyph.getHeight();
    if (span.width == 0 || span.height == 0) {
        return false;
    }
    int32_t xOffset = x;
    int32_t skip = skipColumns;
    if (skip == 0) {
        xOffset += glyph.left;
    } else {
        skip -= glyph.left;
        if (skip < 0) {
            xOffset -= skip;
            skip = 0;
        }
    }
    span.skipRows = skipRows;
    span.rotation = rotation;
    span.firstColumn = skip;
    span.lastColumn = spanMinimum(span.width, rightLimit - xOffset + skip);
    span.firstRow = 0;
    span.lastRow = spanMinimum(span.height - skipRows, bottomLimit - y);
    if (span.lastRow <= 0 || span.firstColumn >= span.lastColumn) {
        return false;
    }
    const int32_t columnZero = xOffset - skip;
    span.startX = LCD::glyphStartX(widgetArea, static_cast<int16_t>(columnZero), y, rotation);
    span.startY = LCD::glyphStartY(widgetArea, static_cast<int16_t>(columnZero), y, rotation);
    span.unclipped = skip == 0 && skipRows == 0 && xOffset + span.width <= rightLimit &&
                     y + span.height <= bottomLimit && span.startX >= 0 && span.startY >= 0 &&
                     span.startX + span.width <= HAL::SCREEN_WIDTH && span.startY + span.height <= HAL::SCREEN_HEIGHT;
    return true;
}

// Hands a whole glyph that lies upright in the frame buffer to the engine when it can draw
// its format; false when the software has to.
inline bool drawGlyphWithEngine(const GlyphSpan& span, const GlyphRecord& glyph, const uint8_t* data, Color color,
                         uint8_t bitsPerPixel, uint8_t alpha)
{
    const bool portrait = HAL::ORIENTATION_SWAPPED != 0;
    const bool upright = (span.rotation == 0 && !portrait) || (span.rotation == 1 && portrait);
    if (!upright || !span.unclipped) {
        return false;
    }
    HAL* hal = HAL::getInstance();
    const uint32_t caps = hal->getBlitCaps();
    uint32_t operation = 0;
    if ((caps & BlitGlyph4) != 0 && bitsPerPixel == 4 && glyph.isRowAligned()) {
        operation = BlitGlyph4;
    } else if ((caps & BlitGlyph8) != 0 && bitsPerPixel == 8) {
        operation = BlitGlyph8;
    }
    if (operation == 0) {
        return false;
    }
    int16_t engineX = static_cast<int16_t>(span.startX);
    int16_t engineY = static_cast<int16_t>(span.startY);
    DisplayTransform::pointToFrameBuffer(engineX, engineY);
    const uint16_t stride = static_cast<uint16_t>(bitsPerPixel == 8 ? span.width : (span.width + 1) & ~1);
    hal->blitCopyWithOperation(data, static_cast<uint16_t>(engineX), static_cast<uint16_t>(engineY), stride,
                               static_cast<uint16_t>(span.height), stride, color, alpha, operation);
    return true;
}

// Keeps every written pixel on the display, whatever the rotation; false when none is left.
inline bool clipGlyphToDisplay(GlyphSpan& span)
{
    const uint32_t r = span.rotation;
    stepsInside(span.startX, COLUMN_DX[r], HAL::SCREEN_WIDTH, span.firstColumn, span.lastColumn);
    stepsInside(span.startY, COLUMN_DY[r], HAL::SCREEN_HEIGHT, span.firstColumn, span.lastColumn);
    stepsInside(span.startX, ROW_DX[r], HAL::SCREEN_WIDTH, span.firstRow, span.lastRow);
    stepsInside(span.startY, ROW_DY[r], HAL::SCREEN_HEIGHT, span.firstRow, span.lastRow);
    return span.firstColumn < span.lastColumn && span.firstRow < span.lastRow;
}
} // namespace quillon

#endif
