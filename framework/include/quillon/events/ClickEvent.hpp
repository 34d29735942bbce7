#ifndef QUILLON_EVENTS_CLICKEVENT_HPP
#define QUILLON_EVENTS_CLICKEVENT_HPP

#include <quillon/events/Event.hpp>

#include <stdint.h>

namespace quillon
{
// A press, release or cancel at a point in the receiver's coordinates.
class ClickEvent : public Event
{
public:
    enum ClickEventType
    {
        PRESSED = 0,
        RELEASED = 1,
        CANCEL = 2
    };

    // The fourth value is carried but never read; every sender passes 0.
    ClickEvent(ClickEventType type, int16_t x, int16_t y, int16_t reserved = 0)
        : type(type), x(x), y(y), reserved(reserved)
    {
    }

    EventType getEventType() const override { return EVENT_CLICK; }

    ClickEventType getType() const { return type; }
    int16_t getX() const { return x; }
    int16_t getY() const { return y; }

private:
    ClickEventType type;
    int16_t x;
    int16_t y;
    [[maybe_unused]] int16_t reserved;
};
} // namespace quillon

#endif
