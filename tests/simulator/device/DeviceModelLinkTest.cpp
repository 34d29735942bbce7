#include "simulator/device/DeviceSimulator.hpp"

#include "simulator/device/LinkStart.hpp"

#include "model/dpt/DataPointTable.hpp"

#include <rtos/Rtos.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// The program's device side on the real kernel and host port: a write of the panel travels
// through the link to task "SC", whose device model answers, and the answer reaches the
// table through task "PAR". The scheduler never returns, so the run is a child process.
namespace
{
constexpr DataPointId TEST_OPERATION_SWITCH = 311; // 0x7580
constexpr DataPointId TEST_OPERATION_ACTIVE = 223; // 0x571F
constexpr int HANG_GUARD_SECONDS = 200;            // only against a hang; no speed is asserted

void panel(void*)
{
    // Let "SC" seed first, as the GUI starts after it.
    rtosTaskDelay(50);
    const unsigned char on = 1;
    static_cast<void>(dptSet(TEST_OPERATION_SWITCH, &on));
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        unsigned char active = 0;
        if (dptGet(TEST_OPERATION_ACTIVE, &active) && active == 1) {
            portEnd();
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(HANG_GUARD_SECONDS)) {
            std::fprintf(stderr, "the device's answer never reached the table\n");
            std::_Exit(1);
        }
        rtosTaskDelay(10);
    }
}

[[noreturn]] void runSystem()
{
    startDeviceSideAndLink();
    rtosTaskCreate(panel, "TEST", 256, nullptr, 2, nullptr, nullptr, nullptr);
    rtosStartScheduler();
    std::_Exit(2);
}
} // namespace

TEST(DeviceModelLink, APanelWriteReachesTheDeviceAndItsAnswerTheTable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runSystem(), ::testing::ExitedWithCode(0), "");
}
