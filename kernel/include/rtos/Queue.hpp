#ifndef RTOS_QUEUE_HPP
#define RTOS_QUEUE_HPP

#include <rtos/Task.hpp>

extern "C" {

// A ring of fixed-size items copied in and out; the storage follows the record in one allocation.
// Semaphores are queues of items of size 0; a mutex has no storage (head none) and its tail names the holder.
struct rtosQueueRecord
{
    int8_t* head;
    int8_t* tail; // for a mutex: the holder task
    int8_t* writePosition;
    int8_t* readPosition; // for a recursive mutex: the recursive take count
    rtosList tasksWaitingToSend;
    rtosList tasksWaitingToReceive;
    volatile uint32_t messagesWaiting;
    uint32_t length;
    uint32_t itemSize;
    volatile int32_t receiveLock; // -1 unlocked, else items taken while locked
    volatile int32_t sendLock;    // -1 unlocked, else items added while locked
};
typedef rtosQueueRecord* rtosQueueHandle;
typedef rtosQueueRecord* rtosSemaphoreHandle;

enum rtosQueuePosition : uint32_t
{
    QUEUE_SEND_BACK = 0,
    QUEUE_SEND_FRONT = 1,
    QUEUE_OVERWRITE = 2, // only for a queue of length 1
};

enum rtosQueueType : uint8_t
{
    QUEUE_TYPE_BASE = 0,
    QUEUE_TYPE_MUTEX = 1,
    QUEUE_TYPE_COUNTING_SEMAPHORE = 2,
};

[[nodiscard]] rtosQueueHandle rtosQueueCreate(uint32_t length, uint32_t itemSize, uint8_t type);
int32_t rtosQueueReset(rtosQueueHandle queue, int32_t isNewQueue);
[[nodiscard]] int32_t rtosQueueSend(rtosQueueHandle queue, const void* item, uint32_t ticks, uint32_t position);
[[nodiscard]] int32_t rtosQueueSendFromInterrupt(rtosQueueHandle queue, const void* item, int32_t* switchNeededOut,
                                   uint32_t position);
[[nodiscard]] int32_t rtosQueueGiveFromInterrupt(rtosQueueHandle queue, int32_t* switchNeededOut);
[[nodiscard]] int32_t rtosQueueReceive(rtosQueueHandle queue, void* buffer, uint32_t ticks, int32_t peek);
[[nodiscard]] int32_t rtosQueueReceiveFromInterrupt(rtosQueueHandle queue, void* buffer, int32_t* switchNeededOut);
[[nodiscard]] int32_t rtosQueuePeekFromInterrupt(rtosQueueHandle queue, void* buffer);
uint32_t rtosQueueMessagesWaiting(rtosQueueHandle queue);
uint32_t rtosQueueSpacesAvailable(rtosQueueHandle queue);
uint32_t rtosQueueMessagesWaitingFromInterrupt(rtosQueueHandle queue);
int32_t rtosQueueIsEmpty(rtosQueueHandle queue);
int32_t rtosQueueIsFull(rtosQueueHandle queue);
int32_t rtosQueueIsEmptyFromInterrupt(rtosQueueHandle queue);
int32_t rtosQueueIsFullFromInterrupt(rtosQueueHandle queue);
void rtosQueueDelete(rtosQueueHandle queue);

// Counting semaphores on queues: taking is receiving, giving is sending no item. Mutexes: rtos/Mutex.hpp.
[[nodiscard]] rtosQueueHandle rtosQueueCreateCountingSemaphore(uint32_t maximum, uint32_t initial);

// Registry of named queues (10 slots).
void rtosQueueAddToRegistry(rtosQueueHandle queue, const char* name);
void rtosQueueUnregister(rtosQueueHandle queue);
const char* rtosQueueGetRegisteredName(rtosQueueHandle queue);

// For the timer task only: block on an empty queue with the scheduler suspended by the caller.
void rtosQueueWaitForMessageRestricted(rtosQueueHandle queue, uint32_t ticks);

} // extern "C"

#endif
