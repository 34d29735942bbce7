#include "simulator/device/DeviceSimulator.hpp"

#include <rtos/Rtos.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

extern rtosTaskHandle simTaskHandle;

// Ten passes of the simulator's loop that time out waiting for the panel, with the real
// kernel: a reader above the simulator's priority takes every frame as it is sent.
namespace
{
constexpr int PASSES = 10;
volatile int framesRead = 0;
volatile int passesDone = 0;

void reader(void*)
{
    DeviceFrame frame;
    for (;;) {
        if (rtosQueueReceive(simGetDeviceToPanelQueue(), &frame, 50, 0) == RTOS_PASS) {
            ++framesRead;
        } else if (passesDone == PASSES) {
            std::printf("frames %d\n", framesRead);
            std::fflush(stdout);
            std::_Exit(framesRead == 6 ? 0 : 10 + framesRead);
        }
    }
}

void passes(void*)
{
    for (int i = 0; i < PASSES; ++i) {
        simTaskPass(SIM_WAIT_TICKS);
    }
    passesDone = PASSES;
    for (;;) {
        rtosTaskDelay(1000);
    }
}

[[noreturn]] void runPasses()
{
    simStart();
    rtosTaskSuspend(simTaskHandle); // the passes are driven by our own task
    rtosTaskCreate(passes, "PASS", 256, nullptr, SIM_TASK_PRIORITY, nullptr, nullptr, nullptr);
    rtosTaskCreate(reader, "READ", 256, nullptr, SIM_TASK_PRIORITY + 1, nullptr, nullptr, nullptr);
    rtosStartScheduler();
    std::_Exit(2);
}
} // namespace

TEST(DeviceSimulatorTask, TenTimedOutPassesSendOneBurstOfSixFrames)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runPasses(), ::testing::ExitedWithCode(0), "");
}
