#ifndef RTOS_MUTEX_HPP
#define RTOS_MUTEX_HPP

#include <rtos/Queue.hpp>

extern "C" {

// A mutex is a queue without storage whose one item is the right to hold it: taking is
// receiving, giving is sending no item. A task waiting for it lends the holder its priority.
typedef rtosQueueRecord* rtosMutexHandle;

[[nodiscard]] rtosQueueHandle rtosQueueCreateMutex(void);
[[nodiscard]] int32_t rtosQueueTakeMutexRecursive(rtosQueueHandle mutex, uint32_t ticks);
[[nodiscard]] int32_t rtosQueueGiveMutexRecursive(rtosQueueHandle mutex);

} // extern "C"

#endif
