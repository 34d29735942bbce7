#include "KernelState.hpp"
#include "MutexRecord.hpp"

#include <rtos/Port.hpp>
#include <rtos/Queue.hpp>

#include <cstring>

namespace
{
constexpr int32_t UNLOCKED = rtosInternal::QUEUE_UNLOCKED;
constexpr int32_t LOCKED_UNMODIFIED = 0;

struct RegistryEntry
{
    const char* name; // free while none
    rtosQueueHandle queue;
};
RegistryEntry registry[RTOS_QUEUE_REGISTRY_SIZE];

using rtosInternal::holderOf;
using rtosInternal::isMutex;
using rtosInternal::setHolder;

void checkItem(const rtosQueueRecord* queue, const void* item)
{
    RTOS_CHECK(queue != nullptr);
    RTOS_CHECK(item != nullptr || queue->itemSize == 0);
}

// Returns whether a switch is needed (a mutex given back by a task that had inherited a priority).
int32_t copyIn(rtosQueueRecord* queue, const void* item, uint32_t position)
{
    int32_t switchNeeded = 0;
    uint32_t waiting = queue->messagesWaiting;
    if (queue->itemSize == 0) {
        if (isMutex(queue)) {
            switchNeeded = rtosPriorityDisinherit(holderOf(queue));
            setHolder(queue, nullptr);
        }
    } else if (position == QUEUE_SEND_BACK) {
        std::memcpy(queue->writePosition, item, queue->itemSize);
        queue->writePosition += queue->itemSize;
        if (queue->writePosition >= queue->tail) {
            queue->writePosition = queue->head;
        }
    } else {
        std::memcpy(queue->readPosition, item, queue->itemSize);
        queue->readPosition -= queue->itemSize;
        if (queue->readPosition < queue->head) {
            queue->readPosition = queue->tail - queue->itemSize;
        }
        if (position == QUEUE_OVERWRITE && waiting > 0) {
            --waiting; // a queue of length 1 holds exactly the new item
        }
    }
    queue->messagesWaiting = waiting + 1;
    return switchNeeded;
}

void copyOut(rtosQueueRecord* queue, void* buffer)
{
    if (queue->itemSize == 0) {
        return;
    }
    queue->readPosition += queue->itemSize;
    if (queue->readPosition >= queue->tail) {
        queue->readPosition = queue->head;
    }
    std::memcpy(buffer, queue->readPosition, queue->itemSize);
}

void lock(rtosQueueRecord* queue)
{
    portEnterCritical();
    if (queue->receiveLock == UNLOCKED) {
        queue->receiveLock = LOCKED_UNMODIFIED;
    }
    if (queue->sendLock == UNLOCKED) {
        queue->sendLock = LOCKED_UNMODIFIED;
    }
    portExitCritical();
}

// Hands the wake-ups counted while locked to the waiting tasks.
void unlock(rtosQueueRecord* queue)
{
    portEnterCritical();
    for (int32_t added = queue->sendLock; added > 0 && !rtosListIsEmpty(&queue->tasksWaitingToReceive); --added) {
        if (rtosRemoveFromEventList(&queue->tasksWaitingToReceive)) {
            rtosMissedYield();
        }
    }
    queue->sendLock = UNLOCKED;
    for (int32_t taken = queue->receiveLock; taken > 0 && !rtosListIsEmpty(&queue->tasksWaitingToSend); --taken) {
        if (rtosRemoveFromEventList(&queue->tasksWaitingToSend)) {
            rtosMissedYield();
        }
    }
    queue->receiveLock = UNLOCKED;
    portExitCritical();
}

bool isEmptyNow(rtosQueueRecord* queue)
{
    portEnterCritical();
    const bool empty = queue->messagesWaiting == 0;
    portExitCritical();
    return empty;
}

bool isFullNow(rtosQueueRecord* queue)
{
    portEnterCritical();
    const bool full = queue->messagesWaiting == queue->length;
    portExitCritical();
    return full;
}

void initialiseRecord(rtosQueueRecord* queue, uint32_t length, uint32_t itemSize)
{
    queue->length = length;
    queue->itemSize = itemSize;
    rtosQueueReset(queue, 1);
}

// A task woken by the other side; a higher-priority one takes over at once.
void wakeFirst(rtosList* waiting)
{
    if (!rtosListIsEmpty(waiting) && rtosRemoveFromEventList(waiting)) {
        portYield();
    }
}

// Interrupt side: wake a waiter, or count in the lock while a task is deciding to block.
void wakeFromInterrupt(rtosList* waiting, volatile int32_t& lockCount, int32_t* switchNeededOut)
{
    if (lockCount == UNLOCKED) {
        if (!rtosListIsEmpty(waiting) && rtosRemoveFromEventList(waiting) && switchNeededOut != nullptr) {
            *switchNeededOut = 1;
        }
    } else {
        ++lockCount;
    }
}

enum class Waiting
{
    ForRoom,
    ForItem
};

// A task found the queue full (waiting for room) or empty (for an item), outside the critical
// section and with its time-out running: blocks it on the matching list unless the time-out has
// passed or the queue changed meanwhile. Returns false once the time-out has passed.
bool waitFor(rtosQueueRecord* queue, Waiting what, rtosTimeOut& timeOut, uint32_t& ticks)
{
    rtosSuspendAll();
    lock(queue);
    if (rtosCheckForTimeOut(&timeOut, &ticks)) {
        unlock(queue);
        rtosResumeAll();
        return false;
    }
    const bool forItem = what == Waiting::ForItem;
    if (forItem ? isEmptyNow(queue) : isFullNow(queue)) {
        if (forItem && isMutex(queue)) {
            portEnterCritical();
            rtosPriorityInherit(holderOf(queue));
            portExitCritical();
        }
        rtosPlaceOnEventList(forItem ? &queue->tasksWaitingToReceive : &queue->tasksWaitingToSend, ticks);
        unlock(queue);
        if (!rtosResumeAll()) {
            portYield();
        }
    } else {
        unlock(queue);
        rtosResumeAll();
    }
    return true;
}
} // namespace

