#include "FrameClock.hpp"

#include <cerrno>
#include <ctime>

namespace quillon
{
bool FrameClock::start(uint32_t periodMilliseconds, Tick function, void* argument)
{
    if (running) {
        return true;
    }
    period = periodMilliseconds;
    tick = function;
    parameter = argument;
    stopping = false;
    running = pthread_create(&thread, nullptr, &FrameClock::run, this) == 0;
    return running;
}

void FrameClock::stop()
{
    if (!running) {
        return;
    }
    stopping = true;
    pthread_join(thread, nullptr); // at most one period away
    running = false;
}

void* FrameClock::run(void* self)
{
    FrameClock& clock = *static_cast<FrameClock*>(self);
    timespec deadline;
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    const long periodNanoseconds = static_cast<long>(clock.period) * 1000000L;
    while (!clock.stopping) {
        deadline.tv_nsec += periodNanoseconds;
        while (deadline.tv_nsec >= 1000000000L) {
            deadline.tv_nsec -= 1000000000L;
            deadline.tv_sec++;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
        }
        if (!clock.stopping) {
            clock.tick(clock.period, clock.parameter);
        }
    }
    return nullptr;
}
} // namespace quillon
