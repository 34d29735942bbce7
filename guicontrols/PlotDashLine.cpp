#include "guicontrols/PlotDashLine.hpp"

#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotDrawing.hpp"

namespace guicontrols
{
PlotDashLine::PlotDashLine() : PlotDashLine(0, 0, 0, 0, 1, Palette::entry(10), 2) {}

PlotDashLine::PlotDashLine(int16_t x, int16_t y, int16_t end, uint16_t thickness, uint16_t dashLength,
                           quillon::Color color, uint32_t vertical)
    : x(x), y(y), end(end), thickness(thickness), dashLength(dashLength), color(color), vertical(vertical)
{
}

void PlotDashLine::setLine(int16_t x, int16_t y, int16_t end)
{
    this->x = x;
    this->y = y;
    this->end = end;
}

void PlotDashLine::draw(const quillon::Rectangle& area) const
{
    const quillon::Rectangle clip = drawnArea(*this, area);
    if (!visible || clip.isEmpty()) {
        return;
    }
    if (vertical == 0) {
        drawDashedHorizontalLine(x, y, end, thickness, dashLength, color, clip);
    } else {
        drawDashedVerticalLine(x, y, end, thickness, dashLength, color, clip);
    }
}
} // namespace guicontrols
