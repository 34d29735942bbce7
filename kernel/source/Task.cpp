#include "KernelState.hpp"

#include <rtos/Port.hpp>
#include <rtos/Timer.hpp>

#include <cstdlib>
#include <cstring>

rtosKernelState rtosKernel;

namespace
{
rtosKernelState& k = rtosKernel;

constexpr uint8_t STACK_FILL = 0xA5;
constexpr uint32_t ITEM_VALUE_IN_USE = 0x80000000u; // an event group wait owns the event item value

uint32_t eventValueFor(uint32_t priority) { return RTOS_MAX_PRIORITIES - priority; }

void addToReadyList(rtosTaskRecord* task)
{
    k.readyPriorities |= 1u << task->priority;
    rtosListInsertEnd(&k.readyLists[task->priority], &task->stateItem);
}

// Takes the task out of whatever state list holds it; an emptied ready list loses its bit.
void removeStateItem(rtosTaskRecord* task)
{
    rtosListRemove(&task->stateItem);
    if (rtosListIsEmpty(&k.readyLists[task->priority])) {
        k.readyPriorities &= ~(1u << task->priority);
    }
}

void initialiseLists()
{
    for (rtosList& list : k.readyLists) {
        rtosListInit(&list);
    }
    rtosListInit(&k.delayedLists[0]);
    rtosListInit(&k.delayedLists[1]);
    rtosListInit(&k.pendingReadyList);
    rtosListInit(&k.terminationList);
    rtosListInit(&k.suspendedList);
    k.delayedList = &k.delayedLists[0];
    k.overflowDelayedList = &k.delayedLists[1];
    k.nextUnblockTick = RTOS_MAX_DELAY;
}

void resetNextUnblockTick()
{
    k.nextUnblockTick = rtosListIsEmpty(k.delayedList) ? RTOS_MAX_DELAY : rtosListFirst(k.delayedList)->value;
}

void putCurrentOnDelayedList(uint32_t wakeTick)
{
    rtosTaskRecord* current = k.currentTask;
    current->stateItem.value = wakeTick;
    if (wakeTick < k.tickCount) {
        rtosListInsert(k.overflowDelayedList, &current->stateItem);
    } else {
        rtosListInsert(k.delayedList, &current->stateItem);
        if (wakeTick < k.nextUnblockTick) {
            k.nextUnblockTick = wakeTick;
        }
    }
}

// Waiting for ever parks the task in the suspended list, where no tick finds it.
void blockCurrent(uint32_t ticks, bool canWaitForEver)
{
    removeStateItem(k.currentTask);
    if (ticks == RTOS_MAX_DELAY && canWaitForEver) {
        rtosListInsertEnd(&k.suspendedList, &k.currentTask->stateItem);
    } else {
        putCurrentOnDelayedList(k.tickCount + ticks);
    }
}

rtosTaskRecord* orCurrent(rtosTaskHandle task) { return task != nullptr ? task : k.currentTask; }

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

void freeTask(rtosTaskRecord* task)
{
    portDeleteTaskThread(task);
    if (task->ownsStack) {
        rtosFree(task->stackStart);
    }
    rtosFree(task);
}

void freeTerminatedTasks()
{
    while (k.terminationCount > 0) {
        rtosSuspendAll();
        const bool empty = rtosListIsEmpty(&k.terminationList);
        rtosResumeAll();
        if (empty) {
            continue;
        }
        portEnterCritical();
        rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosListFirstOwner(&k.terminationList));
        rtosListRemove(&task->stateItem);
        --k.numberOfTasks;
        --k.terminationCount;
        portExitCritical();
        freeTask(task);
    }
}

void idleTask(void*)
{
    for (;;) {
        freeTerminatedTasks();
        if (k.readyLists[RTOS_IDLE_PRIORITY].numberOfItems > 1) {
            portYield();
        }
        rtosIdleHook();
        // Only the idle task left to run: sleep until an interrupt, as a processor would.
        if (k.readyPriorities == (1u << RTOS_IDLE_PRIORITY) && k.readyLists[RTOS_IDLE_PRIORITY].numberOfItems == 1 &&
            k.terminationCount == 0) {
            portWaitForInterrupt();
        }
    }
}

bool delayUntilIsDue(uint32_t previous, uint32_t wake, uint32_t now)
{
    if (previous > now) { // the tick count wrapped since previous
        return wake < previous && wake > now;
    }
    return wake < previous || wake > now;
}

