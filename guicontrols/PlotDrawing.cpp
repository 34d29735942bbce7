#include "guicontrols/PlotDrawing.hpp"

#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
// One point of a thick line: width pixels from x - width / 2, cut to the clip.
void writeRun(uint16_t* frameBuffer, int32_t x, int32_t y, uint8_t width, quillon::Color color, const Rectangle& clip)
{
    if (y < clip.y || y >= clip.bottom()) {
        return;
    }
    int32_t left = x - width / 2;
    int32_t right = left + width;
    left = left < clip.x ? clip.x : left;
    right = right > clip.right() ? clip.right() : right;
    uint16_t* pixel = frameBuffer + y * static_cast<int32_t>(quillon::HAL::FB_WIDTH) + left;
    for (int32_t column = left; column < right; ++column) {
        *pixel++ = color;
    }
}

void fillDash(const Rectangle& dash, quillon::Color color, const Rectangle& clip)
{
    const Rectangle part = dash & clip & displayRect();
    if (!part.isEmpty()) {
        quillon::HAL::lcd().fillRect(part, color, 255);
    }
}
} // namespace

Rectangle displayRect()
{
    return Rectangle(0, 0, static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH),
                     static_cast<int16_t>(quillon::HAL::SCREEN_HEIGHT));
}

Rectangle drawnArea(const quillon::Drawable& drawable, const Rectangle& area)
{
    Rectangle part = area;
    drawable.clipToAncestors(part);
    return part.isEmpty() ? Rectangle() : part & displayRect();
}

int32_t valueToPixel(float value, float top, float height, float minimum, float maximum)
{
    if (maximum == minimum) {
        // No scale to divide by: the maximum is the top row, anything below it the bottom.
        return static_cast<int32_t>(value >= maximum ? top : top + height);
    }
    if (value >= maximum) {
        value = maximum;
    } else if (value <= minimum) {
        value = minimum;
    }
    const long double scale = static_cast<long double>(height) / (static_cast<long double>(maximum) - minimum);
    return static_cast<int32_t>(static_cast<long double>(top) + (static_cast<long double>(maximum) - value) * scale);
}

void drawThickLine(uint16_t* frameBuffer, int16_t x0, int16_t x1, int16_t y0, int16_t y1, quillon::Color color,
                   uint8_t width, const Rectangle& clip)
{
    const Rectangle bounds = clip & displayRect();
    if (frameBuffer == nullptr || bounds.isEmpty() || width == 0) {
        return;
    }
    traceLine(x0, x1, y0, y1, [&](int32_t x, int32_t y) { writeRun(frameBuffer, x, y, width, color, bounds); });
}

void drawThickLine(uint16_t* frameBuffer, int16_t x0, int16_t x1, int16_t y0, int16_t y1, quillon::Color color,
                   uint8_t width)
{
    drawThickLine(frameBuffer, x0, x1, y0, y1, color, width, displayRect());
}

void drawDashedHorizontalLine(int16_t xEnd, int16_t y, int16_t xStart, uint16_t thickness, uint16_t dash,
                              quillon::Color color, const Rectangle& clip)
{
    if (dash == 0 || thickness == 0) {
        return;
    }
    for (int32_t x = xStart; x < xEnd; x += dash) {
        if ((x / dash) % 2 != 0) {
            fillDash(Rectangle(static_cast<int16_t>(x), y, static_cast<int16_t>(dash), static_cast<int16_t>(thickness)),
                     color, clip);
        }
    }
}

void drawDashedHorizontalLine(int16_t xEnd, int16_t y, int16_t xStart, uint16_t thickness, uint16_t dash,
                              quillon::Color color)
{
    drawDashedHorizontalLine(xEnd, y, xStart, thickness, dash, color, displayRect());
}

void drawDashedVerticalLine(int16_t x, int16_t yStart, int16_t yEnd, uint16_t thickness, uint16_t dash,
                            quillon::Color color, const Rectangle& clip)
{
    if (dash == 0 || thickness == 0) {
        return;
    }
    for (int32_t y = yStart; y < yEnd; y += dash) {
        if ((y / dash) % 2 != 0) {
            fillDash(Rectangle(x, static_cast<int16_t>(y), static_cast<int16_t>(thickness), static_cast<int16_t>(dash)),
                     color, clip);
        }
    }
}

void drawDashedVerticalLine(int16_t x, int16_t yStart, int16_t yEnd, uint16_t thickness, uint16_t dash,
                            quillon::Color color)
{
    drawDashedVerticalLine(x, yStart, yEnd, thickness, dash, color, displayRect());
}
} // namespace guicontrols
