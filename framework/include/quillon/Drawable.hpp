#ifndef QUILLON_DRAWABLE_HPP
#define QUILLON_DRAWABLE_HPP

#include <quillon/events/ClickEvent.hpp>
#include <quillon/events/DragEvent.hpp>
#include <quillon/events/GestureEvent.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace quillon
{
class Drawable;

// Most visible leaves that may meet one drawn area.
static const uint16_t MAX_DRAWABLES_PER_AREA = 150;
typedef Vector<Drawable*, MAX_DRAWABLES_PER_AREA> DrawableList;

// The base of everything drawn or touched: a rectangle in the parent's coordinates, the
// links into the parent's child list, and the visible and touchable flags. The tree owns
// nothing: linking and unlinking never constructs or destroys a drawable.
class Drawable
{
public:
    Drawable();
    virtual ~Drawable() {}

    // area is in the drawable's own coordinates.
    virtual void draw(const Rectangle& area) const = 0;
    // The part, in own coordinates, covered completely with opaque pixels.
    virtual Rectangle getOpaqueArea() const = 0;

    // area in own coordinates; clipped on its way up and handed to the application.
    virtual void invalidatePart(Rectangle& area) const;
    virtual void invalidate() const;

    // Appends the visible leaves meeting area (own coordinates) in drawing order.
    virtual void collectDrawables(const Rectangle& area, DrawableList& list) = 0;
    virtual Rectangle getOpaqueAreaAbsolute() const;
    // Stores in out the drawable taking a touch at the local point; leaves out alone otherwise.
    virtual void findTouchableAt(int16_t x, int16_t y, Drawable** out) = 0;
    // r in own coordinates becomes the part the ancestors let show, in display coordinates.
    virtual void clipToAncestors(Rectangle& r) const;
    virtual void toScreenCoordinates(Rectangle& r) const;

    // None of the setters redraws.
    virtual void setPosition(int16_t x, int16_t y, int16_t width, int16_t height);
    virtual void setX(int16_t x);
    virtual void setY(int16_t y);
    virtual void setXY(int16_t x, int16_t y);
    virtual void setWidth(int16_t width);
    virtual void setHeight(int16_t height);

    virtual void childrenChanged() {}

    // Events arrive in the drawable's own coordinates.
    virtual void onClick(const ClickEvent& event);
    virtual void onGesture(const GestureEvent& event);
    virtual void onDrag(const DragEvent& event);
    virtual void onTick() {}

    // Unlike the setters, moving invalidates the old and the new place.
    virtual void moveRelative(int16_t dx, int16_t dy);
    virtual void moveTo(int16_t x, int16_t y);

    virtual uint16_t getType() const { return 0; }

    int16_t getX() const { return rect.x; }
    int16_t getY() const { return rect.y; }
    int16_t getWidth() const { return rect.width; }
    int16_t getHeight() const { return rect.height; }
    const Rectangle& getRect() const { return rect; }
    Rectangle getAbsoluteRect() const;
    Drawable* getParent() const { return parent; }
    Drawable* getNextSibling() const { return nextSibling; }

    void setVisible(bool visible) { this->visible = visible; }
    bool isVisible() const { return visible; }
    void setTouchable(bool touchable) { this->touchable = touchable; }
    bool isTouchable() const { return touchable; }

protected:
    Rectangle rect;
    Drawable* parent;
    Drawable* nextSibling;
    bool touchable;
    bool visible;

private:
    // rect is in parent coordinates: to the parent, or to the display for an unlinked one.
    void invalidateInParent(Rectangle area) const;

    friend class Container;
};
} // namespace quillon

#endif
