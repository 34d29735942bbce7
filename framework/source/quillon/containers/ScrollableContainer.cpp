#include <quillon/EasingEquations.hpp>
#include <quillon/TimerWidgets.hpp>
#include <quillon/containers/ScrollableContainer.hpp>

namespace quillon
{
namespace
{
// Swipe speeds map onto glides of 7 frames per unit of speed and 72 pixels per unit above 4.
const int32_t MIN_GLIDE_VELOCITY = 5;
const int32_t FRAMES_PER_VELOCITY = 7;
const int32_t PIXELS_PER_VELOCITY = 72;
const int32_t VELOCITY_WITHOUT_DISTANCE = 4;

int32_t magnitude(int32_t value)
{
    return value < 0 ? -value : value;
}

// A step along one axis that keeps content larger than the container covering it; content
// that fits does not move. position and length are the content's, extent the container's.
int16_t clampedStep(int16_t step, int16_t position, int16_t length, int16_t extent)
{
    if (length <= extent) {
        return 0;
    }
    if (step < 0 && position + length + step < extent) {
        return static_cast<int16_t>(extent - (position + length));
    }
    if (step > 0 && position + step > 0) {
        return static_cast<int16_t>(-position);
    }
    return step;
}

// One indicator along an axis, in that axis' terms: offset from the track start and length.
struct Indicator
{
    int32_t offset;
    int32_t size;
    bool valid;
};

// What an indicator on the other axis, when there is one, takes from the end of a track.
int32_t crossingRoom(bool crossed, int32_t thickness, int32_t padding)
{
    return crossed ? thickness + 2 * padding + 1 : 0;
}

// position and length are the content's along the axis, extent the container's; other is the
// room the crossing indicator takes from the end of the track.
Indicator indicatorOnAxis(int32_t position, int32_t length, int32_t extent, int32_t padding, int32_t thickness,
                          int32_t other)
{
    const int32_t full = extent - 2 * padding - 2 - other;
    // A track of no length has no room for an indicator (and the formulas below divide by it).
    if (full <= 0) {
        return Indicator{0, 0, false};
    }
    int32_t before = (-position * extent) / length;
    const int32_t after = (extent * (position + length - extent)) / length;
    int32_t size = full - (before + after);
    if (size < 2 * thickness) {
        before = before - ((2 * thickness - size) * before) / full;
        size = 2 * thickness;
    }
    return Indicator{before, size, true};
}
} // namespace

ScrollableContainer::ScrollableContainer()
    : Container(),
      scrollbarPadding(2),
      scrollbarWidth(2),
      scrollbarAlpha(120),
      scrollbarColor(0xFFFF),
      maxVelocity(17),
      gestureType(GestureEvent::SWIPE_VERTICAL),
      xSlider(0, 0, scrollbarColor, scrollbarAlpha),
      ySlider(0, 0, scrollbarColor, scrollbarAlpha),
      pressedDrawable(nullptr),
      lastDraggableChild(nullptr),
      scrolledXDistance(0),
      scrolledYDistance(0),
      scrollThreshold(5),
      pressedX(0),
      pressedY(0),
      isPressed(false),
      isScrolling(false),
      scrollableX(true),
      scrollableY(true),
      scrollbarsVisible(true),
      animationDuration(0),
      animationStart(0),
      animationDistance(0),
      animationCounter(0),
      animate(false)
{
    setTouchable(true);
    xSlider.setVisible(false);
    ySlider.setVisible(false);
}

void ScrollableContainer::setScrollbarsColor(Color color)
{
    scrollbarColor = color;
    xSlider.setColor(color);
    ySlider.setColor(color);
}

void ScrollableContainer::setScrollbarsAlpha(uint8_t alpha)
{
    scrollbarAlpha = alpha;
    xSlider.setAlpha(alpha);
    ySlider.setAlpha(alpha);
}

void ScrollableContainer::add(Drawable& d)
{
    Container::remove(xSlider);
    Container::remove(ySlider);
    Container::add(d);
    Container::add(xSlider);
    Container::add(ySlider);
}

Rectangle ScrollableContainer::getChildrenArea() const
{
    Rectangle area;
    for (const Drawable* child = firstChild; child != nullptr; child = child->getNextSibling()) {
        if (child != &xSlider && child != &ySlider) {
            area.expandToFit(child->getRect());
        }
    }
    return area;
}

void ScrollableContainer::moveChildrenRelative(int16_t dx, int16_t dy)
{
    for (Drawable* child = firstChild; child != nullptr; child = child->getNextSibling()) {
        if (child != &xSlider && child != &ySlider) {
            child->moveRelative(dx, dy);
        }
    }
}

// The container keeps the focus of every touch that starts on it; its children get their
// clicks and drags from it.
void ScrollableContainer::findTouchableAt(int16_t x, int16_t y, Drawable** out)
{
    if (!visible) {
        return;
    }
    if (touchable) {
        *out = this;
        return;
    }
    Container::findTouchableAt(x, y, out);
}

Drawable* ScrollableContainer::drawableAt(int16_t x, int16_t y)
{
    Drawable* found = nullptr;
    Container::findTouchableAt(x, y, &found);
    return found == this ? nullptr : found;
}

// Through display coordinates, so a target nested at any depth, in a container placed
// anywhere, gets the point in its own coordinates.
int16_t ScrollableContainer::forwardedX(const Drawable* target, int16_t x) const
{
    return static_cast<int16_t>(x + getAbsoluteRect().x - target->getAbsoluteRect().x);
}

int16_t ScrollableContainer::forwardedY(const Drawable* target, int16_t y) const
{
    return static_cast<int16_t>(y + getAbsoluteRect().y - target->getAbsoluteRect().y);
}

void ScrollableContainer::forwardClick(Drawable* target, ClickEvent::ClickEventType type, int16_t x, int16_t y)
{
    target->onClick(ClickEvent(type, forwardedX(target, x), forwardedY(target, y), 0));
}

void ScrollableContainer::stopAnimation()
{
    animate = false;
    animationCounter = 0;
    unregisterTimerWidget(this);
}

void ScrollableContainer::onClick(const ClickEvent& event)
{
    if (event.getType() == ClickEvent::PRESSED && animate) {
        stopAnimation(); // the press itself still goes to the child under the finger
    }
    if (event.getType() == ClickEvent::CANCEL) {
        if (pressedDrawable != nullptr) {
            pressedDrawable->onClick(event);
        }
        pressedDrawable = nullptr;
        lastDraggableChild = nullptr;
        isPressed = false;
        xSlider.setVisible(false);
        ySlider.setVisible(false);
        refreshIndicators();
        return;
    }

    Drawable* target = drawableAt(event.getX(), event.getY());
    if (target != nullptr) {
        forwardClick(target, event.getType(), event.getX(), event.getY());
    }
    isScrolling = false;
    if (event.getType() == ClickEvent::PRESSED) {
        lastDraggableChild = target;
        isPressed = true;
        pressedX = event.getX();
        pressedY = event.getY();
        pressedDrawable = target;
    } else {
        pressedDrawable = nullptr;
        lastDraggableChild = nullptr;
        isPressed = false;
    }
    xSlider.setVisible(isPressed && scrollbarsVisible);
    ySlider.setVisible(isPressed && scrollbarsVisible);
    refreshIndicators();
}

void ScrollableContainer::onDrag(const DragEvent& event)
{
    const Rectangle content = getChildrenArea();
    const bool overflowX = content.width > rect.width;
    const bool overflowY = content.height > rect.height;

    if (lastDraggableChild != nullptr && !(overflowX && overflowY)) {
        lastDraggableChild->onDrag(DragEvent(event.getType(), forwardedX(lastDraggableChild, event.getOldX()),
                                             forwardedY(lastDraggableChild, event.getOldY()),
                                             forwardedX(lastDraggableChild, event.getNewX()),
                                             forwardedY(lastDraggableChild, event.getNewY())));
    }

    int16_t stepX = event.getDeltaX();
    int16_t stepY = event.getDeltaY();
    int16_t oldX = event.getOldX();
    int16_t oldY = event.getOldY();
    if (!isScrolling) {
        const int32_t fromPressX = event.getNewX() - pressedX;
        const int32_t fromPressY = event.getNewY() - pressedY;
        const bool starts = (overflowX && magnitude(fromPressX) > scrollThreshold) ||
                            (overflowY && magnitude(fromPressY) > scrollThreshold);
        if (!starts) {
            // The finger left the child it pressed: that child's click is over.
            Drawable* under = drawableAt(event.getNewX(), event.getNewY());
            if (pressedDrawable != nullptr && pressedDrawable != under) {
                forwardClick(pressedDrawable, ClickEvent::CANCEL, pressedX, pressedY);
                pressedDrawable = nullptr;
            }
            return;
        }
        isScrolling = true;
        // The first step moves one pixel only, so the content does not jump by the threshold.
        stepX = fromPressX >= 0 ? 1 : -1;
        stepY = fromPressY >= 0 ? 1 : -1;
        oldX = pressedX;
        oldY = pressedY;
    }

    Drawable* under = drawableAt(oldX, oldY);
    if (under != nullptr) {
        forwardClick(under, ClickEvent::CANCEL, oldX, oldY);
    }
    scrollBy(scrollableX ? stepX : 0, scrollableY ? stepY : 0);
}

void ScrollableContainer::onGesture(const GestureEvent& event)
{
    const Rectangle content = getChildrenArea();
    const bool horizontal = event.getType() == GestureEvent::SWIPE_HORIZONTAL;
    const bool accepted = (scrollableX && content.width > rect.width && horizontal) ||
                          (scrollableY && content.height > rect.height && !horizontal);
    if (!accepted) {
        return;
    }
    const int32_t velocity = magnitude(event.getVelocity());
    if (velocity < scrollThreshold) {
        return;
    }
    int32_t speed = velocity > maxVelocity ? maxVelocity : velocity;
    if (speed < MIN_GLIDE_VELOCITY) {
        speed = MIN_GLIDE_VELOCITY;
    }
    const int32_t distance = (speed - VELOCITY_WITHOUT_DISTANCE) * PIXELS_PER_VELOCITY;
    animationDuration = static_cast<uint16_t>(FRAMES_PER_VELOCITY * speed);
    animationDistance = static_cast<int16_t>(event.getVelocity() > 0 ? distance : -distance);
    animationStart = horizontal ? content.x : content.y;
    gestureType = event.getType();
    animate = true;
    registerTimerWidget(this);

    if (pressedDrawable != nullptr) {
        forwardClick(pressedDrawable, ClickEvent::CANCEL, event.getX(), event.getY());
        pressedDrawable = nullptr;
    }
}

void ScrollableContainer::onTick()
{
    if (!animate) {
        animationCounter = 0;
        unregisterTimerWidget(this);
        return;
    }
    animationCounter++;
    if (animationCounter > animationDuration) {
        animate = false; // unregistered on the next frame
    } else {
        int16_t position = Easing::cubicOut(animationCounter, animationStart, animationDistance, animationDuration);
        // The content lands on even positions.
        if (position % 2 != 0) {
            position = static_cast<int16_t>(position > 0 ? position + 1 : position - 1);
        }
        const Rectangle content = getChildrenArea();
        const bool horizontal = gestureType == GestureEvent::SWIPE_HORIZONTAL;
        const int16_t dx = horizontal ? static_cast<int16_t>(position - content.x) : 0;
        const int16_t dy = horizontal ? 0 : static_cast<int16_t>(position - content.y);
        // A frame whose eased position rounds to where the content already is moves nothing
        // but is no limit: the glide goes on, so it lands on its planned distance.
        animate = (dx == 0 && dy == 0) || scrollBy(dx, dy); // stops early at a limit
    }
    invalidate();
}

bool ScrollableContainer::scrollBy(int16_t dx, int16_t dy)
{
    if (dx == 0 && dy == 0) {
        return false;
    }
    const Rectangle content = getChildrenArea();
    dx = clampedStep(dx, content.x, content.width, rect.width);
    dy = clampedStep(dy, content.y, content.height, rect.height);
    if (dx == 0 && dy == 0) {
        return false;
    }
    scrolledXDistance = static_cast<int16_t>(scrolledXDistance + dx);
    scrolledYDistance = static_cast<int16_t>(scrolledYDistance + dy);
    moveChildrenRelative(dx, dy);
    refreshIndicators();
    return true;
}

void ScrollableContainer::childrenChanged()
{
    const Rectangle content = getChildrenArea();
    if (content.height < rect.height && content.y < 0) {
        scrolledYDistance = static_cast<int16_t>(scrolledYDistance - content.y);
        moveChildrenRelative(0, static_cast<int16_t>(-content.y));
    }
    refreshIndicators();
}

Rectangle ScrollableContainer::getXScrollbar() const
{
    const Rectangle content = getChildrenArea();
    if (!scrollableX || content.width <= rect.width) {
        return Rectangle();
    }
    const int32_t other = crossingRoom(scrollableY && content.height > rect.height, scrollbarWidth, scrollbarPadding);
    const Indicator bar =
        indicatorOnAxis(content.x, content.width, rect.width, scrollbarPadding, scrollbarWidth, other);
    if (!bar.valid) {
        return Rectangle();
    }
    return Rectangle(static_cast<int16_t>(bar.offset + scrollbarPadding + 1),
                     static_cast<int16_t>(rect.height - scrollbarWidth - scrollbarPadding - 1),
                     static_cast<int16_t>(bar.size), scrollbarWidth);
}

Rectangle ScrollableContainer::getYScrollbar() const
{
    const Rectangle content = getChildrenArea();
    if (!scrollableY || content.height <= rect.height) {
        return Rectangle();
    }
    const int32_t other = crossingRoom(scrollableX && content.width > rect.width, scrollbarWidth, scrollbarPadding);
    const Indicator bar =
        indicatorOnAxis(content.y, content.height, rect.height, scrollbarPadding, scrollbarWidth, other);
    if (!bar.valid) {
        return Rectangle();
    }
    // One pixel further in than the horizontal indicator.
    return Rectangle(static_cast<int16_t>(rect.width - scrollbarWidth - scrollbarPadding - 2),
                     static_cast<int16_t>(bar.offset + scrollbarPadding + 1), scrollbarWidth,
                     static_cast<int16_t>(bar.size));
}

Rectangle ScrollableContainer::getXBorder(const Rectangle& xBar, const Rectangle& yBar) const
{
    if (xBar.isEmpty()) {
        return Rectangle();
    }
    const int32_t other = crossingRoom(!yBar.isEmpty(), scrollbarWidth, scrollbarPadding);
    return Rectangle(scrollbarPadding, static_cast<int16_t>(xBar.y - 1),
                     static_cast<int16_t>(rect.width - 2 * scrollbarPadding - other),
                     static_cast<int16_t>(scrollbarWidth + 2));
}

Rectangle ScrollableContainer::getYBorder(const Rectangle& xBar, const Rectangle& yBar) const
{
    if (yBar.isEmpty()) {
        return Rectangle();
    }
    const int32_t other = crossingRoom(!xBar.isEmpty(), scrollbarWidth, scrollbarPadding);
    return Rectangle(static_cast<int16_t>(yBar.x - 1), scrollbarPadding, static_cast<int16_t>(scrollbarWidth + 2),
                     static_cast<int16_t>(rect.height - 2 * scrollbarPadding - other));
}

void ScrollableContainer::refreshIndicators()
{
    const Rectangle xBar = getXScrollbar();
    const Rectangle yBar = getYScrollbar();
    Rectangle xBorder = getXBorder(xBar, yBar);
    Rectangle yBorder = getYBorder(xBar, yBar);
    xSlider.setPosition(xBar.x, xBar.y, xBar.width, xBar.height);
    ySlider.setPosition(yBar.x, yBar.y, yBar.width, yBar.height);
    if (!xBorder.isEmpty()) {
        invalidatePart(xBorder);
    }
    if (!yBorder.isEmpty()) {
        invalidatePart(yBorder);
    }
}
} // namespace quillon
