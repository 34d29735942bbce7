#ifndef QUILLON_WIDGET_HPP
#define QUILLON_WIDGET_HPP

#include <quillon/Drawable.hpp>

namespace quillon
{
// A drawable without children; draw and getOpaqueArea are left to the concrete widget.
class Widget : public Drawable
{
public:
    // The parent has already tested the area.
    void collectDrawables(const Rectangle& area, DrawableList& list) override;
    void findTouchableAt(int16_t x, int16_t y, Drawable** out) override;
    uint16_t getType() const override { return 1; }
};
} // namespace quillon

#endif
