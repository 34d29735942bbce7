#ifndef RTOS_TASK_HPP
#define RTOS_TASK_HPP

#include <rtos/List.hpp>

extern "C" {

typedef void (*rtosTaskFunction)(void* parameter);

struct rtosTaskRecord
{
    uint32_t* topOfStack; // the port keeps its thread record just below it
    rtosListItem stateItem;
    rtosListItem eventItem;
    uint32_t priority;
    uint32_t* stackStart;
    char name[RTOS_TASK_NAME_LENGTH];
    uint32_t basePriority;
    uint32_t mutexesHeld;
    volatile uint32_t notifyValue;
    volatile int32_t notifyState;
    uint32_t ownsStack; // 1 when the stack came from the kernel heap
};
typedef rtosTaskRecord* rtosTaskHandle;

// Wait state of a timed operation.
struct rtosTimeOut
{
    uint32_t overflowCount;
    uint32_t tickAtStart;
};

enum rtosTaskState : int32_t
{
    TASK_RUNNING = 0,
    TASK_READY = 1,
    TASK_BLOCKED = 2,
    TASK_SUSPENDED = 3,
    TASK_DELETED = 4,
};

enum rtosSchedulerState : int32_t
{
    SCHEDULER_SUSPENDED = 0,
    SCHEDULER_NOT_STARTED = 1,
    SCHEDULER_RUNNING = 2,
};

enum rtosNotifyState : int32_t
{
    NOTIFY_NOT_WAITING = 0,
    NOTIFY_WAITING = 1,
    NOTIFY_NOTIFIED = 2,
};

enum rtosNotifyAction : uint32_t
{
    NOTIFY_NO_ACTION = 0,
    NOTIFY_SET_BITS = 1,
    NOTIFY_INCREMENT = 2,
    NOTIFY_SET_VALUE_WITH_OVERWRITE = 3,
    NOTIFY_SET_VALUE_WITHOUT_OVERWRITE = 4,
};

// Tasks. A task argument of none means the calling task.
int32_t rtosTaskCreate(rtosTaskFunction entry, const char* name, uint16_t stackDepthWords, void* parameter,
                       uint32_t priority, rtosTaskHandle* handleOut, uint32_t* stackBuffer, const void* regions);
void rtosTaskDelete(rtosTaskHandle task);
void rtosTaskDelay(uint32_t ticks);
void rtosTaskDelayUntil(uint32_t* previousWakeTick, uint32_t increment);
uint32_t rtosTaskPriorityGet(rtosTaskHandle task);
uint32_t rtosTaskPriorityGetFromInterrupt(rtosTaskHandle task);
void rtosTaskPrioritySet(rtosTaskHandle task, uint32_t priority);
void rtosTaskSuspend(rtosTaskHandle task);
void rtosTaskResume(rtosTaskHandle task);
int32_t rtosTaskResumeFromInterrupt(rtosTaskHandle task);
int32_t rtosTaskIsSuspended(rtosTaskHandle task);
rtosTaskState rtosTaskGetState(rtosTaskHandle task);
const char* rtosTaskGetName(rtosTaskHandle task);
uint16_t rtosTaskGetStackHighWaterMark(rtosTaskHandle task);
rtosTaskHandle rtosGetCurrentTaskHandle(void);
rtosTaskHandle rtosGetIdleTaskHandle(void);
uint32_t rtosGetNumberOfTasks(void);
uint32_t rtosGetTickCount(void);
uint32_t rtosGetTickCountFromInterrupt(void);
rtosSchedulerState rtosGetSchedulerState(void);

// Scheduler. rtosStartScheduler returns only when it could not start.
void rtosStartScheduler(void);
void rtosEndScheduler(void);
void rtosSuspendAll(void);
int32_t rtosResumeAll(void);

// Called by the port: the tick (non-zero when a switch is due) and the choice of the next task.
int32_t rtosIncrementTick(void);
void rtosSwitchContext(void);

// Blocking primitives for queues, timers and event groups.
void rtosPlaceOnEventList(rtosList* eventList, uint32_t ticks);
void rtosPlaceOnUnorderedEventList(rtosList* eventList, uint32_t itemValue, uint32_t ticks);
void rtosPlaceOnEventListRestricted(rtosList* eventList, uint32_t ticks);
int32_t rtosRemoveFromEventList(const rtosList* eventList);
int32_t rtosRemoveFromUnorderedEventList(rtosListItem* eventItem, uint32_t itemValue);
void rtosSetTimeOutState(rtosTimeOut* timeOut);
int32_t rtosCheckForTimeOut(rtosTimeOut* timeOut, uint32_t* ticksToWait);
void rtosMissedYield(void);
uint32_t rtosResetEventItemValue(void);
void rtosPriorityInherit(rtosTaskHandle holder);
int32_t rtosPriorityDisinherit(rtosTaskHandle holder);
rtosTaskHandle rtosIncrementMutexHeldCount(void);

// Direct-to-task notifications.
[[nodiscard]] uint32_t rtosNotifyTake(int32_t clearOnExit, uint32_t ticks);
[[nodiscard]] int32_t rtosNotifyWait(uint32_t bitsToClearOnEntry, uint32_t bitsToClearOnExit, uint32_t* valueOut, uint32_t ticks);
int32_t rtosNotify(rtosTaskHandle task, uint32_t value, rtosNotifyAction action, uint32_t* previousValueOut);
int32_t rtosNotifyFromInterrupt(rtosTaskHandle task, uint32_t value, rtosNotifyAction action,
                                int32_t* switchNeededOut);
void rtosNotifyGiveFromInterrupt(rtosTaskHandle task, int32_t* switchNeededOut);

// Kernel memory: the host allocator, taken with the scheduler kept out.
[[nodiscard]] void* rtosMalloc(size_t size);
void rtosFree(void* pointer);

// Application hooks. The kernel has stand-ins that a program replaces by defining its own.
void rtosIdleHook(void);
void rtosStackOverflowHook(void);
void rtosAllocFailedHook(void);

// A failed kernel check: enters the critical section and stops the system for good.
[[noreturn]] void rtosCheckFailed(void);

} // extern "C"

#endif
