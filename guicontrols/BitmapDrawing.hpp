#ifndef GUICONTROLS_BITMAPDRAWING_HPP
#define GUICONTROLS_BITMAPDRAWING_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Drawable.hpp>

#include <stdint.h>

namespace guicontrols
{
// Drawing a bitmap inside a widget, shared by the buttons and the frame.
class BitmapDrawing
{
public:
    // The bitmap with its origin at (x, y) of the widget, only where it meets area (widget
    // coordinates). Nothing for BITMAP_NONE or alpha 0.
    static void draw(const quillon::Drawable& widget, const quillon::Bitmap& bitmap, int16_t x, int16_t y,
                     const quillon::Rectangle& area, uint8_t alpha);
};
} // namespace guicontrols

#endif
