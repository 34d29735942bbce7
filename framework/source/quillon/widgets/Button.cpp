#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>
#include <quillon/widgets/Button.hpp>

namespace quillon
{
void Button::setBitmaps(const Bitmap& released, const Bitmap& pressedBitmap)
{
    up = released;
    down = pressedBitmap;
    // The plain setters: a derived button's own sizing must not run from here.
    Drawable::setWidth(static_cast<int16_t>(down.getWidth()));
    Drawable::setHeight(static_cast<int16_t>(down.getHeight()));
}

void Button::draw(const Rectangle& area) const
{
    const Bitmap& bitmap = getCurrentlyDisplayedBitmap();
    if (bitmap == Bitmap(BITMAP_NONE)) {
        return;
    }
    const Rectangle part = bitmap.getRect() & area;
    if (part.isEmpty()) {
        return;
    }
    const Rectangle position = getAbsoluteRect();
    HAL::lcd().drawBitmapPart(bitmap, position.x, position.y, part, alpha, true);
}

Rectangle Button::getOpaqueArea() const
{
    const Bitmap& bitmap = getCurrentlyDisplayedBitmap();
    if (alpha != 255 || bitmap == Bitmap(BITMAP_NONE)) {
        return Rectangle();
    }
    return bitmap.getSolidRect();
}
} // namespace quillon
