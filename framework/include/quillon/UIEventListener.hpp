#ifndef QUILLON_UIEVENTLISTENER_HPP
#define QUILLON_UIEVENTLISTENER_HPP

#include <quillon/events/ClickEvent.hpp>
#include <quillon/events/DragEvent.hpp>
#include <quillon/events/GestureEvent.hpp>

#include <cstdint>

namespace quillon
{
// Receives the input events and the frame tick from the HAL.
class UIEventListener
{
public:
    virtual void onClick(const ClickEvent&) {}
    virtual void onDrag(const DragEvent&) {}
    virtual void onGesture(const GestureEvent&) {}
    virtual void onKey(uint8_t) {}
    virtual void onTick() {}
    virtual ~UIEventListener() {}
};
} // namespace quillon

#endif
