#include "guicontrols/DiagramAxes.hpp"

#include "guicontrols/HeatingCurve.hpp"
#include "guicontrols/PlotDrawing.hpp"

#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::Color AXIS_GREY = quillon::colorFromRGB(160, 160, 164);
const int16_t LINE = 5;
const int16_t TICK_LENGTH = 10;

void fillPart(const Rectangle& bar, const Rectangle& clip)
{
    const Rectangle part = bar & clip;
    if (!part.isEmpty()) {
        quillon::HAL::lcd().fillRect(part, AXIS_GREY, 255);
    }
}
} // namespace

void DiagramAxes::draw(const Rectangle& area) const
{
    const Rectangle clip = drawnArea(*this, area);
    if (!visible || clip.isEmpty()) {
        return;
    }
    const Rectangle widget = getAbsoluteRect();
    const int32_t originX = widget.x + HeatingCurve::ORIGIN_X;
    const int32_t originY = widget.y + HeatingCurve::ORIGIN_Y;
    fillPart(Rectangle(static_cast<int16_t>(originX), static_cast<int16_t>(originY), HeatingCurve::PLOT_WIDTH, LINE),
             clip);
    for (int32_t i = 0; i < HeatingCurve::POINTS; ++i) {
        const int32_t x = static_cast<int32_t>(widget.x + 86.0f * i + HeatingCurve::ORIGIN_X);
        fillPart(Rectangle(static_cast<int16_t>(x), static_cast<int16_t>(originY), LINE, TICK_LENGTH), clip);
    }
    fillPart(Rectangle(static_cast<int16_t>(originX), static_cast<int16_t>(originY - HeatingCurve::PLOT_HEIGHT), LINE,
                       HeatingCurve::PLOT_HEIGHT),
             clip);
    for (int32_t i = 0; i < HeatingCurve::FLOW_LABELS; ++i) {
        const int32_t y = static_cast<int32_t>(widget.y + (HeatingCurve::ORIGIN_Y - (HeatingCurve::PLOT_HEIGHT * i) / 4.0));
        fillPart(Rectangle(static_cast<int16_t>(originX - LINE), static_cast<int16_t>(y), LINE, LINE), clip);
    }
}
} // namespace guicontrols
