#include "KernelFixture.hpp"

#include <cstring>

using Tasks = Kernel;
using TasksDeathTest = Kernel;

TEST_F(Tasks, SecondOfTwoEqualPriorityTasksRunsFirstAndTheTickDoesNotRotate)
{
    rtosTaskHandle first = testport::createTask("first", 3);
    rtosTaskHandle second = testport::createTask("second", 3);
    startWithIdle();
    EXPECT_EQ(current(), second);
    testport::tick(5);
    EXPECT_EQ(current(), second);

    uint32_t wokeAt = 0;
    testport::meanwhile([&] {
        EXPECT_EQ(current(), first); // the other one runs while second sleeps
        testport::tick();
        if (current() == second) {
            wokeAt = rtosGetTickCountFromInterrupt();
        }
    });
    testport::runAsTask([] { rtosTaskDelay(10); });
    EXPECT_EQ(wokeAt, 15u);
}

TEST_F(Tasks, DelayAcrossTheTickWrapWakesAfterTheListsAreSwapped)
{
    rtosTaskHandle task = testport::createTask("task", 3);
    startWithIdle();
    testport::setTickCount(0xFFFFFFF8u);
    bool inOverflowList = false;
    uint32_t wokeAt = 0;
    testport::meanwhile([&] {
        inOverflowList = inOverflowList || task->stateItem.container == rtosKernel.overflowDelayedList;
        testport::tick();
        wokeAt = rtosGetTickCountFromInterrupt();
    });
    testport::runAsTask([] { rtosTaskDelay(10); });
    EXPECT_TRUE(inOverflowList);
    EXPECT_EQ(wokeAt, 2u);
    EXPECT_EQ(rtosKernel.overflowCount, 1u);
}

TEST_F(Tasks, DelayUntilCountsFromThePlannedTick)
{
    testport::createTask("task", 3);
    startWithIdle();
    uint32_t previous = 100;
    testport::setTickCount(170);
    testport::meanwhile([] { FAIL() << "a late caller must not wait"; });
    testport::runAsTask([&] { rtosTaskDelayUntil(&previous, 50); });
    EXPECT_EQ(previous, 150u);

    testport::setTickCount(180);
    uint32_t wokeAt = 0;
    testport::meanwhile([&] {
        testport::tick();
        wokeAt = rtosGetTickCountFromInterrupt();
    });
    testport::runAsTask([&] { rtosTaskDelayUntil(&previous, 50); });
    EXPECT_EQ(wokeAt, 200u);
    EXPECT_EQ(previous, 200u);
}

TEST_F(Tasks, DelayZeroOnlyYieldsToAnEqualPriorityTask)
{
    rtosTaskHandle first = testport::createTask("first", 3);
    rtosTaskHandle second = testport::createTask("second", 3);
    startWithIdle();
    rtosTaskHandle ranMeanwhile = nullptr;
    testport::meanwhile([&] {
        ranMeanwhile = current();
        rtosTaskDelay(0); // first hands back
    });
    testport::runAsTask([] { rtosTaskDelay(0); });
    EXPECT_EQ(ranMeanwhile, first);
    EXPECT_EQ(current(), second);
    EXPECT_EQ(rtosKernel.tickCount, 0u);
}

TEST_F(Tasks, TickWhileSuspendedIsReplayedOnResume)
{
    rtosTaskHandle sleeper = testport::createTask("sleeper", 3);
    rtosTaskHandle worker = testport::createTask("worker", 2);
    startWithIdle();
    testport::meanwhile([&] {
        ASSERT_EQ(current(), worker);
        rtosSuspendAll();
        testport::tick(5);
        EXPECT_EQ(rtosKernel.tickCount, 0u);
        EXPECT_EQ(current(), worker); // no switch while suspended
        EXPECT_EQ(rtosResumeAll(), 1);
    });
    testport::runAsTask([] { rtosTaskDelay(3); });
    EXPECT_EQ(current(), sleeper);
    EXPECT_EQ(rtosKernel.tickCount, 5u);
}

TEST_F(Tasks, RaisingAnotherTaskAboveTheCurrentRunsItAtOnce)
{
    rtosTaskHandle high = testport::createTask("high", 3);
    rtosTaskHandle low = testport::createTask("low", 2);
    startWithIdle();
    rtosTaskHandle ranMeanwhile = nullptr;
    testport::meanwhile([&] {
        ranMeanwhile = current();
        rtosTaskPrioritySet(nullptr, 2); // gives the processor back
    });
    testport::runAsTask([&] { rtosTaskPrioritySet(low, 4); });
    EXPECT_EQ(ranMeanwhile, low);
    EXPECT_EQ(current(), high);

    const uint32_t yields = testport::yields();
    testport::runAsTask([] { rtosTaskPrioritySet(nullptr, 6); });
    EXPECT_EQ(testport::yields(), yields);
    EXPECT_EQ(rtosTaskPriorityGet(nullptr), 6u);
}

TEST_F(Tasks, SuspendAndResume)
{
    rtosTaskHandle high = testport::createTask("high", 3);
    rtosTaskHandle low = testport::createTask("low", 2);
    startWithIdle();
    rtosTaskSuspend(low);
    EXPECT_EQ(rtosTaskGetState(low), TASK_SUSPENDED);
    EXPECT_TRUE(rtosTaskIsSuspended(low));
    rtosTaskResume(low);
    EXPECT_EQ(rtosTaskGetState(low), TASK_READY);
    EXPECT_EQ(current(), high); // a lower-priority task does not take over
}

