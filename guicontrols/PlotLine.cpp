#include "guicontrols/PlotLine.hpp"

#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotDrawing.hpp"

#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
PlotLine::PlotLine() : PlotLine(0, 0, 0, 0, Palette::entry(10), 2) {}

PlotLine::PlotLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, quillon::Color color, uint8_t width)
{
    setLine(x0, y0, x1, y1, color, width);
}

void PlotLine::setLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, quillon::Color color, uint8_t width)
{
    this->x0 = x0;
    this->y0 = y0;
    this->x1 = x1;
    this->y1 = y1;
    this->color = color;
    this->width = width;
    const quillon::Rectangle display = displayRect();
    setPosition(0, 0, display.width, display.height);
}

void PlotLine::draw(const quillon::Rectangle& area) const
{
    const quillon::Rectangle clip = drawnArea(*this, area);
    if (!visible || clip.isEmpty()) {
        return;
    }
    drawThickLine(quillon::HAL::getInstance()->acquireFrameBuffer(), x0, x1, y0, y1, color, width, clip);
    quillon::HAL::getInstance()->releaseFrameBuffer();
}
} // namespace guicontrols
