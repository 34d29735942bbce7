#ifndef QUILLON_CONTAINERS_SCROLLABLECONTAINER_HPP
#define QUILLON_CONTAINERS_SCROLLABLECONTAINER_HPP

#include <quillon/containers/Container.hpp>
#include <quillon/events/GestureEvent.hpp>
#include <quillon/widgets/Box.hpp>

namespace quillon
{
// A container whose children form a content area larger than itself. A drag moves the
// content once the finger has passed a threshold; a swipe makes it glide on along a cubic
// ease-out; while a finger is down two thin indicators show where the visible window lies.
// The container keeps the touch focus itself and passes clicks and drags on to the child
// under the finger, cancelling that child's click as soon as the touch turns into a scroll.
//
// The indicators are children of their own, always last in the list (drawn over the
// content); everything that walks the content skips them.
class ScrollableContainer : public Container
{
public:
    ScrollableContainer();

    void findTouchableAt(int16_t x, int16_t y, Drawable** out) override;
    // Moves content that shrank below the container while scrolled back to the top.
    void childrenChanged() override;
    void onClick(const ClickEvent& event) override;
    void onGesture(const GestureEvent& event) override;
    void onDrag(const DragEvent& event) override;
    // One frame of the swipe glide.
    void onTick() override;
    uint16_t getType() const override { return 19; }

    void add(Drawable& d) override;
    // The union of the content's rectangles, without the indicators.
    Rectangle getChildrenArea() const override;
    void moveChildrenRelative(int16_t dx, int16_t dy) override;
    // Moves the content by at most dx, dy, never past the container's edges; returns whether
    // anything moved.
    virtual bool scrollBy(int16_t dx, int16_t dy);

    void enableHorizontalScroll(bool enable) { scrollableX = enable; }
    void enableVerticalScroll(bool enable) { scrollableY = enable; }
    void setScrollbarsVisible(bool visible) { scrollbarsVisible = visible; }
    void setScrollbarsColor(Color color);
    void setScrollbarsAlpha(uint8_t alpha);
    void setScrollbarPadding(uint8_t padding) { scrollbarPadding = padding; }
    void setScrollbarWidth(uint8_t width) { scrollbarWidth = width; }
    int16_t getScrolledX() const { return scrolledXDistance; }
    int16_t getScrolledY() const { return scrolledYDistance; }

protected:
    // Indicator rectangles and the areas to repaint around them, in container coordinates;
    // empty when there is nothing to indicate or no room for a track.
    Rectangle getXScrollbar() const;
    Rectangle getYScrollbar() const;
    Rectangle getXBorder(const Rectangle& xBar, const Rectangle& yBar) const;
    Rectangle getYBorder(const Rectangle& xBar, const Rectangle& yBar) const;
    // Places both indicators and repaints their tracks.
    void refreshIndicators();

    // The content drawable under a point in container coordinates; null for none.
    Drawable* drawableAt(int16_t x, int16_t y);
    // A click at a point in container coordinates, in the target's own coordinates.
    void forwardClick(Drawable* target, ClickEvent::ClickEventType type, int16_t x, int16_t y);
    int16_t forwardedX(const Drawable* target, int16_t x) const;
    int16_t forwardedY(const Drawable* target, int16_t y) const;
    void stopAnimation();

    uint8_t scrollbarPadding;
    uint8_t scrollbarWidth;
    uint8_t scrollbarAlpha;
    Color scrollbarColor;
    uint16_t maxVelocity;
    GestureEvent::GestureEventType gestureType;
    Box xSlider;
    Box ySlider;
    Drawable* pressedDrawable;
    Drawable* lastDraggableChild;
    int16_t scrolledXDistance;
    int16_t scrolledYDistance;
    int16_t scrollThreshold;
    int16_t pressedX;
    int16_t pressedY;
    bool isPressed;
    bool isScrolling;
    bool scrollableX;
    bool scrollableY;
    bool scrollbarsVisible;
    uint16_t animationDuration;
    int16_t animationStart;
    int16_t animationDistance;
    uint16_t animationCounter;
    bool animate;
};
} // namespace quillon

#endif
