#ifndef QUILLON_EVENTS_DRAGEVENT_HPP
#define QUILLON_EVENTS_DRAGEVENT_HPP

#include <quillon/events/Event.hpp>

#include <stdint.h>

namespace quillon
{
// A touch movement from one point to another, in the receiver's coordinates.
class DragEvent : public Event
{
public:
    enum DragEventType
    {
        DRAGGED = 0
    };

    DragEvent(DragEventType type, int16_t oldX, int16_t oldY, int16_t newX, int16_t newY)
        : type(type), oldX(oldX), oldY(oldY), newX(newX), newY(newY)
    {
    }

    EventType getEventType() const override { return EVENT_DRAG; }

    DragEventType getType() const { return type; }
    int16_t getOldX() const { return oldX; }
    int16_t getOldY() const { return oldY; }
    int16_t getNewX() const { return newX; }
    int16_t getNewY() const { return newY; }
    int16_t getDeltaX() const { return static_cast<int16_t>(newX - oldX); }
    int16_t getDeltaY() const { return static_cast<int16_t>(newY - oldY); }

private:
    DragEventType type;
    int16_t oldX;
    int16_t oldY;
    int16_t newX;
    int16_t newY;
};
} // namespace quillon

#endif
