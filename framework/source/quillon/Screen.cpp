#include <quillon/Screen.hpp>
#include <quillon/Transition.hpp>
#include <quillon/hal/HAL.hpp>

namespace quillon
{
Screen::Screen() : container(), focus(0), drawList(), drawCount(0)
{
    container.setPosition(0, 0, static_cast<int16_t>(HAL::SCREEN_WIDTH), static_cast<int16_t>(HAL::SCREEN_HEIGHT));
    // The entries are filled once; every draw only rebinds those it uses.
    for (uint16_t i = 0; i < drawList.capacity(); ++i) {
        drawList.add(DrawListEntry());
    }
}

void Screen::draw(Rectangle& area)
{
    const Rectangle drawn = area & container.getRect();

    DrawableList drawables;
    container.collectDrawables(drawn, drawables);
    drawables.reverse(); // topmost first

    for (uint16_t i = 0; i < drawables.size(); ++i) {
        drawList[i].setWidget(drawables[i]);
    }
    drawCount = drawables.size();
    if (drawCount != 0) {
        drawEntries(drawn, 0);
    }
}

// Everything beneath entry index is drawn before the entry itself, but only where the
// entry's opaque part does not cover the area: the rest of the area is cut into at most
// four bands around the covered part.
//
//   +-----------------+
//   |       top       |
//   +------+---+------+
//   | left | W | right|
//   +------+---+------+
//   |     bottom      |
//   +-----------------+
void Screen::drawEntries(const Rectangle& area, uint16_t index)
{
    if (area.isEmpty()) {
        return;
    }
    DrawListEntry& entry = drawList[index];
    const Rectangle visible = entry.getCachedVisibleRect();
    const bool hasEntriesBeneath = index + 1 < drawCount;
    const uint16_t next = static_cast<uint16_t>(index + 1);

    if (!visible.intersects(area)) {
        if (hasEntriesBeneath) {
            drawEntries(area, next);
        }
        return;
    }

    if (hasEntriesBeneath) {
        Rectangle covered = entry.getWidget()->getOpaqueArea();
        covered.x = static_cast<int16_t>(covered.x + entry.getCachedAbsX());
        covered.y = static_cast<int16_t>(covered.y + entry.getCachedAbsY());
        covered &= area;
        covered &= visible;

        if (covered.isEmpty()) {
            drawEntries(area, next);
        } else if (covered != area) {
            if (covered.y > area.y) {
                drawEntries(Rectangle(area.x, area.y, area.width, static_cast<int16_t>(covered.y - area.y)), next);
            }
            if (covered.x > area.x) {
                drawEntries(Rectangle(area.x, covered.y, static_cast<int16_t>(covered.x - area.x), covered.height),
                            next);
            }
            if (area.right() > covered.right()) {
                drawEntries(Rectangle(covered.right(), covered.y, static_cast<int16_t>(area.right() - covered.right()),
                                      covered.height),
                            next);
            }
            if (area.bottom() > covered.bottom()) {
                drawEntries(Rectangle(area.x, covered.bottom(), area.width,
                                      static_cast<int16_t>(area.bottom() - covered.bottom())),
                            next);
            }
        }
    }

    Rectangle own = area & visible;
    if (!own.isEmpty()) {
        own.x = static_cast<int16_t>(own.x - entry.getCachedAbsX());
        own.y = static_cast<int16_t>(own.y - entry.getCachedAbsY());
        entry.draw(own);
    }
}

// The drawable that took the press gets every click until the release or cancel,
// wherever the finger is.
void Screen::onClick(const ClickEvent& event)
{
    if (event.getType() == ClickEvent::PRESSED) {
        if (focus != 0) {
            return; // a second finger while the first one holds the focus
        }
        container.findTouchableAt(event.getX(), event.getY(), &focus);
    }
    if (focus == 0) {
        return;
    }
    const Rectangle absolute = focus->getAbsoluteRect();
    focus->onClick(ClickEvent(event.getType(), static_cast<int16_t>(event.getX() - absolute.x),
                              static_cast<int16_t>(event.getY() - absolute.y), 0));
    if (event.getType() != ClickEvent::PRESSED) {
        focus = 0;
    }
}

void Screen::onDrag(const DragEvent& event)
{
    if (focus == 0) {
        return;
    }
    const Rectangle absolute = focus->getAbsoluteRect();
    if (absolute.contains(event.getOldX(), event.getOldY()) && !absolute.contains(event.getNewX(), event.getNewY())) {
        focus->onClick(ClickEvent(ClickEvent::CANCEL, 0, 0, 0)); // the finger has just left it
    }
    focus->onDrag(DragEvent(event.getType(), static_cast<int16_t>(event.getOldX() - absolute.x),
                            static_cast<int16_t>(event.getOldY() - absolute.y),
                            static_cast<int16_t>(event.getNewX() - absolute.x),
                            static_cast<int16_t>(event.getNewY() - absolute.y)));
}

void Screen::onGesture(const GestureEvent& event)
{
    if (focus == 0) {
        return;
    }
    const Rectangle absolute = focus->getAbsoluteRect();
    focus->onGesture(GestureEvent(event.getType(), event.getVelocity(), static_cast<int16_t>(event.getX() - absolute.x),
                                  static_cast<int16_t>(event.getY() - absolute.y)));
}

void Screen::bindTransition(Transition& transition)
{
    transition.setScreenContainer(container);
}
} // namespace quillon
