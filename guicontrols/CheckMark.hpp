#ifndef GUICONTROLS_CHECKMARK_HPP
#define GUICONTROLS_CHECKMARK_HPP

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/ICheckable.hpp"

namespace guicontrols
{
// The check-mark overlay of the checkable buttons: a bitmap at the button's origin, at full
// alpha, while checked.
inline void drawCheckMark(const quillon::Drawable& button, const ICheckable& state, const quillon::Bitmap& overlay,
                          const quillon::Rectangle& area)
{
    if (state.isChecked()) {
        BitmapDrawing::draw(button, overlay, 0, 0, area, 255);
    }
}
} // namespace guicontrols

#endif
