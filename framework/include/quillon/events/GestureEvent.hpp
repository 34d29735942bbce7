#ifndef QUILLON_EVENTS_GESTUREEVENT_HPP
#define QUILLON_EVENTS_GESTUREEVENT_HPP

#include <quillon/events/Event.hpp>

#include <stdint.h>

namespace quillon
{
// A swipe; the velocity's sign gives the direction along the axis.
class GestureEvent : public Event
{
public:
    enum GestureEventType
    {
        SWIPE_HORIZONTAL = 0,
        SWIPE_VERTICAL = 1
    };

    GestureEvent(GestureEventType type, int16_t velocity, int16_t x, int16_t y)
        : type(type), velocity(velocity), x(x), y(y)
    {
    }

    EventType getEventType() const override { return EVENT_GESTURE; }

    GestureEventType getType() const { return type; }
    int16_t getVelocity() const { return velocity; }
    int16_t getX() const { return x; }
    int16_t getY() const { return y; }

private:
    GestureEventType type;
    int16_t velocity;
    int16_t x;
    int16_t y;
};
} // namespace quillon

#endif