// Wakes a task that waited for a notification; the caller keeps the scheduler out.
void wakeNotified(rtosTaskRecord* task, bool fromInterrupt)
{
    if (!fromInterrupt || k.schedulerSuspended == 0) {
        RTOS_CHECK(task->eventItem.container == nullptr);
        removeStateItem(task);
        addToReadyList(task);
    } else {
        rtosListInsertEnd(&k.pendingReadyList, &task->eventItem);
    }
}

int32_t applyNotifyAction(rtosTaskRecord* task, uint32_t value, rtosNotifyAction action, int32_t previousState)
{
    switch (action) {
    case NOTIFY_SET_BITS:
        task->notifyValue |= value;
        break;
    case NOTIFY_INCREMENT:
        ++task->notifyValue;
        break;
    case NOTIFY_SET_VALUE_WITH_OVERWRITE:
        task->notifyValue = value;
        break;
    case NOTIFY_SET_VALUE_WITHOUT_OVERWRITE:
        if (previousState == NOTIFY_NOTIFIED) {
            return RTOS_FAIL;
        }
        task->notifyValue = value;
        break;
    case NOTIFY_NO_ACTION:
        break;
    }
    return RTOS_PASS;
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
    if (priority >= RTOS_MAX_PRIORITIES) {
        priority = RTOS_MAX_PRIORITIES - 1;
    }
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

rtosTaskHandle rtosGetCurrentTaskHandle(void) { return k.currentTask; }
rtosTaskHandle rtosGetIdleTaskHandle(void) { return k.idleTask; }
uint32_t rtosGetNumberOfTasks(void) { return k.numberOfTasks; }

uint32_t rtosGetTickCount(void)
{
    portEnterCritical();
    const uint32_t ticks = k.tickCount;
    portExitCritical();
    return ticks;
}

uint32_t rtosGetTickCountFromInterrupt(void) { return k.tickCount; }

rtosSchedulerState rtosGetSchedulerState(void)
{
    if (!k.schedulerRunning) {
        return SCHEDULER_NOT_STARTED;
    }
    return k.schedulerSuspended == 0 ? SCHEDULER_RUNNING : SCHEDULER_SUSPENDED;
}

void rtosStartScheduler(void)
{
    int32_t result = rtosTaskCreate(idleTask, "IDLE", RTOS_IDLE_STACK_WORDS, nullptr, RTOS_IDLE_PRIORITY, &k.idleTask,
                                    nullptr, nullptr);
    if (result == RTOS_PASS) {
        result = rtosTimerCreateTask();
    }
    if (result == RTOS_PASS) {
        portEnterCritical();
        k.schedulerRunning = 1;
        k.tickCount = 0;
        portStart(); // runs the tasks; returns only when the host objects are missing
        return;
    }
    RTOS_CHECK(result != RTOS_FAIL);
}

void rtosEndScheduler(void)
{
    portEnterCritical();
    k.schedulerRunning = 0;
    portEnd();
}

void rtosSuspendAll(void) { ++k.schedulerSuspended; }

int32_t rtosResumeAll(void)
{
    RTOS_CHECK(k.schedulerSuspended > 0);
    int32_t yielded = 0;
    portEnterCritical();
    --k.schedulerSuspended;
    if (k.schedulerSuspended == 0 && k.numberOfTasks > 0) {
        while (!rtosListIsEmpty(&k.pendingReadyList)) {
            rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosListFirstOwner(&k.pendingReadyList));
            rtosListRemove(&task->eventItem);
            removeStateItem(task);
            addToReadyList(task);
            if (task->priority >= k.currentTask->priority) {
                k.yieldPending = 1;
            }
        }
        while (k.pendedTicks > 0) {
            if (rtosIncrementTick()) {
                k.yieldPending = 1;
            }
            --k.pendedTicks;
        }
        // No processor to switch before the start: the first task is chosen by then anyway.
        if (k.yieldPending && k.schedulerRunning) {
            yielded = 1;
            portYield();
        }
    }
    portExitCritical();
    return yielded;
}

int32_t rtosIncrementTick(void)
{
    int32_t switchNeeded = 0;
    if (k.schedulerSuspended == 0) {
        const uint32_t tick = k.tickCount + 1;
        k.tickCount = tick;
        if (tick == 0) {
            RTOS_CHECK(rtosListIsEmpty(k.delayedList));
            rtosList* swap = k.delayedList;
            k.delayedList = k.overflowDelayedList;
            k.overflowDelayedList = swap;
            ++k.overflowCount;
            resetNextUnblockTick();
        }
        if (tick >= k.nextUnblockTick) {
            for (;;) {
                if (rtosListIsEmpty(k.delayedList)) {
                    k.nextUnblockTick = RTOS_MAX_DELAY;
                    break;
                }
                rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosListFirstOwner(k.delayedList));
                if (tick < task->stateItem.value) {
                    k.nextUnblockTick = task->stateItem.value;
                    break;
                }
                rtosListRemove(&task->stateItem);
                if (task->eventItem.container != nullptr) {
                    rtosListRemove(&task->eventItem);
                }
                addToReadyList(task);
                if (task->priority >= k.currentTask->priority) {
                    switchNeeded = 1;
                }
            }
        }
    } else {
        ++k.pendedTicks;
    }
    if (k.yieldPending) {
        switchNeeded = 1;
    }
    return switchNeeded;
}

