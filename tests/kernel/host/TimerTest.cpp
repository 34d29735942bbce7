#include "Scenario.hpp"

#include <gtest/gtest.h>

using scenario::createTask;
using scenario::runScheduler;
using scenario::Shared;

namespace
{
constexpr int MAX_CALLS = 8;

struct Timers
{
    rtosTimerHandle timer = nullptr;
    std::atomic<int> calls{0};
    uint32_t firedAt[MAX_CALLS] = {};
    uint32_t itemValue[MAX_CALLS] = {}; // the timer's list value while its callback runs
    bool activeAtEnd = true;
    uint32_t armedFor = 0;
    int callsWhenArmed = 0;
    bool pendedRanInTimerTask = false;
    uint32_t pendedParameter = 0;
};
Timers* timers = nullptr;

void record(rtosTimerHandle timer)
{
    const int call = timers->calls;
    if (call < MAX_CALLS) {
        timers->firedAt[call] = rtosGetTickCount();
        timers->itemValue[call] = timer->listItem.value;
    }
    ++timers->calls;
}

void recordAndStallOnce(rtosTimerHandle timer)
{
    record(timer);
    if (timers->calls == 1) {
        scenario::busyUntilTick(2100); // the timer task is busy across the next expiry
    }
}

void stallTimerTask(void* parameter1, uint32_t untilTick)
{
    timers->pendedRanInTimerTask = rtosGetCurrentTaskHandle() == rtosTimerGetTaskHandle() && parameter1 == timers;
    timers->pendedParameter = untilTick;
    scenario::busyUntilTick(untilTick);
}

void startsAtTick100(void*)
{
    uint32_t previous = 0;
    rtosTaskDelayUntil(&previous, 100);
    scenario::mustPass(rtosTimerGenericCommand(timers->timer, TIMER_CMD_START, previous, nullptr, 0));
    rtosTaskDelayUntil(&previous, 200);
    timers->activeAtEnd = rtosTimerIsActive(timers->timer);
    rtosEndScheduler();
}

// Below the timer task: it runs only while that one waits, so never half-way through a call.
void endsAfterThreeCalls(void*)
{
    while (timers->calls < 3) {
        rtosTaskDelay(1);
    }
    rtosEndScheduler();
}

void startsWhileTheTimerTaskStalls(void*)
{
    scenario::mustPass(rtosTimerPendCall(stallTimerTask, timers, 200, 0));
    uint32_t previous = 0;
    rtosTaskDelayUntil(&previous, 100);
    scenario::mustPass(rtosTimerGenericCommand(timers->timer, TIMER_CMD_START, 100, nullptr, 0));
    // Below the timer task from here on: what it sees next, the timer task has finished.
    rtosTaskPrioritySet(nullptr, RTOS_TIMER_TASK_PRIORITY - 1);
    while (timers->calls < 2) {
        rtosTaskDelay(1);
    }
    timers->callsWhenArmed = timers->calls;
    timers->armedFor = rtosTimerIsActive(timers->timer) ? timers->timer->listItem.value : 0;
    rtosEndScheduler();
}
} // namespace

TEST(Timers, OneShotStartedAtTick100WithPeriod50FiresOnceAt150)
{
    Shared<Timers> shared;
    timers = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            timers->timer = rtosTimerCreate("once", 50, 0, 0, record);
            createTask(startsAtTick100, "start", 3);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_EQ(shared->calls, 1);
    EXPECT_EQ(shared->itemValue[0], 150u);
    EXPECT_GE(shared->firedAt[0], 150u); // how late depends on the host; the lower task at 200 comes after it
    EXPECT_FALSE(shared->activeAtEnd);
}

TEST(Timers, AutoReloadKeepsItsPhaseAcrossAStalledTimerTask)
{
    Shared<Timers> shared;
    timers = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            timers->timer = rtosTimerCreate("auto", 1000, 1, 0, recordAndStallOnce);
            // Started before the scheduler runs, as the data-point table starts its poll timer.
            if (rtosTimerGenericCommand(timers->timer, TIMER_CMD_START, 0, nullptr, 0) != 1) {
                _exit(97);
            }
            createTask(endsAfterThreeCalls, "end", 3);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    ASSERT_EQ(shared->calls, 3);
    for (int call = 0; call < 3; ++call) {
        SCOPED_TRACE(call);
        EXPECT_EQ(shared->itemValue[call], 1000u * (call + 2)); // re-armed one period on from its expiry
    }
    EXPECT_GE(shared->firedAt[0], 1000u);
    EXPECT_GE(shared->firedAt[1], 2100u); // late, after the stall
    EXPECT_GE(shared->firedAt[2], 3000u); // and the next one not before its time
}

TEST(Timers, LateStartCatchesUpTwiceThenArmsOnePeriodOn)
{
    Shared<Timers> shared;
    timers = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            timers->timer = rtosTimerCreate("late", 50, 1, 0, record);
            createTask(startsWhileTheTimerTaskStalls, "start", 6); // above the stalled timer task
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_TRUE(shared->pendedRanInTimerTask);
    EXPECT_EQ(shared->pendedParameter, 200u);
    ASSERT_GE(shared->callsWhenArmed, 2);
    // Both missed expiries are called late, each once, in order.
    EXPECT_GE(shared->firedAt[0], 200u);
    EXPECT_GE(shared->firedAt[1], 200u);
    EXPECT_EQ(shared->itemValue[0], 150u);
    EXPECT_EQ(shared->itemValue[1], 200u);
    // Then armed one period on from the last expiry called (250 unless the timer task was held
    // off the processor past it), never from the tick it caught up at.
    EXPECT_EQ(shared->armedFor, 150u + 50u * uint32_t(shared->callsWhenArmed));
}
