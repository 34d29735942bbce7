#include "KernelFixture.hpp"

#include <cstring>

using Queues = Kernel;

namespace
{
char receiveChar(rtosQueueHandle queue)
{
    char item = 0;
    EXPECT_EQ(rtosQueueReceive(queue, &item, 0, 0), 1);
    return item;
}
} // namespace

TEST_F(Queues, FrontSendOvertakesTheBack)
{
    rtosQueueHandle queue = rtosQueueCreate(3, 1, QUEUE_TYPE_BASE);
    const char p = 'P', q = 'Q', r = 'R';
    EXPECT_EQ(rtosQueueSend(queue, &p, 0, QUEUE_SEND_BACK), 1);
    EXPECT_EQ(rtosQueueSend(queue, &q, 0, QUEUE_SEND_BACK), 1);
    EXPECT_EQ(rtosQueueSend(queue, &r, 0, QUEUE_SEND_FRONT), 1);
    EXPECT_EQ(rtosQueueSend(queue, &r, 0, QUEUE_SEND_BACK), 0); // full, no waiting
    EXPECT_EQ(receiveChar(queue), 'R');
    EXPECT_EQ(receiveChar(queue), 'P');
    EXPECT_EQ(receiveChar(queue), 'Q');
    char none = 0;
    EXPECT_EQ(rtosQueueReceive(queue, &none, 0, 0), 0);
    rtosQueueDelete(queue);
}

TEST_F(Queues, OverwriteReplacesAndPeekLeavesTheItem)
{
    rtosQueueHandle queue = rtosQueueCreate(1, 1, QUEUE_TYPE_BASE);
    const char a = 'a', b = 'b';
    ASSERT_EQ(rtosQueueSend(queue, &a, 0, QUEUE_SEND_BACK), 1);
    EXPECT_EQ(rtosQueueSend(queue, &b, 0, QUEUE_OVERWRITE), 1);
    EXPECT_EQ(rtosQueueMessagesWaiting(queue), 1u);
    char peeked = 0;
    EXPECT_EQ(rtosQueueReceive(queue, &peeked, 0, 1), 1);
    EXPECT_EQ(peeked, 'b');
    EXPECT_EQ(rtosQueueMessagesWaiting(queue), 1u);
    EXPECT_EQ(receiveChar(queue), 'b');
    EXPECT_EQ(rtosQueueIsEmpty(queue), 1);
    rtosQueueDelete(queue);
}

TEST_F(Queues, WrapsAroundItsStorageAndCountsSpaces)
{
    uint8_t frame[66];
    rtosQueueHandle queue = rtosQueueCreate(70, sizeof(frame), QUEUE_TYPE_BASE);
    for (uint8_t i = 0; i < 66; ++i) {
        std::memset(frame, i, sizeof(frame));
        ASSERT_EQ(rtosQueueSend(queue, frame, 0, QUEUE_SEND_BACK), 1);
    }
    EXPECT_EQ(rtosQueueSpacesAvailable(queue), 4u);
    EXPECT_EQ(rtosQueueMessagesWaiting(queue), 66u);
    EXPECT_EQ(rtosQueueIsFull(queue), 0);
    for (uint8_t i = 0; i < 66; ++i) { // items come out whole and in order across the wrap
        ASSERT_EQ(rtosQueueReceive(queue, frame, 0, 0), 1);
        EXPECT_EQ(frame[0], i);
        EXPECT_EQ(frame[65], i);
        std::memset(frame, 100 + i, sizeof(frame));
        ASSERT_EQ(rtosQueueSend(queue, frame, 0, QUEUE_SEND_BACK), 1);
    }
    ASSERT_EQ(rtosQueueReceive(queue, frame, 0, 0), 1);
    EXPECT_EQ(frame[0], 100);
    rtosQueueDelete(queue);
}

