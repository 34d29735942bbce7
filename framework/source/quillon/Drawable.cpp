#include <quillon/Application.hpp>
#include <quillon/Drawable.hpp>

namespace quillon
{
Drawable::Drawable() : rect(), parent(0), nextSibling(0), touchable(false), visible(true) {}

void Drawable::invalidatePart(Rectangle& area) const
{
    area.x = static_cast<int16_t>(area.x + rect.x);
    area.y = static_cast<int16_t>(area.y + rect.y);
    area &= rect;
    if (parent != 0) {
        parent->invalidatePart(area);
        return;
    }
    // Before the application exists there is nothing to redraw into.
    Application* application = Application::getInstance();
    if (application != 0) {
        application->invalidateScreenArea(area);
    }
}

void Drawable::invalidate() const
{
    Rectangle area(0, 0, rect.width, rect.height);
    invalidatePart(area);
}

Rectangle Drawable::getOpaqueAreaAbsolute() const
{
    Rectangle area = getOpaqueArea();
    toScreenCoordinates(area);
    return area;
}

void Drawable::clipToAncestors(Rectangle& r) const
{
    r.x = static_cast<int16_t>(r.x + rect.x);
    r.y = static_cast<int16_t>(r.y + rect.y);
    r &= rect;
    if (!r.isEmpty() && parent != 0) {
        parent->clipToAncestors(r);
    }
}

void Drawable::toScreenCoordinates(Rectangle& r) const
{
    r.x = static_cast<int16_t>(r.x + rect.x);
    r.y = static_cast<int16_t>(r.y + rect.y);
    if (parent != 0) {
        parent->toScreenCoordinates(r);
    }
}

Rectangle Drawable::getAbsoluteRect() const
{
    Rectangle absolute(0, 0, rect.width, rect.height);
    toScreenCoordinates(absolute);
    return absolute;
}

void Drawable::setPosition(int16_t x, int16_t y, int16_t width, int16_t height)
{
    rect = Rectangle(x, y, width, height);
}

void Drawable::setX(int16_t x)
{
    rect.x = x;
}

void Drawable::setY(int16_t y)
{
    rect.y = y;
}

void Drawable::setXY(int16_t x, int16_t y)
{
    setX(x);
    setY(y);
}

void Drawable::setWidth(int16_t width)
{
    rect.width = width;
}

void Drawable::setHeight(int16_t height)
{
    rect.height = height;
}

void Drawable::onClick(const ClickEvent& event)
{
    (void)event;
}

void Drawable::onGesture(const GestureEvent& event)
{
    (void)event;
}

void Drawable::onDrag(const DragEvent& event)
{
    (void)event;
}

void Drawable::moveRelative(int16_t dx, int16_t dy)
{
    if (dx == 0 && dy == 0) {
        return;
    }
    const Rectangle oldRect = rect;
    setXY(static_cast<int16_t>(rect.x + dx), static_cast<int16_t>(rect.y + dy));
    invalidateInParent(oldRect);
    invalidateInParent(rect);
}

void Drawable::moveTo(int16_t x, int16_t y)
{
    moveRelative(static_cast<int16_t>(x - rect.x), static_cast<int16_t>(y - rect.y));
}

void Drawable::invalidateInParent(Rectangle area) const
{
    if (parent != 0) {
        parent->invalidatePart(area);
        return;
    }
    Application* application = Application::getInstance();
    if (application != 0) {
        application->invalidateScreenArea(area);
    }
}
} // namespace quillon