TEST_F(Tasks, NamesAreCutToSixCharactersAndTheStartCreatesIdleAndTimerTask)
{
    rtosTaskHandle task = testport::createTask("SC", 6);
    EXPECT_STREQ(rtosTaskGetName(task), "SC");
    rtosStartScheduler(); // the test port's start returns
    ASSERT_TRUE(testport::started());
    EXPECT_STREQ(rtosTaskGetName(rtosTimerGetTaskHandle()), "Timers"); // six characters: kept whole
    EXPECT_STREQ(rtosQueueGetRegisteredName(rtosTimerCommandQueueForTest()), "TimerQ");
    EXPECT_STREQ(rtosTaskGetName(rtosGetIdleTaskHandle()), "IDLE");
    EXPECT_EQ(rtosTaskPriorityGet(rtosTimerGetTaskHandle()), 5u);
    EXPECT_EQ(rtosGetNumberOfTasks(), 3u);
}

TEST_F(Tasks, StackIsFilledAndItsHighWaterMarkMeasured)
{
    rtosTaskHandle task = testport::createTask("task", 1, 100);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(task->stackStart);
    EXPECT_EQ(bytes[0], 0xA5);
    EXPECT_EQ(bytes[4 * 83 - 1], 0xA5);
    EXPECT_EQ(rtosTaskGetStackHighWaterMark(task), 83u); // 100 words less what the port prepared
    task->stackStart[40] = 0;                            // the task once reached down to here
    EXPECT_EQ(rtosTaskGetStackHighWaterMark(task), 40u);
}

TEST_F(Tasks, NotifyWithoutOverwriteOnANotifiedTaskFails)
{
    rtosTaskHandle task = testport::createTask("task", 2);
    startWithIdle();
    uint32_t previous = 99;
    EXPECT_EQ(rtosNotify(task, 7, NOTIFY_SET_VALUE_WITHOUT_OVERWRITE, &previous), 1);
    EXPECT_EQ(previous, 0u);
    EXPECT_EQ(rtosNotify(task, 9, NOTIFY_SET_VALUE_WITHOUT_OVERWRITE, nullptr), 0);
    EXPECT_EQ(task->notifyValue, 7u);
    EXPECT_EQ(rtosNotify(task, 0, NOTIFY_INCREMENT, nullptr), 1);
    EXPECT_EQ(task->notifyValue, 8u);
}

TEST_F(Tasks, NotifyTakeWaitsUntilGiven)
{
    rtosTaskHandle waiter = testport::createTask("waiter", 3);
    startWithIdle();
    testport::meanwhile([&] {
        testport::tick();
        if (rtosKernel.tickCount == 7) {
            rtosNotify(waiter, 0, NOTIFY_INCREMENT, nullptr);
        }
    });
    uint32_t taken = 0;
    testport::runAsTask([&] { taken = rtosNotifyTake(1, RTOS_MAX_DELAY); });
    EXPECT_EQ(taken, 1u);
    EXPECT_EQ(rtosKernel.tickCount, 7u);
}

// Mended: a task deleting itself inside a critical section used to end with the section held.
TEST_F(Tasks, SelfDeleteInsideACriticalSectionLeavesTheSection)
{
    rtosTaskHandle doomed = testport::createTask("doomed", 3);
    rtosTaskHandle other = testport::createTask("other", 2);
    startWithIdle();
    bool returned = false;
    testport::runAsTask([&] {
        portEnterCritical();
        portEnterCritical();
        rtosTaskDelete(nullptr);
        returned = true;
    });
    EXPECT_FALSE(returned);
    EXPECT_EQ(testport::criticalNesting(), 0u);
    EXPECT_EQ(current(), other);
    EXPECT_EQ(rtosTaskGetState(doomed), TASK_DELETED);
}

TEST_F(Tasks, DeletingAnotherTaskLeavesTheCurrentOneRunning)
{
    rtosTaskHandle runner = testport::createTask("runner", 3);
    rtosTaskHandle victim = testport::createTask("victim", 2);
    startWithIdle();
    rtosTaskDelete(victim);
    EXPECT_EQ(rtosTaskGetState(victim), TASK_DELETED);
    EXPECT_EQ(current(), runner);
    EXPECT_EQ(rtosKernel.terminationCount, 1u);
}

TEST_F(TasksDeathTest, FailedChecksStopTheKernel)
{
    struct Case
    {
        const char* what;
        void (*call)();
    };
    const Case cases[] = {
        {"priority above 9", [] { testport::createTask("high", 10); }},
        {"no entry", [] { rtosTaskCreate(nullptr, "none", 64, nullptr, 1, nullptr, nullptr, nullptr); }},
        {"resume without suspend", [] { rtosResumeAll(); }},
        {"zero-length queue", [] { static_cast<void>(rtosQueueCreate(0, 4, QUEUE_TYPE_BASE)); }},
        {"top-byte event bit", [] { rtosEventGroupSetBits(rtosEventGroupCreate(), 0x01000000u); }},
        {"wait for no event bit", [] { static_cast<void>(rtosEventGroupWaitBits(rtosEventGroupCreate(), 0, 0, 0, 0)); }},
        {"timer of period 0", [] { static_cast<void>(rtosTimerCreate("T", 0, 0, 0, nullptr)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DEATH(c.call(), "kernel check failed");
    }
}