rtosQueueHandle rtosQueueCreate(uint32_t length, uint32_t itemSize, uint8_t)
{
    RTOS_CHECK(length > 0);
    const size_t storage = size_t(length) * itemSize;
    rtosQueueRecord* queue = static_cast<rtosQueueRecord*>(rtosMalloc(sizeof(rtosQueueRecord) + storage + 1));
    if (queue == nullptr) {
        return nullptr;
    }
    std::memset(queue, 0, sizeof(*queue));
    // Items of size 0 have no storage; the head points at the record so that it never reads as a mutex.
    queue->head = itemSize == 0 ? reinterpret_cast<int8_t*>(queue) : reinterpret_cast<int8_t*>(queue + 1);
    initialiseRecord(queue, length, itemSize);
    return queue;
}

int32_t rtosQueueReset(rtosQueueHandle queue, int32_t isNewQueue)
{
    RTOS_CHECK(queue != nullptr);
    portEnterCritical();
    queue->tail = queue->head + queue->length * queue->itemSize;
    queue->messagesWaiting = 0;
    queue->writePosition = queue->head;
    queue->readPosition = queue->head + (queue->length - 1) * queue->itemSize;
    queue->receiveLock = UNLOCKED;
    queue->sendLock = UNLOCKED;
    if (isNewQueue) {
        rtosListInit(&queue->tasksWaitingToSend);
        rtosListInit(&queue->tasksWaitingToReceive);
    } else {
        wakeFirst(&queue->tasksWaitingToSend);
    }
    portExitCritical();
    return RTOS_PASS;
}

int32_t rtosQueueSend(rtosQueueHandle queue, const void* item, uint32_t ticks, uint32_t position)
{
    checkItem(queue, item);
    RTOS_CHECK(position != QUEUE_OVERWRITE || queue->length == 1);
    RTOS_CHECK(!(rtosGetSchedulerState() == SCHEDULER_SUSPENDED && ticks != 0));
    rtosTimeOut timeOut;
    bool timeOutSet = false;
    for (;;) {
        portEnterCritical();
        if (queue->messagesWaiting < queue->length || position == QUEUE_OVERWRITE) {
            const int32_t switchNeeded = copyIn(queue, item, position);
            if (!rtosListIsEmpty(&queue->tasksWaitingToReceive)) {
                wakeFirst(&queue->tasksWaitingToReceive);
            } else if (switchNeeded) {
                portYield();
            }
            portExitCritical();
            return RTOS_PASS;
        }
        if (ticks == 0) {
            portExitCritical();
            return RTOS_FAIL;
        }
        if (!timeOutSet) {
            rtosSetTimeOutState(&timeOut);
            timeOutSet = true;
        }
        portExitCritical();

        if (!waitFor(queue, Waiting::ForRoom, timeOut, ticks)) {
            return RTOS_FAIL;
        }
    }
}

int32_t rtosQueueSendFromInterrupt(rtosQueueHandle queue, const void* item, int32_t* switchNeededOut,
                                   uint32_t position)
{
    checkItem(queue, item);
    RTOS_CHECK(position != QUEUE_OVERWRITE || queue->length == 1);
    if (queue->messagesWaiting >= queue->length && position != QUEUE_OVERWRITE) {
        return RTOS_FAIL;
    }
    copyIn(queue, item, position);
    wakeFromInterrupt(&queue->tasksWaitingToReceive, queue->sendLock, switchNeededOut);
    return RTOS_PASS;
}

int32_t rtosQueueGiveFromInterrupt(rtosQueueHandle queue, int32_t* switchNeededOut)
{
    RTOS_CHECK(queue != nullptr);
    RTOS_CHECK(queue->itemSize == 0);
    RTOS_CHECK(!(isMutex(queue) && holderOf(queue) != nullptr));
    if (queue->messagesWaiting >= queue->length) {
        return RTOS_FAIL;
    }
    ++queue->messagesWaiting;
    wakeFromInterrupt(&queue->tasksWaitingToReceive, queue->sendLock, switchNeededOut);
    return RTOS_PASS;
}

