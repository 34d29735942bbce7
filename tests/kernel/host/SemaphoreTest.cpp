#include "Scenario.hpp"

#include <gtest/gtest.h>

using scenario::createTask;
using scenario::runScheduler;
using scenario::Shared;

namespace
{
struct Semaphores
{
    rtosQueueHandle semaphore, never;
    std::atomic<int> taken{0};
    uint32_t order[3] = {}; // priorities of the waiters in the order they got the semaphore
    int32_t timeoutResult = -1;
    uint32_t timedOutAt = 0;
};
Semaphores* semaphores = nullptr;

void takes(void* parameter)
{
    if (rtosQueueReceive(semaphores->semaphore, nullptr, 1000, 0)) {
        semaphores->order[semaphores->taken++] = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parameter));
    }
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void timesOut(void*)
{
    semaphores->timeoutResult = rtosQueueReceive(semaphores->never, nullptr, 20, 0);
    semaphores->timedOutAt = rtosGetTickCount();
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void gives(void*)
{
    rtosTaskDelay(5); // every taker waits by now
    for (int i = 0; i < 3; ++i) {
        scenario::mustPass(rtosQueueSend(semaphores->semaphore, nullptr, 0, QUEUE_SEND_BACK));
    }
    rtosTaskDelay(30);
    rtosEndScheduler();
}

void* priorityTag(uint32_t priority) { return reinterpret_cast<void*>(uintptr_t(priority)); }

// Each step waits for the one before it, never for a tick number: on a starved core the tasks
// start and run many ticks apart.
struct Mutexes
{
    rtosQueueHandle mutex;
    rtosTaskHandle middleTask = nullptr;
    std::atomic<bool> lowHolds{false};
    std::atomic<bool> highWaits{false};
    std::atomic<int> sequence{0};
    uint32_t lowPriorityWhileWanted = 0;
    uint32_t lowPriorityAfterGive = 0;
    int highGotItAt = -1;
    int lowGaveBackAt = -1;
    int middleRanAt = -1;
    int32_t highResult = -1;
};
Mutexes* mutexes = nullptr;

void low(void*)
{
    scenario::mustPass(rtosQueueReceive(mutexes->mutex, nullptr, 0, 0));
    mutexes->lowHolds = true;
    while (!mutexes->highWaits) { // the high task runs until it blocks on the mutex
    }
    // Until the middle task is ready: with the inherited priority it stays ready, without it
    // takes the processor and records first.
    while (rtosTaskGetState(mutexes->middleTask) != TASK_READY && mutexes->sequence == 0) {
    }
    mutexes->lowPriorityWhileWanted = rtosTaskPriorityGet(nullptr);
    scenario::mustPass(rtosQueueSend(mutexes->mutex, nullptr, 0, QUEUE_SEND_BACK)); // the waiter takes over at once
    mutexes->lowPriorityAfterGive = rtosTaskPriorityGet(nullptr);
    mutexes->lowGaveBackAt = mutexes->sequence++; // last: the high task ends the run on it
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void middle(void*)
{
    while (!mutexes->highWaits) {
        rtosTaskDelay(1); // ready again at the tick after the high task blocked
    }
    mutexes->middleRanAt = mutexes->sequence++;
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void high(void*)
{
    while (!mutexes->lowHolds) {
        rtosTaskDelay(1);
    }
    mutexes->highWaits = true;
    mutexes->highResult = rtosQueueReceive(mutexes->mutex, nullptr, RTOS_MAX_DELAY, 0);
    mutexes->highGotItAt = mutexes->sequence++;
    scenario::mustPass(rtosQueueSend(mutexes->mutex, nullptr, 0, QUEUE_SEND_BACK));
    while (mutexes->sequence < 3) {
        rtosTaskDelay(1);
    }
    rtosEndScheduler();
}
} // namespace

TEST(Semaphores, WaitersGetTheSemaphoreByPriorityAndTimeOut)
{
    Shared<Semaphores> shared;
    semaphores = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            semaphores->semaphore = rtosQueueCreateCountingSemaphore(1, 0);
            semaphores->never = rtosQueueCreateCountingSemaphore(1, 0);
            createTask(takes, "t2", 2, priorityTag(2));
            createTask(takes, "t4", 4, priorityTag(4));
            createTask(takes, "t3", 3, priorityTag(3));
            createTask(timesOut, "tmo", 3);
            createTask(gives, "give", 1);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    ASSERT_EQ(shared->taken, 3);
    EXPECT_EQ(shared->order[0], 4u);
    EXPECT_EQ(shared->order[1], 3u);
    EXPECT_EQ(shared->order[2], 2u);
    EXPECT_EQ(shared->timeoutResult, 0);
    EXPECT_GE(shared->timedOutAt, 20u);
}

TEST(Semaphores, MutexHolderRunsAtTheWaitersPriorityUntilItGivesBack)
{
    Shared<Mutexes> shared;
    mutexes = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            mutexes->mutex = rtosQueueCreateMutex();
            createTask(low, "low", 1);
            createTask(middle, "mid", 2, nullptr, &mutexes->middleTask);
            createTask(high, "high", 4);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_EQ(shared->highResult, 1);
    EXPECT_EQ(shared->lowPriorityWhileWanted, 4u);
    EXPECT_EQ(shared->lowPriorityAfterGive, 1u);
    EXPECT_EQ(shared->highGotItAt, 0);   // first: the give hands over at once
    EXPECT_EQ(shared->middleRanAt, 1);   // ready before the give: it waited for the inherited priority to end
    EXPECT_EQ(shared->lowGaveBackAt, 2);
}
