#ifndef QUILLON_DRAWLISTENTRY_HPP
#define QUILLON_DRAWLISTENTRY_HPP

#include <quillon/Assert.hpp>
#include <quillon/Drawable.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace quillon
{
// One leaf of an occlusion-culled draw with its geometry cached for that draw only.
// "Computed" is kept in flags: every coordinate, -1 included, is a valid position.
class DrawListEntry
{
public:
    DrawListEntry()
        : widget(0), visibleRect(), visibleRectComputed(false), absoluteX(0), absoluteY(0), absoluteComputed(false)
    {
    }

    void setWidget(Drawable* d)
    {
        widget = d;
        visibleRectComputed = false;
        absoluteComputed = false;
    }

    Drawable* getWidget() const { return widget; }

    // The part of the widget its ancestors let show, in display coordinates.
    const Rectangle& getCachedVisibleRect()
    {
        QUILLON_ASSERT(widget != 0);
        if (!visibleRectComputed) {
            visibleRect = Rectangle(0, 0, widget->getWidth(), widget->getHeight());
            widget->clipToAncestors(visibleRect);
            visibleRectComputed = true;
        }
        return visibleRect;
    }

    int16_t getCachedAbsX()
    {
        computeAbsolutePosition();
        return absoluteX;
    }

    int16_t getCachedAbsY()
    {
        computeAbsolutePosition();
        return absoluteY;
    }

    void draw(const Rectangle& area) const { widget->draw(area); }

private:
    void computeAbsolutePosition()
    {
        if (!absoluteComputed) {
            QUILLON_ASSERT(widget != 0);
            const Rectangle absolute = widget->getAbsoluteRect();
            absoluteX = absolute.x;
            absoluteY = absolute.y;
            absoluteComputed = true;
        }
    }

    Drawable* widget;
    Rectangle visibleRect;
    bool visibleRectComputed;
    int16_t absoluteX;
    int16_t absoluteY;
    bool absoluteComputed;
};
} // namespace quillon

#endif
