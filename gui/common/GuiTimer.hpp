#ifndef GUI_COMMON_GUITIMER_HPP
#define GUI_COMMON_GUITIMER_HPP

#include <stdint.h>

namespace gui
{

// A millisecond timer that screens own as members for periodic work. It runs while it is in
// the running list (GuiTimerList), which the application ticks every frame with 16 ms and
// empties on every page switch.
class GuiTimer
{
public:
    class ITimerEventListener
    {
    public:
        virtual ~ITimerEventListener() {}
        // False stops the timer.
        virtual bool onTimer(GuiTimer& timer, uint32_t elapsedMs) = 0;
    };

    GuiTimer() : periodMs(0), elapsedMs(0), timerListener(nullptr) {}
    ~GuiTimer() { stop(); }

    GuiTimer(const GuiTimer&) = delete;
    GuiTimer& operator=(const GuiTimer&) = delete;

    // A running timer restarts from zero and keeps its place in the running list.
    void start(uint32_t period, ITimerEventListener* listener);
    void stop();
    void tick(uint32_t ms);
    // The elapsed time stays.
    void setPeriod(uint32_t period) { periodMs = period; }

    uint32_t getPeriod() const { return periodMs; }
    uint32_t getElapsed() const { return elapsedMs; }

private:
    uint32_t periodMs;
    uint32_t elapsedMs;
    ITimerEventListener* timerListener;
};

} // namespace gui

#endif
