#include "KernelState.hpp"

#include <rtos/Port.hpp>

#include <cstdlib>
#include <cstring>

using namespace rtosInternal;

namespace
{
rtosKernelState& k = rtosKernel;

constexpr uint8_t STACK_FILL = 0xA5;

void copyName(char* target, const char* name)
{
    uint32_t i = 0;
    for (; name != nullptr && i < RTOS_TASK_NAME_LENGTH - 1 && name[i] != '\0'; ++i) {
        target[i] = name[i];
    }
    for (; i < RTOS_TASK_NAME_LENGTH; ++i) {
        target[i] = '\0';
    }
}

void addNewTask(rtosTaskRecord* task)
{
    portEnterCritical();
    ++k.numberOfTasks;
    if (k.currentTask == nullptr) {
        k.currentTask = task;
        if (k.numberOfTasks == 1) {
            initialiseLists();
        }
    } else if (!k.schedulerRunning && k.currentTask->priority <= task->priority) {
        k.currentTask = task; // before the start the last-created of the highest priority runs first
    }
    ++k.taskNumber;
    addToReadyList(task);
    portExitCritical();
    if (k.schedulerRunning && k.currentTask->priority < task->priority) {
        portYield();
    }
}
bool delayUntilIsDue(uint32_t previous, uint32_t wake, uint32_t now)
{
    if (previous > now) { // the tick count wrapped since previous
        return wake < previous && wake > now;
    }
    return wake < previous || wake > now;
}
} // namespace

int32_t rtosTaskCreate(rtosTaskFunction entry, const char* name, uint16_t stackDepthWords, void* parameter,
                       uint32_t priority, rtosTaskHandle* handleOut, uint32_t* stackBuffer, const void*)
{
    RTOS_CHECK(entry != nullptr);
    RTOS_CHECK(priority < RTOS_MAX_PRIORITIES);
    const size_t stackBytes = size_t(stackDepthWords) * sizeof(uint32_t);
    uint32_t* stack = stackBuffer != nullptr ? stackBuffer : static_cast<uint32_t*>(rtosMalloc(stackBytes));
    if (stack == nullptr) {
        return RTOS_NO_MEMORY;
    }
    rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosMalloc(sizeof(rtosTaskRecord)));
    if (task == nullptr) {
        if (stackBuffer == nullptr) {
            rtosFree(stack);
        }
        return RTOS_NO_MEMORY;
    }
    std::memset(stack, STACK_FILL, stackBytes);
    std::memset(task, 0, sizeof(*task));
    const uintptr_t top = reinterpret_cast<uintptr_t>(stack + (stackDepthWords > 0 ? stackDepthWords - 1 : 0));
    uint32_t* topOfStack = reinterpret_cast<uint32_t*>(top & ~uintptr_t(3));

    task->stackStart = stack;
    task->ownsStack = stackBuffer == nullptr ? 1 : 0;
    copyName(task->name, name);
    task->priority = priority;
    task->basePriority = priority;
    rtosListInitItem(&task->stateItem);
    rtosListInitItem(&task->eventItem);
    task->stateItem.owner = task;
    task->eventItem.owner = task;
    task->eventItem.value = eventValueFor(priority);
    task->topOfStack = portCreateTaskThread(topOfStack, entry, parameter);
    if (handleOut != nullptr) {
        *handleOut = task;
    }
    addNewTask(task);
    return RTOS_PASS;
}

void rtosTaskDelete(rtosTaskHandle handle)
{
    portEnterCritical();
    rtosTaskRecord* task = orCurrent(handle);
    removeStateItem(task);
    if (task->eventItem.container != nullptr) {
        rtosListRemove(&task->eventItem);
    }
    rtosListInsertEnd(&k.terminationList, &task->stateItem);
    ++k.terminationCount;
    ++k.taskNumber;
    if (k.schedulerRunning) {
        if (task == k.currentTask) {
            RTOS_CHECK(k.schedulerSuspended == 0);
            portEndRunningTaskThread(task, &k.yieldPending); // leaves the critical section, never returns
        }
        resetNextUnblockTick();
    } else if (task == k.currentTask) {
        k.currentTask = k.readyPriorities != 0 ? k.currentTask : nullptr;
        if (k.currentTask != nullptr) {
            rtosSwitchContext();
        }
    }
    portExitCritical();
}

