#ifndef RTOS_KERNEL_STATE_HPP
#define RTOS_KERNEL_STATE_HPP

// The scheduler's own data, shared by the kernel's files and read by the kernel's tests.
#include <rtos/Task.hpp>

struct rtosKernelState
{
    rtosTaskRecord* volatile currentTask;
    rtosList readyLists[RTOS_MAX_PRIORITIES];
    rtosList delayedLists[2];
    rtosList* volatile delayedList;         // wake-up ticks in the present run of the tick count
    rtosList* volatile overflowDelayedList; // wake-up ticks past the wrap
    rtosList pendingReadyList;              // woken while the scheduler was suspended
    rtosList terminationList;
    volatile uint32_t terminationCount;
    rtosList suspendedList;
    rtosTaskHandle idleTask;
    volatile uint32_t numberOfTasks;
    volatile uint32_t tickCount;
    volatile uint32_t readyPriorities; // bit p: ready list p may hold tasks
    volatile int32_t schedulerRunning;
    volatile uint32_t schedulerSuspended;
    volatile uint32_t pendedTicks;
    volatile int32_t yieldPending;
    volatile uint32_t overflowCount;
    uint32_t taskNumber;
    volatile uint32_t nextUnblockTick;
};

// The ready lists are found by one highest-set-bit lookup in the ready-priority word.
static_assert(RTOS_MAX_PRIORITIES <= 8 * sizeof(rtosKernelState::readyPriorities),
              "every priority is a bit of the ready-priority word");
static_assert(sizeof(rtosKernelState::readyPriorities) <= sizeof(unsigned int),
              "the ready-priority word fits the bit lookup");
static_assert(RTOS_IDLE_PRIORITY < RTOS_MAX_PRIORITIES && RTOS_TIMER_TASK_PRIORITY < RTOS_MAX_PRIORITIES,
              "the kernel's own tasks run at priorities it has");

extern rtosKernelState rtosKernel;

// Scheduler list work shared by the kernel's files; callers hold the critical section or
// keep the scheduler suspended.
namespace rtosInternal
{
constexpr uint32_t ITEM_VALUE_IN_USE = 0x80000000u; // an event group wait owns the event item value

constexpr uint32_t eventValueFor(uint32_t priority) { return RTOS_MAX_PRIORITIES - priority; }
static_assert(eventValueFor(0) < ITEM_VALUE_IN_USE, "a priority's waiting value never reads as in use");
inline rtosTaskRecord* orCurrent(rtosTaskHandle task) { return task != nullptr ? task : rtosKernel.currentTask; }

void addToReadyList(rtosTaskRecord* task);
void removeStateItem(rtosTaskRecord* task);
void initialiseLists();
void resetNextUnblockTick();
void putCurrentOnDelayedList(uint32_t wakeTick);
void blockCurrent(uint32_t ticks, bool canWaitForEver);
void freeTask(rtosTaskRecord* task);
} // namespace rtosInternal

struct rtosQueueRecord;

// Tests only: frees every task, timer and registry entry and returns the kernel to its first state.
void rtosResetKernelForTest();
void rtosResetTimersForTest();
rtosQueueRecord* rtosTimerCommandQueueForTest();
void rtosResetQueueRegistryForTest();

// Kernel checks read as conditions that must hold.
#define RTOS_CHECK(condition) ((condition) ? static_cast<void>(0) : rtosCheckFailed())

#endif
