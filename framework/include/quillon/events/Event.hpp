#ifndef QUILLON_EVENTS_EVENT_HPP
#define QUILLON_EVENTS_EVENT_HPP

namespace quillon
{
class Event
{
public:
    enum EventType
    {
        EVENT_CLICK = 0,
        EVENT_DRAG = 1,
        EVENT_GESTURE = 2
    };

    virtual EventType getEventType() const = 0;
    virtual ~Event() {}
};
} // namespace quillon

#endif
