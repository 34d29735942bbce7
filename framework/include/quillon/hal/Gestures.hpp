#ifndef QUILLON_HAL_GESTURES_HPP
#define QUILLON_HAL_GESTURES_HPP

#include <cstdint>

namespace quillon
{
class UIEventListener;

// Turns touch samples into clicks, drags and swipes. A swipe is a release that
// follows a drag step of more than 3 pixels by at most 7 frames.
class GestureRecognizer
{
public:
    GestureRecognizer();

    void setListener(UIEventListener* listener) { this->listener = listener; }
    // Once per frame, after touch and key sampling.
    void tick();
    // Returns true when a drag event was sent.
    [[nodiscard]] bool handleDrag(uint16_t oldX, uint16_t oldY, uint16_t newX, uint16_t newY);
    void handleClick(uint32_t type, uint16_t x, uint16_t y);

    static const int16_t SWIPE_VELOCITY_LIMIT = 3; // steps beyond +-3 pixels swipe
    static const uint16_t SWIPE_TIMEOUT_TICKS = 7; // frames a drag step stays a swipe candidate

private:
    void clearDragState();

    uint16_t dragX;
    uint16_t dragY;
    uint16_t ticksSinceDrag;
    int16_t velocityX;
    int16_t velocityY;
    bool inProgress;
    UIEventListener* listener;
    uint16_t dragThreshold;
};
} // namespace quillon

#endif
