#ifndef GUICONTROLS_PLOTDASHLINE_HPP
#define GUICONTROLS_PLOTDASHLINE_HPP

#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
// One dashed line at display coordinates: horizontal from end to x at row y, or vertical
// from row y to row end at column x. The owner sets the widget's rectangle to the plot area
// so that the framework draws it; the line is drawn only inside that rectangle.
class PlotDashLine : public quillon::Widget
{
public:
    PlotDashLine();
    // vertical: 0 horizontal, any other value vertical.
    PlotDashLine(int16_t x, int16_t y, int16_t end, uint16_t thickness, uint16_t dashLength, quillon::Color color,
                 uint32_t vertical);

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // No redraw.
    void setLine(int16_t x, int16_t y, int16_t end);

private:
    int16_t x;
    int16_t y;
    int16_t end;
    uint16_t thickness;
    uint16_t dashLength;
    quillon::Color color;
    uint32_t vertical;
};
} // namespace guicontrols

#endif
