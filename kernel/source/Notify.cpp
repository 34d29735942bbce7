#include "KernelState.hpp"

#include <rtos/Port.hpp>

using namespace rtosInternal;

namespace
{
rtosKernelState& k = rtosKernel;

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
