#include "Scenario.hpp"

#include <gtest/gtest.h>

#include <cstdio>

using scenario::createTask;
using scenario::runScheduler;
using scenario::Shared;

namespace
{
// ---- several tasks of different priorities for 10 s -------------------------------------------

struct LongRun
{
    rtosQueueHandle queue;
    std::atomic<uint32_t> produced{0}, consumed{0}, outOfOrder{0};
    std::atomic<uint32_t> yieldLoops[2];
    uint32_t maxRunning = 0;
    uint32_t endTick = 0;
};
LongRun* longRun = nullptr;

void producer(void*)
{
    for (uint32_t next = 0;; ) {
        if (rtosQueueSend(longRun->queue, &next, 5, QUEUE_SEND_BACK)) {
            ++next;
            ++longRun->produced;
        }
        if (next % 7 == 0) {
            rtosTaskDelay(1);
        }
    }
}

void consumer(void*)
{
    for (uint32_t expected = 0;;) {
        uint32_t value = 0;
        if (rtosQueueReceive(longRun->queue, &value, 20, 0)) {
            if (value != expected) {
                ++longRun->outOfOrder;
            }
            expected = value + 1;
            ++longRun->consumed;
        }
    }
}

void yielder(void* parameter)
{
    std::atomic<uint32_t>& loops = *static_cast<std::atomic<uint32_t>*>(parameter);
    for (;;) {
        ++loops;
        portYield();
        if (loops % 100 == 0) {
            rtosTaskDelay(2);
        }
    }
}

void hostCaller(void*)
{
    for (;;) {
        scenario::hostSleep(3);
    }
}

void longRunController(void*)
{
    rtosTaskDelay(10000);
    longRun->maxRunning = portGetMaxRunningTaskThreads();
    longRun->endTick = rtosGetTickCount();
    rtosEndScheduler();
}

// ---- the tick rate ---------------------------------------------------------------------------

struct TickRate
{
    uint32_t ticks = 0;
    double elapsedMilliseconds = 0;
};
TickRate* tickRate = nullptr;

void measureOneSecond(void*)
{
    kill(getpid(), SIGINT); // Control-C in the console does not end the program
    const double start = scenario::monotonicMilliseconds();
    const uint32_t first = rtosGetTickCount();
    scenario::hostSleep(1000);
    const uint32_t last = rtosGetTickCount();
    tickRate->elapsedMilliseconds = scenario::monotonicMilliseconds() - start;
    tickRate->ticks = last - first;
    rtosEndScheduler();
}

// ---- a yield inside a critical section -------------------------------------------------------

struct CriticalYield
{
    std::atomic<int> step{0};
    int stepSeenByOther = -1;
    int stepAfterExit = -1;
};
CriticalYield* criticalYield = nullptr;

void yieldsInsideCritical(void*)
{
    portEnterCritical();
    portYield();
    criticalYield->step = 1; // still running: the switch waits for the section's end
    scenario::hostSleep(5);  // ticks arrive meanwhile and wait too
    criticalYield->step = 2;
    portExitCritical();
    criticalYield->step = 3;
    criticalYield->stepAfterExit = 3;
    for (;;) {
        rtosTaskDelay(1000);
    }
}

void watchesTheOther(void*)
{
    criticalYield->stepSeenByOther = criticalYield->step;
    rtosTaskDelay(10);
    rtosEndScheduler();
}

// ---- tasks that end --------------------------------------------------------------------------

struct Endings
{
    std::atomic<bool> returnedFromDelete{false};
    std::atomic<bool> returningTaskRan{false};
    uint32_t tasksAtFirstLook = 0;
    uint32_t tasksAfterIdle = 0;
    bool criticalSectionFree = false;
    rtosTaskHandle sleeper = nullptr;
};
Endings* endings = nullptr;

void deletesItselfInsideCritical(void*)
{
    portEnterCritical();
    portEnterCritical();
    rtosTaskDelete(nullptr);
    endings->returnedFromDelete = true;
}

void returns(void*) { endings->returningTaskRan = true; }

void sleepsForEver(void*)
{
    for (;;) {
        rtosTaskDelay(RTOS_MAX_DELAY);
    }
}

void observer(void*)
{
    endings->tasksAtFirstLook = rtosGetNumberOfTasks();
    rtosTaskDelete(endings->sleeper); // another task's thread, parked, ends when the idle task frees it
    portEnterCritical();             // taken at once: the task that deleted itself left it
    endings->criticalSectionFree = true;
    portExitCritical();
    while (rtosGetNumberOfTasks() > 3) { // the idle task runs whenever this one waits
        rtosTaskDelay(1);
    }
    endings->tasksAfterIdle = rtosGetNumberOfTasks();
    rtosEndScheduler();
}

// ---- preempting a task inside a host call -------------------------------------------------------

struct HostCall
{
    int pipe[2] = {-1, -1};
    uint32_t highWokeAt = 0;
    uint32_t readReturnedAt = 0;
    char byteRead = 0;
    std::atomic<bool> readDone{false};
};
HostCall* hostCall = nullptr;

void readsThePipe(void*)
{
    char byte = 0;
    if (read(hostCall->pipe[0], &byte, 1) == 1) { // blocks in the host until the other task writes
        hostCall->byteRead = byte;
    }
    hostCall->readReturnedAt = rtosGetTickCount();
    hostCall->readDone = true;
    for (;;) {
        rtosTaskDelay(1000);
    }
}

void wakesAboveTheReader(void*)
{
    rtosTaskDelay(50);
    hostCall->highWokeAt = rtosGetTickCount();
    const char byte = 'x';
    if (write(hostCall->pipe[1], &byte, 1) != 1) {
        rtosEndScheduler();
    }
    while (!hostCall->readDone) {
        rtosTaskDelay(5);
    }
    rtosEndScheduler();
}
} // namespace

