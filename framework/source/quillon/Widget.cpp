#include <quillon/Widget.hpp>

namespace quillon
{
void Widget::collectDrawables(const Rectangle& area, DrawableList& list)
{
    (void)area;
    list.add(this);
}

void Widget::findTouchableAt(int16_t x, int16_t y, Drawable** out)
{
    (void)x;
    (void)y;
    if (visible && touchable) {
        *out = this;
    }
}
} // namespace quillon
