#include "Scenario.hpp"

#include <gtest/gtest.h>

#include <cerrno>

using scenario::createTask;
using scenario::runScheduler;
using scenario::Shared;

// The kernel's idle hook for this test program: counts passes of the idle loop when asked to.
std::atomic<uint32_t>* idleHookCalls = nullptr;

void rtosIdleHook(void)
{
    if (idleHookCalls != nullptr) {
        ++*idleHookCalls;
    }
}

namespace
{
// ---- a task in a host call while nothing else becomes ready ----------------------------------

struct QuietHostCall
{
    uint32_t interruptions = 0; // the host call returned early: the task was stopped meanwhile
    uint32_t ticksMeanwhile = 0;
    double elapsedMilliseconds = 0;
};
QuietHostCall* quietHostCall = nullptr;

void sleepsInTheHost(void*)
{
    rtosTaskDelay(2); // past the start's first switches
    const uint32_t firstTick = rtosGetTickCount();
    const double start = scenario::monotonicMilliseconds();
    uint32_t interruptions = 0;
    for (double left = 300; left > 0; left = 300 - (scenario::monotonicMilliseconds() - start)) {
        const timespec pause{0, long(left * 1e6)};
        // Never restarted after a signal handler ran, so every stop of the task shows here.
        if (clock_nanosleep(CLOCK_MONOTONIC, 0, &pause, nullptr) == EINTR) {
            ++interruptions;
        }
    }
    quietHostCall->elapsedMilliseconds = scenario::monotonicMilliseconds() - start;
    quietHostCall->ticksMeanwhile = rtosGetTickCount() - firstTick;
    quietHostCall->interruptions = interruptions;
    rtosEndScheduler();
}

// ---- the idle task between rare wake-ups -----------------------------------------------------

struct IdleWakeUps
{
    std::atomic<uint32_t> hookCalls{0};
    uint32_t hookCallsMeanwhile = 0;
    uint32_t ticksMeanwhile = 0;
};
IdleWakeUps* idleWakeUps = nullptr;

void wakesRarely(void*)
{
    rtosTaskDelay(2);
    const uint32_t firstTick = rtosGetTickCount();
    const uint32_t firstCalls = idleWakeUps->hookCalls;
    for (int i = 0; i < 5; ++i) {
        rtosTaskDelay(100);
    }
    idleWakeUps->hookCallsMeanwhile = idleWakeUps->hookCalls - firstCalls;
    idleWakeUps->ticksMeanwhile = rtosGetTickCount() - firstTick;
    rtosEndScheduler();
}
} // namespace

TEST(HostPort, TicksThatChangeNothingLeaveATaskInAHostCallAlone)
{
    Shared<QuietHostCall> shared;
    quietHostCall = &*shared;
    const scenario::Outcome outcome = runScheduler([] { createTask(sleepsInTheHost, "sleeper", 2); });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_EQ(shared->interruptions, 0u);
    // The ticks went on meanwhile (how many depends on how busy the machine is), never ahead
    // of real time.
    EXPECT_GT(shared->ticksMeanwhile, 0u);
    EXPECT_LE(double(shared->ticksMeanwhile), shared->elapsedMilliseconds + 2);
}

TEST(HostPort, IdleTaskRunsItsLoopOnlyWhenChosenAgain)
{
    Shared<IdleWakeUps> shared;
    idleWakeUps = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            idleHookCalls = &idleWakeUps->hookCalls;
            createTask(wakesRarely, "rare", 2);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_GE(shared->ticksMeanwhile, 500u);
    // Five returns to the idle task, each a pass or two: not one pass per tick.
    EXPECT_GE(shared->hookCallsMeanwhile, 5u);
    EXPECT_LE(shared->hookCallsMeanwhile, 25u);
}
