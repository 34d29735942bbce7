#ifndef GUICONTROLS_PLOTDRAWING_HPP
#define GUICONTROLS_PLOTDRAWING_HPP

#include <quillon/Drawable.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

// Drawing shared by the charts and the heating-curve diagram. Lines are written straight
// into the frame buffer (row stride: the frame-buffer width) or filled through the renderer,
// at display coordinates. Every routine takes a clip rectangle in display coordinates and
// writes nothing outside it or the display; the overloads without one clip to the display.
namespace guicontrols
{
// The row of value in a plot area of the given top and height, the maximum at the top row
// and the minimum at top + height; values beyond the range are clamped. An empty range
// (minimum = maximum) gives the top row for the maximum and the bottom row below it.
int32_t valueToPixel(float value, float top, float height, float minimum, float maximum);

// The points of the line drawThickLine draws, in its order, each handed to plot(x, y).
template <class Plot>
void traceLine(int32_t x0, int32_t x1, int32_t y0, int32_t y1, Plot&& plot)
{
    const int32_t sx = x1 > x0 ? 1 : (x1 < x0 ? -1 : 0);
    const int32_t sy = y1 > y0 ? 1 : (y1 < y0 ? -1 : 0);
    const int32_t ax = 2 * (x1 > x0 ? x1 - x0 : x0 - x1);
    const int32_t ay = 2 * (y1 > y0 ? y1 - y0 : y0 - y1);
    int32_t x = x0;
    int32_t y = y0;
    plot(x, y);
    if (ax < ay) {
        int32_t error = -(ay / 2);
        for (;;) {
            error += ax;
            if (y == y1) {
                break;
            }
            // An exact tie steps only downwards, so a line and its reverse differ.
            if (error >= 0 && (error != 0 || sy > 0)) {
                error -= ay;
                x += sx;
            }
            y += sy;
            plot(x, y);
        }
    } else {
        int32_t error = -(ax / 2);
        for (;;) {
            error += ay;
            if (x == x1) {
                break;
            }
            if (error >= 0 && (error != 0 || sx > 0)) {
                error -= ax;
                y += sy;
            }
            x += sx;
            plot(x, y);
        }
    }
}

// Bresenham from (x0, y0) to (x1, y1); each point is a horizontal run of width pixels
// starting width / 2 left of it.
void drawThickLine(uint16_t* frameBuffer, int16_t x0, int16_t x1, int16_t y0, int16_t y1, quillon::Color color,
                   uint8_t width, const quillon::Rectangle& clip);
void drawThickLine(uint16_t* frameBuffer, int16_t x0, int16_t x1, int16_t y0, int16_t y1, quillon::Color color,
                   uint8_t width);

// Dashes of dash pixels where (position / dash) is odd, from the start while it lies before
// the end; the last dash may reach dash - 1 pixels past the end. A dash of 0 draws nothing.
void drawDashedHorizontalLine(int16_t xEnd, int16_t y, int16_t xStart, uint16_t thickness, uint16_t dash,
                              quillon::Color color, const quillon::Rectangle& clip);
void drawDashedHorizontalLine(int16_t xEnd, int16_t y, int16_t xStart, uint16_t thickness, uint16_t dash,
                              quillon::Color color);
void drawDashedVerticalLine(int16_t x, int16_t yStart, int16_t yEnd, uint16_t thickness, uint16_t dash,
                            quillon::Color color, const quillon::Rectangle& clip);
void drawDashedVerticalLine(int16_t x, int16_t yStart, int16_t yEnd, uint16_t thickness, uint16_t dash,
                            quillon::Color color);

// The display as a rectangle, and the part of a drawable's redrawn area (own coordinates)
// that its ancestors and the display let show, in display coordinates.
quillon::Rectangle displayRect();
quillon::Rectangle drawnArea(const quillon::Drawable& drawable, const quillon::Rectangle& area);
} // namespace guicontrols

#endif
