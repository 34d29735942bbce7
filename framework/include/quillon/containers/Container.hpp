#ifndef QUILLON_CONTAINERS_CONTAINER_HPP
#define QUILLON_CONTAINERS_CONTAINER_HPP

#include <quillon/Callback.hpp>
#include <quillon/Drawable.hpp>

namespace quillon
{
// A drawable holding a singly linked list of children in drawing order:
//
//   firstChild -> a -> b -> c -> null      (a drawn first, c on top)
//
// The children are linked through their own next-sibling fields; nothing is owned.
class Container : public Drawable
{
public:
    Container();

    void draw(const Rectangle& area) const override;
    // A container by itself covers nothing.
    Rectangle getOpaqueArea() const override { return Rectangle(); }
    void collectDrawables(const Rectangle& area, DrawableList& list) override;
    void findTouchableAt(int16_t x, int16_t y, Drawable** out) override;
    uint16_t getType() const override { return 17; }

    virtual void add(Drawable& d);
    virtual void remove(Drawable& d);
    virtual void removeAll();
    // Forgets the list without touching the children's links.
    virtual void clearChildList();
    virtual bool contains(const Drawable& d) const;
    // Links d after previous (first when previous is null); nothing when previous is no child.
    virtual void insert(Drawable* previous, Drawable& d);
    virtual void forEachChild(GenericCallback<Drawable&>& callback);
    // Union of the children's rectangles, visible or not; empty children do not count.
    virtual Rectangle getChildrenArea() const;
    virtual void moveChildrenRelative(int16_t dx, int16_t dy);

protected:
    Drawable* firstChild;
};
} // namespace quillon

#endif
