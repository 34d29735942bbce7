#ifndef GUICONTROLS_CHECKABLEICONBUTTON_HPP
#define GUICONTROLS_CHECKABLEICONBUTTON_HPP

#include "guicontrols/ICheckable.hpp"
#include "guicontrols/IconButton.hpp"

namespace guicontrols
{
// A IconButton with a check-mark overlay while checked.
class CheckableIconButton : public IconButton, public ICheckable
{
public:
    CheckableIconButton() : checkMark(17) {}

    void draw(const quillon::Rectangle& area) const override;
    void setCheckMarkBitmap(const quillon::Bitmap& bitmap) { checkMark = bitmap; }
    quillon::BitmapId getCheckMarkBitmap() const { return checkMark.getId(); }

private:
    quillon::Bitmap checkMark;
};
} // namespace guicontrols

#endif