int32_t rtosQueueReceive(rtosQueueHandle queue, void* buffer, uint32_t ticks, int32_t peek)
{
    checkItem(queue, buffer);
    RTOS_CHECK(!(rtosGetSchedulerState() == SCHEDULER_SUSPENDED && ticks != 0));
    rtosTimeOut timeOut;
    bool timeOutSet = false;
    for (;;) {
        portEnterCritical();
        if (queue->messagesWaiting > 0) {
            int8_t* const readPosition = queue->readPosition;
            copyOut(queue, buffer);
            if (peek) {
                queue->readPosition = readPosition; // the item stays for the next receiver
                wakeFirst(&queue->tasksWaitingToReceive);
            } else {
                --queue->messagesWaiting;
                if (isMutex(queue)) {
                    setHolder(queue, rtosIncrementMutexHeldCount());
                }
                wakeFirst(&queue->tasksWaitingToSend);
            }
            portExitCritical();
            return RTOS_PASS;
        }
        if (ticks == 0) {
            portExitCritical();
            return RTOS_FAIL;
        }
        if (!timeOutSet) {
            rtosSetTimeOutState(&timeOut);
            timeOutSet = true;
        }
        portExitCritical();

        if (!waitFor(queue, Waiting::ForItem, timeOut, ticks)) {
            return RTOS_FAIL;
        }
    }
}

int32_t rtosQueueReceiveFromInterrupt(rtosQueueHandle queue, void* buffer, int32_t* switchNeededOut)
{
    checkItem(queue, buffer);
    if (queue->messagesWaiting == 0) {
        return RTOS_FAIL;
    }
    copyOut(queue, buffer);
    --queue->messagesWaiting;
    wakeFromInterrupt(&queue->tasksWaitingToSend, queue->receiveLock, switchNeededOut);
    return RTOS_PASS;
}

int32_t rtosQueuePeekFromInterrupt(rtosQueueHandle queue, void* buffer)
{
    checkItem(queue, buffer);
    RTOS_CHECK(queue->itemSize != 0);
    if (queue->messagesWaiting == 0) {
        return RTOS_FAIL;
    }
    int8_t* const readPosition = queue->readPosition;
    copyOut(queue, buffer);
    queue->readPosition = readPosition;
    return RTOS_PASS;
}

uint32_t rtosQueueMessagesWaiting(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    portEnterCritical();
    const uint32_t waiting = queue->messagesWaiting;
    portExitCritical();
    return waiting;
}

uint32_t rtosQueueSpacesAvailable(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    portEnterCritical();
    const uint32_t spaces = queue->length - queue->messagesWaiting;
    portExitCritical();
    return spaces;
}

uint32_t rtosQueueMessagesWaitingFromInterrupt(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    return queue->messagesWaiting;
}

int32_t rtosQueueIsEmpty(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    return isEmptyNow(queue) ? 1 : 0;
}

int32_t rtosQueueIsFull(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    return isFullNow(queue) ? 1 : 0;
}

int32_t rtosQueueIsEmptyFromInterrupt(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    return queue->messagesWaiting == 0 ? 1 : 0;
}

int32_t rtosQueueIsFullFromInterrupt(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    return queue->messagesWaiting == queue->length ? 1 : 0;
}

void rtosQueueDelete(rtosQueueHandle queue)
{
    RTOS_CHECK(queue != nullptr);
    rtosQueueUnregister(queue);
    rtosFree(queue);
}

rtosQueueHandle rtosQueueCreateCountingSemaphore(uint32_t maximum, uint32_t initial)
{
    RTOS_CHECK(maximum != 0);
    RTOS_CHECK(initial <= maximum);
    rtosQueueHandle semaphore = rtosQueueCreate(maximum, 0, QUEUE_TYPE_COUNTING_SEMAPHORE);
    if (semaphore != nullptr) {
        semaphore->messagesWaiting = initial;
    }
    return semaphore;
}

void rtosQueueAddToRegistry(rtosQueueHandle queue, const char* name)
{
    for (RegistryEntry& entry : registry) {
        if (entry.name == nullptr) {
            entry.name = name;
            entry.queue = queue;
            return;
        }
    }
}

void rtosQueueUnregister(rtosQueueHandle queue)
{
    for (RegistryEntry& entry : registry) {
        if (entry.name != nullptr && entry.queue == queue) {
            entry.name = nullptr;
            entry.queue = nullptr;
            return;
        }
    }
}

const char* rtosQueueGetRegisteredName(rtosQueueHandle queue)
{
    for (const RegistryEntry& entry : registry) {
        if (entry.name != nullptr && entry.queue == queue) {
            return entry.name;
        }
    }
    return nullptr;
}

void rtosQueueWaitForMessageRestricted(rtosQueueHandle queue, uint32_t ticks)
{
    lock(queue);
    if (queue->messagesWaiting == 0) {
        rtosPlaceOnEventListRestricted(&queue->tasksWaitingToReceive, ticks);
    }
    unlock(queue);
}

void rtosResetQueueRegistryForTest()
{
    for (RegistryEntry& entry : registry) {
        entry = RegistryEntry{};
    }
}
