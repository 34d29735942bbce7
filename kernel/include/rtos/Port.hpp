#ifndef RTOS_PORT_HPP
#define RTOS_PORT_HPP

#include <rtos/Task.hpp>

// What the kernel needs of the processor. A program links exactly one port.
extern "C" {

enum : uint32_t
{
    PORT_INT_YIELD = 0, // a task switch request
    PORT_INT_TICK = 1,  // the kernel tick
    PORT_MAX_INTERRUPTS = 32,
};

// Returns non-zero when a task switch is needed.
typedef uint32_t (*portInterruptHandler)(void);

// Prepares the task's execution; returns the new top of stack.
uint32_t* portCreateTaskThread(uint32_t* topOfStack, rtosTaskFunction entry, void* parameter);
// Runs the tasks; returns (0) only when the host objects cannot be had.
int32_t portStart(void);
void portRaiseInterrupt(uint32_t number);
void portInstallInterruptHandler(uint32_t number, portInterruptHandler handler);
void portEnterCritical(void);
void portExitCritical(void);
// Frees the execution of a deleted task (called by the idle task).
void portDeleteTaskThread(rtosTaskRecord* task);
// Ends the calling task, which has just deleted itself; leaves any critical section it holds.
[[noreturn]] void portEndRunningTaskThread(rtosTaskRecord* task, volatile int32_t* yieldPending);
// Ends the process with exit code 0.
[[noreturn]] void portEnd(void);
// The idle task's wait for the next interrupt when nothing else is ready.
void portWaitForInterrupt(void);
// The endless stop of a failed kernel check (the caller is in the critical section).
[[noreturn]] void portHalt(void);

} // extern "C"

inline void portYield() { portRaiseInterrupt(PORT_INT_YIELD); }

#endif