void rtosSwitchContext(void)
{
    if (k.schedulerSuspended != 0) {
        k.yieldPending = 1;
        return;
    }
    k.yieldPending = 0;
    if (k.currentTask != nullptr && k.currentTask->topOfStack <= k.currentTask->stackStart) {
        rtosStackOverflowHook();
    }
    RTOS_CHECK(k.readyPriorities != 0);
    const uint32_t top = 31u - static_cast<uint32_t>(__builtin_clz(k.readyPriorities));
    rtosList* list = &k.readyLists[top];
    RTOS_CHECK(list->numberOfItems > 0);
    // One step on from the index: tasks of equal priority take turns, one per switch.
    list->index = list->index->next;
    if (list->index == rtosListEndMarker(list)) {
        list->index = list->index->next;
    }
    k.currentTask = static_cast<rtosTaskRecord*>(list->index->owner);
}

void rtosPlaceOnEventList(rtosList* eventList, uint32_t ticks)
{
    RTOS_CHECK(eventList != nullptr);
    rtosListInsert(eventList, &k.currentTask->eventItem);
    blockCurrent(ticks, true);
}

void rtosPlaceOnUnorderedEventList(rtosList* eventList, uint32_t itemValue, uint32_t ticks)
{
    RTOS_CHECK(eventList != nullptr);
    RTOS_CHECK(k.schedulerSuspended != 0);
    k.currentTask->eventItem.value = itemValue | ITEM_VALUE_IN_USE;
    rtosListInsertEnd(eventList, &k.currentTask->eventItem);
    blockCurrent(ticks, true);
}

void rtosPlaceOnEventListRestricted(rtosList* eventList, uint32_t ticks)
{
    RTOS_CHECK(eventList != nullptr);
    rtosListInsertEnd(eventList, &k.currentTask->eventItem);
    blockCurrent(ticks, false);
}

int32_t rtosRemoveFromEventList(const rtosList* eventList)
{
    RTOS_CHECK(eventList != nullptr && !rtosListIsEmpty(eventList));
    rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosListFirstOwner(eventList));
    rtosListRemove(&task->eventItem);
    if (k.schedulerSuspended == 0) {
        removeStateItem(task);
        addToReadyList(task);
    } else {
        rtosListInsertEnd(&k.pendingReadyList, &task->eventItem);
    }
    if (task->priority > k.currentTask->priority) {
        k.yieldPending = 1;
        return 1;
    }
    return 0;
}

int32_t rtosRemoveFromUnorderedEventList(rtosListItem* eventItem, uint32_t itemValue)
{
    RTOS_CHECK(k.schedulerSuspended != 0);
    eventItem->value = itemValue | ITEM_VALUE_IN_USE;
    rtosTaskRecord* task = static_cast<rtosTaskRecord*>(eventItem->owner);
    RTOS_CHECK(task != nullptr);
    rtosListRemove(eventItem);
    removeStateItem(task);
    addToReadyList(task);
    if (task->priority > k.currentTask->priority) {
        k.yieldPending = 1;
        return 1;
    }
    return 0;
}

void rtosSetTimeOutState(rtosTimeOut* timeOut)
{
    timeOut->overflowCount = k.overflowCount;
    timeOut->tickAtStart = k.tickCount;
}

int32_t rtosCheckForTimeOut(rtosTimeOut* timeOut, uint32_t* ticksToWait)
{
    RTOS_CHECK(timeOut != nullptr && ticksToWait != nullptr);
    int32_t timedOut = 1;
    portEnterCritical();
    const uint32_t now = k.tickCount;
    const uint32_t passed = now - timeOut->tickAtStart;
    if (*ticksToWait == RTOS_MAX_DELAY) {
        timedOut = 0;
    } else if (k.overflowCount != timeOut->overflowCount && now >= timeOut->tickAtStart) {
        timedOut = 1; // a whole run of the tick count has passed
    } else if (passed < *ticksToWait) {
        *ticksToWait -= passed;
        rtosSetTimeOutState(timeOut);
        timedOut = 0;
    }
    portExitCritical();
    return timedOut;
}

