#include "Scenario.hpp"

#include <gtest/gtest.h>

using scenario::createTask;
using scenario::runScheduler;
using scenario::Shared;

namespace
{
struct Events
{
    rtosEventGroupHandle all, any, timeout, immediate, deleted;
    uint32_t allResult = 0;
    std::atomic<bool> allWoken{false};
    bool allWokenAfterFirstBit = true;
    uint32_t allBitsAfter = 0xFF;
    std::atomic<int> anyWoken{0};
    uint32_t anyResults[2] = {};
    uint32_t timeoutResult = 0;
    uint32_t timeoutWokeAt = 0;
    uint32_t timeoutBitsAfter = 0;
    uint32_t immediateResult = 0;
    uint32_t deletedResult = 0xFF;
    std::atomic<bool> deletedWoken{false};
    uint32_t syncResult = 0;
};
Events* events = nullptr;

void waitsForAll(void*)
{
    events->allResult = rtosEventGroupWaitBits(events->all, 0x03, 1, 1, RTOS_MAX_DELAY);
    events->allWoken = true;
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void waitsForAny(void* parameter)
{
    const int index = parameter != nullptr ? 1 : 0;
    events->anyResults[index] = rtosEventGroupWaitBits(events->any, 0x01, 0, 0, RTOS_MAX_DELAY);
    ++events->anyWoken;
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void timesOut(void*)
{
    events->timeoutResult = rtosEventGroupWaitBits(events->timeout, 0x03, 1, 1, 50);
    events->timeoutWokeAt = rtosGetTickCount();
    events->timeoutBitsAfter = rtosEventGroupGetBitsFromInterrupt(events->timeout);
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void waitsOnDeleted(void*)
{
    events->deletedResult = rtosEventGroupWaitBits(events->deleted, 0x01, 0, 0, RTOS_MAX_DELAY);
    events->deletedWoken = true;
    rtosTaskDelay(RTOS_MAX_DELAY);
}

void setter(void*)
{
    rtosTaskDelay(5);
    rtosEventGroupSetBits(events->all, 0x01);
    events->allWokenAfterFirstBit = events->allWoken;
    rtosEventGroupSetBits(events->all, 0x02); // the waiter has the higher priority: it runs at once
    events->allBitsAfter = rtosEventGroupGetBitsFromInterrupt(events->all);

    rtosEventGroupSetBits(events->any, 0x01);
    rtosEventGroupSetBits(events->timeout, 0x01);

    rtosEventGroupSetBits(events->immediate, 0x04);
    events->immediateResult = rtosEventGroupWaitBits(events->immediate, 0x01, 0, 0, 0);

    rtosEventGroupDelete(events->deleted);
    // A rendezvous whose own bit completes the set returns at once and clears the bits.
    rtosEventGroupSetBits(events->immediate, 0x02);
    events->syncResult = rtosEventGroupSync(events->immediate, 0x01, 0x03, 10);

    rtosTaskDelay(100); // past the waiter's time-out
    rtosEndScheduler();
}
} // namespace

TEST(EventGroups, WaitersWakeOnTheirConditionsAndTimeOutWithTheBitsThenSet)
{
    Shared<Events> shared;
    events = &*shared;
    const scenario::Outcome outcome = runScheduler(
        [] {
            events->all = rtosEventGroupCreate();
            events->any = rtosEventGroupCreate();
            events->timeout = rtosEventGroupCreate();
            events->immediate = rtosEventGroupCreate();
            events->deleted = rtosEventGroupCreate();
            createTask(waitsForAll, "all", 4);
            createTask(waitsForAny, "any1", 3, nullptr);
            createTask(waitsForAny, "any2", 4, events);
            createTask(timesOut, "tmo", 3);
            createTask(waitsOnDeleted, "del", 3);
            createTask(setter, "set", 2);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_FALSE(shared->allWokenAfterFirstBit);
    EXPECT_EQ(shared->allResult, 0x03u);
    EXPECT_EQ(shared->allBitsAfter, 0u); // cleared on the way out
    EXPECT_EQ(shared->anyWoken, 2);      // one set wakes both
    EXPECT_EQ(shared->anyResults[0], 0x01u);
    EXPECT_EQ(shared->anyResults[1], 0x01u);
    EXPECT_EQ(shared->timeoutResult, 0x01u);
    EXPECT_GE(shared->timeoutWokeAt, 50u);
    EXPECT_EQ(shared->timeoutBitsAfter, 0x01u); // nothing cleared
    EXPECT_EQ(shared->immediateResult, 0x04u);
    EXPECT_TRUE(shared->deletedWoken);
    EXPECT_EQ(shared->deletedResult, 0u);
    EXPECT_EQ(shared->syncResult, 0x07u);
}
