#include <platform/hal/simulator/sdl/FrameClock.hpp>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
std::atomic<int> ticks{0};
std::atomic<uint32_t> lastPeriod{0};

uint32_t countTick(uint32_t period, void*)
{
    lastPeriod = period;
    ticks++;
    return period;
}

using Clock = std::chrono::steady_clock;

TEST(FrameClock, TicksOnWholePeriodsOnlyWhileRunning)
{
    ticks = 0;
    quillon::FrameClock clock;
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(clock.start(21, countTick, nullptr));
    EXPECT_TRUE(clock.start(21, countTick, nullptr)); // a second start adds no second thread
    while (ticks < 5) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    clock.stop();
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const int counted = ticks;
    EXPECT_EQ(lastPeriod, 21u);
    // Never ahead of real time: n ticks need n whole periods, and one thread ticks at most once
    // a period.
    EXPECT_GE(elapsed, counted * 21.0);
    EXPECT_FALSE(clock.isRunning());

    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ticks, counted); // nothing after stop returned
}

TEST(FrameClock, StopsAndStartsAgain)
{
    ticks = 0;
    quillon::FrameClock clock;
    clock.stop(); // stopping a clock that never ran is harmless
    ASSERT_TRUE(clock.start(5, countTick, nullptr));
    clock.stop();
    const int afterFirst = ticks;
    ASSERT_TRUE(clock.start(5, countTick, nullptr));
    while (ticks == afterFirst) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    clock.stop();
    EXPECT_GT(ticks, afterFirst);
}
} // namespace
