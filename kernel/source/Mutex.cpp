#include "KernelState.hpp"
#include "MutexRecord.hpp"

#include <rtos/Mutex.hpp>

#include <cstring>

using rtosInternal::holderOf;
using rtosInternal::recursiveCountOf;
using rtosInternal::setRecursiveCount;

rtosQueueHandle rtosQueueCreateMutex(void)
{
    rtosQueueRecord* mutex = static_cast<rtosQueueRecord*>(rtosMalloc(sizeof(rtosQueueRecord)));
    if (mutex == nullptr) {
        return nullptr;
    }
    std::memset(mutex, 0, sizeof(*mutex));
    mutex->length = 1;
    mutex->receiveLock = rtosInternal::QUEUE_UNLOCKED;
    mutex->sendLock = rtosInternal::QUEUE_UNLOCKED;
    rtosListInit(&mutex->tasksWaitingToSend);
    rtosListInit(&mutex->tasksWaitingToReceive);
    static_cast<void>(rtosQueueSend(mutex, nullptr, 0, QUEUE_SEND_BACK)); // starts available: an empty mutex has room
    return mutex;
}

int32_t rtosQueueTakeMutexRecursive(rtosQueueHandle mutex, uint32_t ticks)
{
    RTOS_CHECK(mutex != nullptr);
    if (holderOf(mutex) == rtosGetCurrentTaskHandle()) {
        setRecursiveCount(mutex, recursiveCountOf(mutex) + 1);
        return RTOS_PASS;
    }
    const int32_t taken = rtosQueueReceive(mutex, nullptr, ticks, 0);
    if (taken) {
        setRecursiveCount(mutex, recursiveCountOf(mutex) + 1);
    }
    return taken;
}

int32_t rtosQueueGiveMutexRecursive(rtosQueueHandle mutex)
{
    RTOS_CHECK(mutex != nullptr);
    if (holderOf(mutex) != rtosGetCurrentTaskHandle()) {
        return RTOS_FAIL;
    }
    setRecursiveCount(mutex, recursiveCountOf(mutex) - 1);
    if (recursiveCountOf(mutex) == 0) {
        static_cast<void>(rtosQueueSend(mutex, nullptr, 0, QUEUE_SEND_BACK)); // a held mutex has room
    }
    return RTOS_PASS;
}