void rtosMissedYield(void) { k.yieldPending = 1; }

uint32_t rtosResetEventItemValue(void)
{
    const uint32_t value = k.currentTask->eventItem.value;
    k.currentTask->eventItem.value = eventValueFor(k.currentTask->priority);
    return value;
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

uint32_t rtosNotifyTake(int32_t clearOnExit, uint32_t ticks)
{
    rtosTaskRecord* current = k.currentTask;
    portEnterCritical();
    if (current->notifyValue == 0) {
        current->notifyState = NOTIFY_WAITING;
        if (ticks > 0) {
            blockCurrent(ticks, true);
            portYield(); // taken when the critical section is left
        }
    }
    portExitCritical();
    portEnterCritical();
    const uint32_t value = current->notifyValue;
    if (value != 0) {
        current->notifyValue = clearOnExit ? 0 : value - 1;
    }
    current->notifyState = NOTIFY_NOT_WAITING;
    portExitCritical();
    return value;
}

int32_t rtosNotifyWait(uint32_t bitsToClearOnEntry, uint32_t bitsToClearOnExit, uint32_t* valueOut, uint32_t ticks)
{
    rtosTaskRecord* current = k.currentTask;
    portEnterCritical();
    if (current->notifyState != NOTIFY_NOTIFIED) {
        current->notifyValue &= ~bitsToClearOnEntry;
        current->notifyState = NOTIFY_WAITING;
        if (ticks > 0) {
            blockCurrent(ticks, true);
            portYield();
        }
    }
    portExitCritical();
    portEnterCritical();
    if (valueOut != nullptr) {
        *valueOut = current->notifyValue;
    }
    int32_t result = RTOS_PASS;
    if (current->notifyState == NOTIFY_WAITING) {
        result = RTOS_FAIL; // timed out
    } else {
        current->notifyValue &= ~bitsToClearOnExit;
    }
    current->notifyState = NOTIFY_NOT_WAITING;
    portExitCritical();
    return result;
}

int32_t rtosNotify(rtosTaskHandle task, uint32_t value, rtosNotifyAction action, uint32_t* previousValueOut)
{
    RTOS_CHECK(task != nullptr);
    portEnterCritical();
    if (previousValueOut != nullptr) {
        *previousValueOut = task->notifyValue;
    }
    const int32_t previousState = task->notifyState;
    task->notifyState = NOTIFY_NOTIFIED;
    const int32_t result = applyNotifyAction(task, value, action, previousState);
    if (previousState == NOTIFY_WAITING) {
        wakeNotified(task, false);
        if (task->priority > k.currentTask->priority) {
            portYield();
        }
    }
    portExitCritical();
    return result;
}

int32_t rtosNotifyFromInterrupt(rtosTaskHandle task, uint32_t value, rtosNotifyAction action,
                                int32_t* switchNeededOut)
{
    RTOS_CHECK(task != nullptr);
    const int32_t previousState = task->notifyState;
    task->notifyState = NOTIFY_NOTIFIED;
    const int32_t result = applyNotifyAction(task, value, action, previousState);
    if (previousState == NOTIFY_WAITING) {
        wakeNotified(task, true);
        if (task->priority > k.currentTask->priority && switchNeededOut != nullptr) {
            *switchNeededOut = 1;
        }
    }
    return result;
}

void rtosNotifyGiveFromInterrupt(rtosTaskHandle task, int32_t* switchNeededOut)
{
    rtosNotifyFromInterrupt(task, 0, NOTIFY_INCREMENT, switchNeededOut);
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

void rtosResetKernelForTest()
{
    k.schedulerRunning = 0; // freeing must not switch
    k.schedulerSuspended = 0;
    k.yieldPending = 0;
    if (k.numberOfTasks > 0) {
        rtosList* lists[] = {&k.delayedLists[0], &k.delayedLists[1], &k.terminationList, &k.suspendedList};
        for (rtosList& ready : k.readyLists) {
            while (!rtosListIsEmpty(&ready)) {
                rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosListFirstOwner(&ready));
                rtosListRemove(&task->stateItem);
                freeTask(task);
            }
        }
        for (rtosList* list : lists) {
            while (!rtosListIsEmpty(list)) {
                rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosListFirstOwner(list));
                rtosListRemove(&task->stateItem);
                freeTask(task);
            }
        }
    }
    rtosResetTimersForTest();
    rtosResetQueueRegistryForTest();
    k = rtosKernelState{};
    k.nextUnblockTick = RTOS_MAX_DELAY;
    initialiseLists();
}
