#ifndef RTOS_MUTEX_RECORD_HPP
#define RTOS_MUTEX_RECORD_HPP

// How a mutex reuses the fields of a queue record, for the queue and the mutex code alike.
#include <rtos/Queue.hpp>

#include <cstdint>

namespace rtosInternal
{
constexpr int32_t QUEUE_UNLOCKED = -1; // a lock count of a queue that is not locked

// A mutex is a queue without storage: its head is none and its tail names the holder.
inline bool isMutex(const rtosQueueRecord* queue) { return queue->head == nullptr; }
inline rtosTaskHandle holderOf(const rtosQueueRecord* queue) { return reinterpret_cast<rtosTaskHandle>(queue->tail); }
inline void setHolder(rtosQueueRecord* queue, rtosTaskHandle holder)
{
    queue->tail = reinterpret_cast<int8_t*>(holder);
}

// A recursive mutex counts its holder's takes in the read position.
inline uintptr_t recursiveCountOf(const rtosQueueRecord* queue)
{
    return reinterpret_cast<uintptr_t>(queue->readPosition);
}
inline void setRecursiveCount(rtosQueueRecord* queue, uintptr_t count)
{
    queue->readPosition = reinterpret_cast<int8_t*>(count);
}
} // namespace rtosInternal

#endif
