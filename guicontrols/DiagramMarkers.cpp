#include "guicontrols/DiagramMarkers.hpp"

#include "guicontrols/HeatingCurve.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotDrawing.hpp"

#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::Color MARKER_ORANGE = quillon::colorFromRGB(242, 148, 0);
const int32_t RADIUS = 6;
const uint16_t GUIDE_DASH = 8;

void fillRow(uint16_t* frameBuffer, int32_t y, int32_t left, int32_t right, quillon::Color color, const Rectangle& clip)
{
    if (y < clip.y || y >= clip.bottom()) {
        return;
    }
    left = left < clip.x ? clip.x : left;
    right = right >= clip.right() ? clip.right() - 1 : right;
    uint16_t* pixel = frameBuffer + y * static_cast<int32_t>(quillon::HAL::FB_WIDTH) + left;
    for (int32_t x = left; x <= right; ++x) {
        *pixel++ = color;
    }
}
} // namespace

void DiagramMarkers::fillEllipse(uint16_t* frameBuffer, int16_t cx, int16_t cy, quillon::Color color,
                                 const Rectangle& clip)
{
    fillRow(frameBuffer, cy, cx - RADIUS, cx + RADIUS, color, clip);
    int32_t halfWidth = RADIUS;
    for (int32_t r = 1; r <= RADIUS; ++r) {
        while (halfWidth > 0 && r * r * RADIUS * RADIUS + halfWidth * halfWidth * RADIUS * RADIUS >
                                    RADIUS * RADIUS * RADIUS * RADIUS) {
            --halfWidth;
        }
        fillRow(frameBuffer, cy - r, cx - halfWidth, cx + halfWidth, color, clip);
        fillRow(frameBuffer, cy + r, cx - halfWidth, cx + halfWidth, color, clip);
    }
}

void DiagramMarkers::draw(const Rectangle& area) const
{
    const Rectangle clip = drawnArea(*this, area);
    if (!visible || clip.isEmpty() || heatingCurve == nullptr) {
        return;
    }
    const Rectangle widget = getAbsoluteRect();
    for (uint8_t i = 0; i < HeatingCurve::POINTS; ++i) {
        const HeatingCurve::CurvePoint& point = heatingCurve->getPoint(i);
        const int16_t px = static_cast<int16_t>(widget.x + HeatingCurve::ORIGIN_X + point.x);
        const int16_t py = static_cast<int16_t>(widget.y + HeatingCurve::ORIGIN_Y - point.y);
        fillEllipse(quillon::HAL::getInstance()->acquireFrameBuffer(), static_cast<int16_t>(px + 1), py,
                    MARKER_ORANGE, clip);
        quillon::HAL::getInstance()->releaseFrameBuffer();
        drawDashedHorizontalLine(px, py, static_cast<int16_t>(widget.x + HeatingCurve::ORIGIN_X), 1, GUIDE_DASH,
                                 Palette::entry(2), clip);
        drawDashedVerticalLine(px, py, static_cast<int16_t>(widget.y + HeatingCurve::ORIGIN_Y), 1, GUIDE_DASH,
                               Palette::entry(2), clip);
    }
}
} // namespace guicontrols
