#ifndef QUILLON_PLATFORM_HAL_SIMULATOR_SDL_FRAMECLOCK_HPP
#define QUILLON_PLATFORM_HAL_SIMULATOR_SDL_FRAMECLOCK_HPP

#include <pthread.h>

#include <atomic>
#include <cstdint>

namespace quillon
{
// The frame signal of the desktop: a host thread that calls a function every period
// milliseconds, on absolute deadlines so that it never drifts or runs ahead.
// SDL 1.2's own timers round periods up to 10 ms steps (21 ms becomes 30 ms) and poll
// from a thread that wakes every millisecond; this clock does neither.
class FrameClock
{
public:
    using Tick = uint32_t (*)(uint32_t periodMilliseconds, void* parameter);

    FrameClock() = default;
    ~FrameClock() { stop(); }
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    // Starts the thread; false when the host cannot create one. Starting a running clock
    // changes nothing and returns true.
    bool start(uint32_t periodMilliseconds, Tick tick, void* parameter);
    // Stops the thread and waits for it: no tick runs after stop returns.
    void stop();
    bool isRunning() const { return running; }

private:
    static void* run(void* self);

    pthread_t thread{};
    bool running = false;
    std::atomic<bool> stopping{false};
    uint32_t period = 0;
    Tick tick = nullptr;
    void* parameter = nullptr;
};
} // namespace quillon

#endif