TEST(HostPort, TenSecondsOfMixedTasksNeverRunTwoTaskThreadsAtOnce)
{
    Shared<LongRun> shared;
    longRun = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            longRun->queue = rtosQueueCreate(8, sizeof(uint32_t), QUEUE_TYPE_BASE);
            createTask(producer, "prod", 4);
            createTask(consumer, "cons", 3);
            createTask(yielder, "yieldA", 2, &longRun->yieldLoops[0]);
            createTask(yielder, "yieldB", 2, &longRun->yieldLoops[1]);
            createTask(hostCaller, "host", 1);
            createTask(longRunController, "ctrl", 6);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_EQ(shared->maxRunning, 1u);
    EXPECT_GE(shared->endTick, 10000u);
    EXPECT_EQ(shared->outOfOrder, 0u);
    // The consumer runs whenever the producer waits; how often the tasks below get the
    // processor is the host's business, not the kernel's.
    EXPECT_GT(shared->consumed, 0u);
    EXPECT_GE(shared->produced, shared->consumed);
    // What is still queued, and one item the consumer may have taken but not yet counted.
    EXPECT_LE(shared->produced - shared->consumed, 8u + 1u);
}

TEST(HostPort, TicksGoOnWhileATaskWaitsInTheHostAndNeverRunAhead)
{
    Shared<TickRate> shared;
    tickRate = &*shared;
    const scenario::Outcome outcome = runScheduler([] { createTask(measureOneSecond, "meas", 3); });
    EXPECT_SCENARIO_ENDED(outcome);
    std::printf("%u ticks in %.1f ms\n", shared->ticks, shared->elapsedMilliseconds);
    // Never ahead: at most one tick per period elapsed, plus the one pending at each end. How
    // many a busy machine merges is its own business: the rate is no promise.
    EXPECT_LE(double(shared->ticks), shared->elapsedMilliseconds + 2);
    EXPECT_GT(shared->ticks, 0u);
}

TEST(HostPort, FallbackTickPeriodCountsEachPeriodAsOneTick)
{
    Shared<TickRate> shared;
    tickRate = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            portUseFallbackTickPeriod();
            createTask(measureOneSecond, "meas", 3);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_LE(double(shared->ticks), shared->elapsedMilliseconds / 20 + 2);
    EXPECT_GT(shared->ticks, 0u);
}

TEST(HostPort, YieldInsideACriticalSectionSwitchesWhenTheSectionIsLeft)
{
    Shared<CriticalYield> shared;
    criticalYield = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            // Equal priorities above the timer task: the second created runs first.
            createTask(watchesTheOther, "other", 6);
            createTask(yieldsInsideCritical, "yields", 6);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_EQ(shared->stepSeenByOther, 2);
}

// Mended: a task deleting itself inside a critical section no longer takes the section with it;
// a task whose function returns is deleted like one that deletes itself.
TEST(HostPort, EndedTasksLeaveTheCriticalSectionAndAreFreedByIdle)
{
    Shared<Endings> shared;
    endings = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            createTask(observer, "obs", 2);
            createTask(sleepsForEver, "sleep", 1, nullptr, &endings->sleeper);
            createTask(returns, "ret", 3);
            createTask(deletesItselfInsideCritical, "del", 4);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_FALSE(shared->returnedFromDelete);
    EXPECT_TRUE(shared->returningTaskRan);
    EXPECT_TRUE(shared->criticalSectionFree);
    EXPECT_EQ(shared->tasksAtFirstLook, 6u); // four, idle and timer task: nothing freed yet
    EXPECT_EQ(shared->tasksAfterIdle, 3u);   // observer, idle and timer task
}

TEST(HostPort, TaskInsideAHostCallIsPreemptedAtTheTick)
{
    Shared<HostCall> shared;
    hostCall = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            if (pipe(hostCall->pipe) != 0) {
                _exit(98);
            }
            createTask(readsThePipe, "reader", 1);
            createTask(wakesAboveTheReader, "waker", 4);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_GE(shared->highWokeAt, 50u); // at all: the reader never leaves its host call by itself
    EXPECT_TRUE(shared->readDone);
    EXPECT_EQ(shared->byteRead, 'x');
    EXPECT_GE(shared->readReturnedAt, shared->highWokeAt);
}
