#ifndef GUICONTROLS_SCROLLBARINDICATOR_HPP
#define GUICONTROLS_SCROLLBARINDICATOR_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Widget.hpp>

namespace guicontrols
{
// The scroll bar's thumb: a top cap, one repeated middle row and a bottom cap, as long as
// the bar makes it.
class ScrollBarIndicator : public quillon::Widget
{
public:
    ScrollBarIndicator();

    void draw(const quillon::Rectangle& area) const override;
    // The thumb's bitmaps are see-through beside the thumb: claiming the whole rectangle
    // would keep the bar's background from being drawn there.
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

private:
    // The bitmap at row y, only where it meets clip (own coordinates).
    void drawPiece(const quillon::Bitmap& bitmap, int16_t y, int16_t height, const quillon::Rectangle& clip) const;
};
} // namespace guicontrols

#endif