void rtosTaskDelay(uint32_t ticks)
{
    int32_t alreadyYielded = 0;
    if (ticks > 0) {
        RTOS_CHECK(k.schedulerSuspended == 0);
        rtosSuspendAll();
        blockCurrent(ticks, false);
        alreadyYielded = rtosResumeAll();
    }
    if (!alreadyYielded) {
        portYield();
    }
}

void rtosTaskDelayUntil(uint32_t* previousWakeTick, uint32_t increment)
{
    RTOS_CHECK(previousWakeTick != nullptr);
    RTOS_CHECK(increment > 0);
    RTOS_CHECK(k.schedulerSuspended == 0);
    rtosSuspendAll();
    const uint32_t now = k.tickCount;
    const uint32_t wake = *previousWakeTick + increment;
    const bool delay = delayUntilIsDue(*previousWakeTick, wake, now);
    *previousWakeTick = wake;
    if (delay) {
        removeStateItem(k.currentTask);
        putCurrentOnDelayedList(wake);
    }
    if (!rtosResumeAll()) {
        portYield();
    }
}

uint32_t rtosTaskPriorityGet(rtosTaskHandle task)
{
    portEnterCritical();
    const uint32_t priority = orCurrent(task)->priority;
    portExitCritical();
    return priority;
}

uint32_t rtosTaskPriorityGetFromInterrupt(rtosTaskHandle task) { return orCurrent(task)->priority; }

void rtosTaskPrioritySet(rtosTaskHandle handle, uint32_t priority)
{
    RTOS_CHECK(priority < RTOS_MAX_PRIORITIES);
    portEnterCritical();
    rtosTaskRecord* task = orCurrent(handle);
    if (task->basePriority != priority) {
        bool yieldRequired = false;
        if (priority > task->basePriority) {
            yieldRequired = task != k.currentTask && priority >= k.currentTask->priority;
        } else {
            yieldRequired = task == k.currentTask;
        }
        const uint32_t oldPriority = task->priority;
        if (task->basePriority == task->priority) { // no inheritance in effect
            task->priority = priority;
        }
        task->basePriority = priority;
        if ((task->eventItem.value & ITEM_VALUE_IN_USE) == 0) {
            task->eventItem.value = eventValueFor(priority);
        }
        if (task->stateItem.container == &k.readyLists[oldPriority]) {
            rtosListRemove(&task->stateItem);
            if (rtosListIsEmpty(&k.readyLists[oldPriority])) {
                k.readyPriorities &= ~(1u << oldPriority);
            }
            addToReadyList(task);
        }
        if (yieldRequired) {
            portYield();
        }
    }
    portExitCritical();
}

void rtosTaskSuspend(rtosTaskHandle handle)
{
    portEnterCritical();
    rtosTaskRecord* task = orCurrent(handle);
    removeStateItem(task);
    if (task->eventItem.container != nullptr) {
        rtosListRemove(&task->eventItem);
    }
    rtosListInsertEnd(&k.suspendedList, &task->stateItem);
    if (k.schedulerRunning && task != k.currentTask) {
        resetNextUnblockTick();
    }
    portExitCritical();
    if (task != k.currentTask) {
        return;
    }
    if (k.schedulerRunning) {
        RTOS_CHECK(k.schedulerSuspended == 0);
        portYield();
    } else if (k.suspendedList.numberOfItems == k.numberOfTasks) {
        k.currentTask = nullptr;
    } else {
        rtosSwitchContext();
    }
}

int32_t rtosTaskIsSuspended(rtosTaskHandle task)
{
    RTOS_CHECK(task != nullptr);
    return task->stateItem.container == &k.suspendedList && task->eventItem.container == nullptr ? 1 : 0;
}

void rtosTaskResume(rtosTaskHandle task)
{
    RTOS_CHECK(task != nullptr);
    if (task == k.currentTask) {
        return;
    }
    portEnterCritical();
    if (rtosTaskIsSuspended(task)) {
        rtosListRemove(&task->stateItem);
        addToReadyList(task);
        if (task->priority >= k.currentTask->priority) {
            portYield();
        }
    }
    portExitCritical();
}

