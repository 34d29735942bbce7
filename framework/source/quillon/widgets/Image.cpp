#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>
#include <quillon/widgets/Image.hpp>

namespace quillon
{
Image::Image(const Bitmap& bitmap) : bitmap(bitmap), alpha(255)
{
    // An image without a bitmap may be built before the bitmap database is registered.
    if (bitmap != Bitmap(BITMAP_NONE)) {
        setWidth(static_cast<int16_t>(bitmap.getWidth()));
        setHeight(static_cast<int16_t>(bitmap.getHeight()));
    }
}

void Image::setBitmap(const Bitmap& newBitmap)
{
    bitmap = newBitmap;
    setWidth(static_cast<int16_t>(bitmap.getWidth()));
    setHeight(static_cast<int16_t>(bitmap.getHeight()));
}

void Image::draw(const Rectangle& area) const
{
    const Rectangle part = bitmap.getRect() & area;
    if (part.isEmpty()) {
        return;
    }
    const Rectangle position = getAbsoluteRect();
    HAL::lcd().drawBitmapPart(bitmap, position.x, position.y, part, alpha, true);
}

Rectangle Image::getOpaqueArea() const
{
    if (alpha != 255 || bitmap == Bitmap(BITMAP_NONE)) {
        return Rectangle();
    }
    return bitmap.getSolidRect();
}
} // namespace quillon
