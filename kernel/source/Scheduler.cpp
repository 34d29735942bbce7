#include "KernelState.hpp"

#include <rtos/Port.hpp>
#include <rtos/Timer.hpp>

#include <cstring>
#include <initializer_list>

rtosKernelState rtosKernel;

using namespace rtosInternal;

namespace
{
rtosKernelState& k = rtosKernel;

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
} // namespace

namespace rtosInternal
{
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

void freeTask(rtosTaskRecord* task)
{
    portDeleteTaskThread(task);
    if (task->ownsStack) {
        rtosFree(task->stackStart);
    }
    rtosFree(task);
}
} // namespace rtosInternal

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

// Under the critical section: a tick handled while the task runs on then either came before the
// suspension or sees it, never the one half-way through a list change that follows it.
void rtosSuspendAll(void)
{
    portEnterCritical();
    ++k.schedulerSuspended;
    portExitCritical();
}

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
void rtosResetKernelForTest()
{
    k.schedulerRunning = 0; // freeing must not switch
    k.schedulerSuspended = 0;
    k.yieldPending = 0;
    if (k.numberOfTasks > 0) {
        const auto freeTasksOf = [](rtosList* list) {
            while (!rtosListIsEmpty(list)) {
                rtosTaskRecord* task = static_cast<rtosTaskRecord*>(rtosListFirstOwner(list));
                rtosListRemove(&task->stateItem);
                freeTask(task);
            }
        };
        for (rtosList& ready : k.readyLists) {
            freeTasksOf(&ready);
        }
        for (rtosList* list : {&k.delayedLists[0], &k.delayedLists[1], &k.terminationList, &k.suspendedList}) {
            freeTasksOf(list);
        }
    }
    rtosResetTimersForTest();
    rtosResetQueueRegistryForTest();
    k = rtosKernelState{};
    k.nextUnblockTick = RTOS_MAX_DELAY;
    initialiseLists();
}