int32_t rtosTaskResumeFromInterrupt(rtosTaskHandle task)
{
    RTOS_CHECK(task != nullptr);
    int32_t switchNeeded = 0;
    if (rtosTaskIsSuspended(task)) {
        if (k.schedulerSuspended == 0) {
            switchNeeded = task->priority >= k.currentTask->priority ? 1 : 0;
            rtosListRemove(&task->stateItem);
            addToReadyList(task);
        } else {
            rtosListInsertEnd(&k.pendingReadyList, &task->eventItem);
        }
    }
    return switchNeeded;
}

rtosTaskState rtosTaskGetState(rtosTaskHandle task)
{
    RTOS_CHECK(task != nullptr);
    if (task == k.currentTask) {
        return TASK_RUNNING;
    }
    portEnterCritical();
    const rtosList* state = task->stateItem.container;
    const rtosList* event = task->eventItem.container;
    portExitCritical();
    if (state == k.delayedList || state == k.overflowDelayedList) {
        return TASK_BLOCKED;
    }
    if (state == &k.suspendedList) {
        return event != nullptr ? TASK_BLOCKED : TASK_SUSPENDED;
    }
    if (state == &k.terminationList) {
        return TASK_DELETED;
    }
    return TASK_READY;
}

const char* rtosTaskGetName(rtosTaskHandle task) { return orCurrent(task)->name; }

uint16_t rtosTaskGetStackHighWaterMark(rtosTaskHandle handle)
{
    const rtosTaskRecord* task = orCurrent(handle);
    const uint8_t* byte = reinterpret_cast<const uint8_t*>(task->stackStart);
    const uint8_t* top = reinterpret_cast<const uint8_t*>(task->topOfStack);
    uint32_t count = 0;
    while (byte + count < top && byte[count] == STACK_FILL) { // a stack never touched ends at its top
        ++count;
    }
    return static_cast<uint16_t>(count / sizeof(uint32_t));
}
void rtosPriorityInherit(rtosTaskHandle holder)
{
    if (holder == nullptr || holder->priority >= k.currentTask->priority) {
        return;
    }
    if ((holder->eventItem.value & ITEM_VALUE_IN_USE) == 0) {
        holder->eventItem.value = eventValueFor(k.currentTask->priority);
    }
    if (holder->stateItem.container == &k.readyLists[holder->priority]) {
        removeStateItem(holder);
        holder->priority = k.currentTask->priority;
        addToReadyList(holder);
    } else {
        holder->priority = k.currentTask->priority;
    }
}

int32_t rtosPriorityDisinherit(rtosTaskHandle holder)
{
    if (holder == nullptr) {
        return 0;
    }
    RTOS_CHECK(holder == k.currentTask);
    RTOS_CHECK(holder->mutexesHeld > 0);
    --holder->mutexesHeld;
    if (holder->priority == holder->basePriority || holder->mutexesHeld != 0) {
        return 0;
    }
    removeStateItem(holder);
    holder->priority = holder->basePriority;
    holder->eventItem.value = eventValueFor(holder->priority);
    addToReadyList(holder);
    return 1;
}

rtosTaskHandle rtosIncrementMutexHeldCount(void)
{
    if (k.currentTask != nullptr) {
        ++k.currentTask->mutexesHeld;
    }
    return k.currentTask;
}
// Inside the critical section too: on the host a task stopped inside the allocator would
// hold its lock against every other task.
void* rtosMalloc(size_t size)
{
    rtosSuspendAll();
    portEnterCritical();
    void* pointer = std::malloc(size);
    portExitCritical();
    rtosResumeAll();
    if (pointer == nullptr && size > 0) {
        rtosAllocFailedHook();
    }
    return pointer;
}

void rtosFree(void* pointer)
{
    if (pointer == nullptr) {
        return;
    }
    rtosSuspendAll();
    portEnterCritical();
    std::free(pointer);
    portExitCritical();
    rtosResumeAll();
}
