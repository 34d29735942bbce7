#ifndef GUICONTROLS_PLOTLINE_HPP
#define GUICONTROLS_PLOTLINE_HPP

#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
// One thick straight line at display coordinates. The widget always covers the whole
// display, so any redraw that meets the line redraws its part there.
class PlotLine : public quillon::Widget
{
public:
    PlotLine();
    PlotLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, quillon::Color color, uint8_t width);

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // Also sizes the widget to the whole display again. No redraw.
    void setLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, quillon::Color color, uint8_t width);

private:
    int16_t x0;
    int16_t y0;
    int16_t x1;
    int16_t y1;
    quillon::Color color;
    uint8_t width;
};
} // namespace guicontrols

#endif
