#include "guicontrols/BitmapDrawing.hpp"

#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

namespace guicontrols
{
void BitmapDrawing::draw(const quillon::Drawable& widget, const quillon::Bitmap& bitmap, int16_t x, int16_t y,
                         const quillon::Rectangle& area, uint8_t alpha)
{
    if (bitmap == quillon::Bitmap(quillon::BITMAP_NONE) || alpha == 0) {
        return;
    }
    quillon::Rectangle part = area;
    part.x = static_cast<int16_t>(part.x - x);
    part.y = static_cast<int16_t>(part.y - y);
    part &= bitmap.getRect();
    if (part.isEmpty()) {
        return;
    }
    quillon::Rectangle position(x, y, 0, 0);
    widget.toScreenCoordinates(position);
    quillon::HAL::lcd().drawBitmapPart(bitmap, position.x, position.y, part, alpha, true);
}
} // namespace guicontrols
