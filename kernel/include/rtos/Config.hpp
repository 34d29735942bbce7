#ifndef RTOS_CONFIG_HPP
#define RTOS_CONFIG_HPP

#include <cstddef>
#include <cstdint>

// Fixed figures of the kernel. Times are counted in ticks, 1000 to the second.
enum : uint32_t
{
    RTOS_TICK_RATE_HZ = 1000,
    RTOS_MAX_PRIORITIES = 10,     // 0 (idle) .. 9
    RTOS_MAX_DELAY = 0xFFFFFFFFu, // wait for ever
    RTOS_NO_WAIT = 0,
    RTOS_TASK_NAME_LENGTH = 7,    // six characters and the terminator
    RTOS_IDLE_STACK_WORDS = 256,
    RTOS_IDLE_PRIORITY = 0,
    RTOS_TIMER_TASK_STACK_WORDS = 256,
    RTOS_TIMER_TASK_PRIORITY = 5,
    RTOS_TIMER_QUEUE_LENGTH = 10,
    RTOS_QUEUE_REGISTRY_SIZE = 10,
};

// Result of a successful or failed kernel call unless the call says otherwise.
enum : int32_t
{
    RTOS_FAIL = 0,
    RTOS_PASS = 1,
    RTOS_NO_MEMORY = -1,
};

#endif
