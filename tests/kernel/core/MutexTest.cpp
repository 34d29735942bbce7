#include "KernelFixture.hpp"

using Mutexes = Kernel;

TEST_F(Mutexes, RecursiveMutexIsReleasedByTheLastGiveOfItsHolder)
{
    rtosTaskHandle holder = testport::createTask("holder", 3);
    rtosTaskHandle other = testport::createTask("other", 2);
    startWithIdle();
    rtosQueueHandle mutex = rtosQueueCreateMutex();
    EXPECT_EQ(rtosQueueTakeMutexRecursive(mutex, 0), 1);
    EXPECT_EQ(rtosQueueTakeMutexRecursive(mutex, 0), 1);
    EXPECT_EQ(holder->mutexesHeld, 1u);
    rtosKernel.currentTask = other; // a look from another task
    EXPECT_EQ(rtosQueueGiveMutexRecursive(mutex), 0);
    EXPECT_EQ(rtosQueueTakeMutexRecursive(mutex, 0), 0);
    rtosKernel.currentTask = holder;
    EXPECT_EQ(rtosQueueGiveMutexRecursive(mutex), 1);
    EXPECT_EQ(rtosQueueMessagesWaiting(mutex), 0u); // still held
    EXPECT_EQ(rtosQueueGiveMutexRecursive(mutex), 1);
    EXPECT_EQ(rtosQueueMessagesWaiting(mutex), 1u);
    EXPECT_EQ(holder->mutexesHeld, 0u);
    rtosQueueDelete(mutex);
}
