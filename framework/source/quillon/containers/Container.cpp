#include <quillon/Assert.hpp>
#include <quillon/containers/Container.hpp>

namespace quillon
{
Container::Container() : Drawable(), firstChild(0) {}

void Container::draw(const Rectangle& area) const
{
    if (!visible) {
        return;
    }
    for (const Drawable* child = firstChild; child != 0; child = child->nextSibling) {
        if (!child->visible) {
            continue;
        }
        Rectangle part = area & child->rect;
        if (part.isEmpty()) {
            continue;
        }
        part.x = static_cast<int16_t>(part.x - child->rect.x);
        part.y = static_cast<int16_t>(part.y - child->rect.y);
        child->draw(part);
    }
}

void Container::collectDrawables(const Rectangle& area, DrawableList& list)
{
    if (!visible) {
        return;
    }
    for (Drawable* child = firstChild; child != 0; child = child->nextSibling) {
        if (!child->visible || !child->rect.intersects(area)) {
            continue;
        }
        Rectangle part = area & child->rect;
        part.x = static_cast<int16_t>(part.x - child->rect.x);
        part.y = static_cast<int16_t>(part.y - child->rect.y);
        child->collectDrawables(part, list);
    }
}

// Every hit overwrites out, so the last touchable drawable found wins: a later sibling
// over an earlier one, a child over its container. The container's own visibility was
// tested by its parent.
void Container::findTouchableAt(int16_t x, int16_t y, Drawable** out)
{
    if (touchable) {
        *out = this;
    }
    for (Drawable* child = firstChild; child != 0; child = child->nextSibling) {
        if (child->visible && child->rect.contains(x, y)) {
            child->findTouchableAt(static_cast<int16_t>(x - child->rect.x), static_cast<int16_t>(y - child->rect.y),
                                   out);
        }
    }
}

void Container::add(Drawable& d)
{
    QUILLON_ASSERT(&d != this && "Cannot add Drawable to self");
    if (firstChild == 0) {
        firstChild = &d;
    } else {
        Drawable* head = firstChild;
        while (head->nextSibling != 0) {
            QUILLON_ASSERT(head != &d && "Cannot add Drawable multiple times");
            head = head->nextSibling;
        }
        QUILLON_ASSERT(head != &d && "Cannot add Drawable multiple times");
        head->nextSibling = &d;
    }
    d.parent = this;
    d.nextSibling = 0;
}

void Container::remove(Drawable& d)
{
    if (firstChild == 0) {
        return;
    }
    if (firstChild == &d) {
        firstChild = d.nextSibling;
    } else {
        Drawable* previous = firstChild;
        while (previous->nextSibling != 0 && previous->nextSibling != &d) {
            previous = previous->nextSibling;
        }
        if (previous->nextSibling != &d) {
            return; // not a child: left alone
        }
        previous->nextSibling = d.nextSibling;
    }
    d.parent = 0;
    d.nextSibling = 0;
}

void Container::removeAll()
{
    while (firstChild != 0) {
        Drawable* child = firstChild;
        firstChild = child->nextSibling;
        child->parent = 0;
        child->nextSibling = 0;
    }
}

void Container::clearChildList()
{
    firstChild = 0;
}

bool Container::contains(const Drawable& d) const
{
    for (const Drawable* child = firstChild; child != 0; child = child->nextSibling) {
        if (child == &d) {
            return true;
        }
    }
    return false;
}

void Container::insert(Drawable* previous, Drawable& d)
{
    if (firstChild == 0) {
        add(d);
        return;
    }
    if (previous == 0) {
        d.nextSibling = firstChild;
        firstChild = &d;
        d.parent = this;
        return;
    }
    for (Drawable* child = firstChild; child != 0; child = child->nextSibling) {
        if (child == previous) {
            d.nextSibling = child->nextSibling;
            child->nextSibling = &d;
            d.parent = this;
            return;
        }
    }
}

// The next link is read after the callback returned.
void Container::forEachChild(GenericCallback<Drawable&>& callback)
{
    Drawable* child = firstChild;
    while (child != 0) {
        callback.execute(*child);
        child = child->nextSibling;
    }
}

Rectangle Container::getChildrenArea() const
{
    Rectangle area;
    for (const Drawable* child = firstChild; child != 0; child = child->nextSibling) {
        area.expandToFit(child->rect);
    }
    return area;
}

void Container::moveChildrenRelative(int16_t dx, int16_t dy)
{
    for (Drawable* child = firstChild; child != 0; child = child->nextSibling) {
        child->moveRelative(dx, dy);
    }
}
} // namespace quillon
