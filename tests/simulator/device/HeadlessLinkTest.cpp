#include "simulator/device/DeviceSimulator.hpp"

#include "simulator/device/LinkStart.hpp"

#include "model/dpt/DataPointTable.hpp"

#include <rtos/Rtos.hpp>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>

// The simulator, the table and the link started as the program starts them, with the real
// kernel and host port. The scheduler never returns, so the run happens in a child
// process that ends with exit code 0 once a burst has reached the table.
namespace
{
std::atomic<bool> burstSeen{false};
std::chrono::steady_clock::time_point startTime;
constexpr int HANG_GUARD_MS = 200000; // only against a hang, inside the test time-out; no speed is asserted
constexpr DataPointId PROFILE = 665; // 21 cylinder temperatures

void onChange(std::uint32_t index)
{
    if (index == PROFILE) {
        burstSeen = true;
    }
}

// A burst's profile: first value 350 + 5k, then 15 lower per value.
bool holdsBurst()
{
    std::int16_t values[21];
    if (!dptGet(PROFILE, values)) {
        return false;
    }
    if (values[0] < 345 || values[0] > 805 || (values[0] - 345) % 5 != 0) {
        return false;
    }
    for (int i = 1; i < 21; ++i) {
        if (values[i] != values[0] - 15 * i) {
            return false;
        }
    }
    return true;
}

void watcher(void*)
{
    for (;;) {
        if (burstSeen && holdsBurst()) {
            portEnd();
        }
        const auto elapsed = std::chrono::steady_clock::now() - startTime;
        if (std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() > HANG_GUARD_MS) {
            std::fprintf(stderr, "no burst in the table after 200 s (callback %s)\n", burstSeen ? "fired" : "silent");
            std::fflush(stderr);
            std::_Exit(1);
        }
        rtosTaskDelay(10);
    }
}

[[noreturn]] void runSystem()
{
    startTime = std::chrono::steady_clock::now();
    startDeviceSideAndLink();
    dptSetChangeCallback(onChange);
    rtosTaskCreate(watcher, "TEST", 256, nullptr, 1, nullptr, nullptr, nullptr);
    rtosStartScheduler();
    std::fprintf(stderr, "the scheduler did not start\n");
    std::_Exit(2);
}
} // namespace

TEST(HeadlessLink, BurstReachesTheTable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runSystem(), ::testing::ExitedWithCode(0), "");
}