TEST_F(Queues, SendToAFullQueueTimesOut)
{
    testport::createTask("sender", 3);
    startWithIdle();
    rtosQueueHandle queue = rtosQueueCreate(1, sizeof(uint32_t), QUEUE_TYPE_BASE);
    const uint32_t item = 1;
    ASSERT_EQ(rtosQueueSend(queue, &item, 0, QUEUE_SEND_BACK), 1);
    testport::meanwhile([] { testport::tick(); });
    int32_t result = -1;
    testport::runAsTask([&] { result = rtosQueueSend(queue, &item, 100, QUEUE_SEND_BACK); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(rtosKernel.tickCount, 100u);
    EXPECT_TRUE(rtosListIsEmpty(&queue->tasksWaitingToSend));
    rtosQueueDelete(queue);
}

TEST_F(Queues, SendToAFullQueueCompletesWhenAReceiverMakesRoom)
{
    rtosTaskHandle sender = testport::createTask("sender", 3);
    startWithIdle();
    rtosQueueHandle queue = rtosQueueCreate(1, sizeof(uint32_t), QUEUE_TYPE_BASE);
    const uint32_t first = 1, second = 2;
    ASSERT_EQ(rtosQueueSend(queue, &first, 0, QUEUE_SEND_BACK), 1);
    uint32_t received = 0;
    testport::meanwhile([&] {
        testport::tick();
        if (rtosKernel.tickCount == 40) { // the idle stand-in plays the receiver
            EXPECT_EQ(rtosQueueReceive(queue, &received, 0, 0), 1);
            EXPECT_EQ(current(), sender); // woken at once: it has the higher priority
        }
    });
    int32_t result = -1;
    testport::runAsTask([&] { result = rtosQueueSend(queue, &second, 100, QUEUE_SEND_BACK); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(rtosKernel.tickCount, 40u);
    EXPECT_EQ(received, first);
    uint32_t left = 0;
    EXPECT_EQ(rtosQueueReceive(queue, &left, 0, 0), 1);
    EXPECT_EQ(left, second);
    rtosQueueDelete(queue);
}

TEST_F(Queues, CountingSemaphoreTakesUpToItsCountAndTimesOut)
{
    testport::createTask("taker", 3);
    startWithIdle();
    rtosQueueHandle semaphore = rtosQueueCreateCountingSemaphore(2, 1);
    EXPECT_EQ(rtosQueueReceive(semaphore, nullptr, 0, 0), 1);
    EXPECT_EQ(rtosQueueReceive(semaphore, nullptr, 0, 0), 0);
    testport::meanwhile([] { testport::tick(); });
    int32_t result = -1;
    testport::runAsTask([&] { result = rtosQueueReceive(semaphore, nullptr, 30, 0); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(rtosKernel.tickCount, 30u);
    EXPECT_EQ(rtosQueueSend(semaphore, nullptr, 0, QUEUE_SEND_BACK), 1);
    EXPECT_EQ(rtosQueueSend(semaphore, nullptr, 0, QUEUE_SEND_BACK), 1);
    EXPECT_EQ(rtosQueueSend(semaphore, nullptr, 0, QUEUE_SEND_BACK), 0); // at its maximum
    rtosQueueDelete(semaphore);
}

TEST_F(Queues, RegistryHoldsTenNames)
{
    rtosQueueHandle queues[11];
    for (rtosQueueHandle& queue : queues) {
        queue = rtosQueueCreate(1, 1, QUEUE_TYPE_BASE);
        rtosQueueAddToRegistry(queue, "Q");
    }
    EXPECT_STREQ(rtosQueueGetRegisteredName(queues[9]), "Q");
    EXPECT_EQ(rtosQueueGetRegisteredName(queues[10]), nullptr); // no free slot
    rtosQueueUnregister(queues[0]);
    EXPECT_EQ(rtosQueueGetRegisteredName(queues[0]), nullptr);
    for (rtosQueueHandle queue : queues) {
        rtosQueueDelete(queue);
    }
}
