#include "guicontrols/IconButton.hpp"

#include "guicontrols/BitmapDrawing.hpp"

namespace guicontrols
{
void IconButton::draw(const quillon::Rectangle& area) const
{
    RepeatableButton::draw(area);
    drawIcon(area);
}

void IconButton::drawIcon(const quillon::Rectangle& area) const
{
    const int16_t x = static_cast<int16_t>(getWidth() / 2 - icon.getWidth() / 2);
    const int16_t y = static_cast<int16_t>(getHeight() / 2 - icon.getHeight() / 2);
    BitmapDrawing::draw(*this, icon, x, y, area, alpha);
}
} // namespace guicontrols
