#ifndef QUILLON_SCREEN_HPP
#define QUILLON_SCREEN_HPP

#include <quillon/DrawListEntry.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/events/ClickEvent.hpp>
#include <quillon/events/DragEvent.hpp>
#include <quillon/events/GestureEvent.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace quillon
{
class Transition;

// One full display page: the root container, the drawable holding the touch focus, and
// the draw list through which every redraw of the page runs.
class Screen
{
public:
    Screen();
    virtual ~Screen() {}

    // Occlusion-culled: pixels under opaque leaves higher up are never drawn.
    // area is in display coordinates.
    virtual void draw(Rectangle& area);
    virtual void setUp() {}
    virtual void onTransitionDone() {}
    virtual void tearDown() {}
    // Events arrive in display coordinates and go to the focus in its own.
    virtual void onClick(const ClickEvent& event);
    virtual void onDrag(const DragEvent& event);
    virtual void onGesture(const GestureEvent& event);
    virtual void onTick() {}
    virtual void onKey(uint8_t key) { (void)key; }

    void add(Drawable& d) { container.add(d); }
    void bindTransition(Transition& transition);
    // The root of what the screen draws, for walking its widgets.
    Container& getRootContainer() { return container; }

protected:
    Container container;
    Drawable* focus;

private:
    // Draws A (display coordinates) with entries index.. of the draw list, topmost first.
    void drawEntries(const Rectangle& area, uint16_t index);

    Vector<DrawListEntry, MAX_DRAWABLES_PER_AREA> drawList;
    uint16_t drawCount;
};
} // namespace quillon

#endif
