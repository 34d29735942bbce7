#include <quillon/UIEventListener.hpp>
#include <quillon/hal/Gestures.hpp>

namespace quillon
{
namespace
{
int16_t magnitude(int16_t value)
{
    return value < 0 ? static_cast<int16_t>(-value) : value;
}

bool isSwipe(int16_t velocity)
{
    return velocity > GestureRecognizer::SWIPE_VELOCITY_LIMIT || velocity < -GestureRecognizer::SWIPE_VELOCITY_LIMIT;
}
} // namespace

GestureRecognizer::GestureRecognizer() : listener(nullptr), dragThreshold(0)
{
    clearDragState();
}

void GestureRecognizer::clearDragState()
{
    dragX = 0;
    dragY = 0;
    ticksSinceDrag = 0;
    velocityX = 0;
    velocityY = 0;
    inProgress = false;
}

void GestureRecognizer::tick()
{
    if (!inProgress) {
        return;
    }
    ticksSinceDrag++;
    if (ticksSinceDrag > SWIPE_TIMEOUT_TICKS) {
        velocityX = 0;
        velocityY = 0;
        inProgress = false;
    }
}

bool GestureRecognizer::handleDrag(uint16_t oldX, uint16_t oldY, uint16_t newX, uint16_t newY)
{
    const int16_t dx = static_cast<int16_t>(newX - dragX);
    const int16_t dy = static_cast<int16_t>(newY - dragY);
    if (magnitude(dx) <= dragThreshold && magnitude(dy) <= dragThreshold) {
        return false;
    }
    const DragEvent drag(DragEvent::DRAGGED, static_cast<int16_t>(dragX), static_cast<int16_t>(dragY),
                         static_cast<int16_t>(newX), static_cast<int16_t>(newY));
    if (listener != nullptr) {
        listener->onDrag(drag);
    }
    ticksSinceDrag = 0;
    velocityX = static_cast<int16_t>(newX - oldX);
    velocityY = static_cast<int16_t>(newY - oldY);
    dragX = newX;
    dragY = newY;
    inProgress = true;
    return true;
}

void GestureRecognizer::handleClick(uint32_t type, uint16_t x, uint16_t y)
{
    if (type == ClickEvent::RELEASED || type == ClickEvent::CANCEL) {
        // The velocities stay: only the timeout in tick() clears them.
        if (listener != nullptr && isSwipe(velocityX)) {
            listener->onGesture(GestureEvent(GestureEvent::SWIPE_HORIZONTAL, velocityX,
                                             static_cast<int16_t>(dragX), static_cast<int16_t>(dragY)));
        }
        if (listener != nullptr && isSwipe(velocityY)) {
            listener->onGesture(GestureEvent(GestureEvent::SWIPE_VERTICAL, velocityY,
                                             static_cast<int16_t>(dragX), static_cast<int16_t>(dragY)));
        }
    } else if (type == ClickEvent::PRESSED) {
        dragX = x;
        dragY = y;
    }
    if (listener != nullptr) {
        listener->onClick(ClickEvent(static_cast<ClickEvent::ClickEventType>(type), static_cast<int16_t>(x),
                                     static_cast<int16_t>(y), 0));
    }
}
} // namespace quillon
