#include "KernelState.hpp"

#include <rtos/Port.hpp>
#include <rtos/Timer.hpp>

#include <cstring>

namespace
{
struct TimerModule
{
    rtosList lists[2];
    rtosList* currentList;  // expiry ticks in the present run of the tick count
    rtosList* overflowList; // expiry ticks past the wrap
    rtosQueueHandle commandQueue;
    rtosTaskHandle task;
    uint32_t lastSampledTick;
};
TimerModule t;

void initInfrastructure()
{
    portEnterCritical();
    if (t.commandQueue == nullptr) {
        rtosListInit(&t.lists[0]);
        rtosListInit(&t.lists[1]);
        t.currentList = &t.lists[0];
        t.overflowList = &t.lists[1];
        t.commandQueue = rtosQueueCreate(RTOS_TIMER_QUEUE_LENGTH, sizeof(rtosTimerCommand), QUEUE_TYPE_BASE);
        RTOS_CHECK(t.commandQueue != nullptr);
        rtosQueueAddToRegistry(t.commandQueue, "TimerQ");
    }
    portExitCritical();
}

bool sendInternal(int32_t command, uint32_t value, rtosTimerHandle timer)
{
    return rtosTimerGenericCommand(timer, command, value, nullptr, 0) == RTOS_PASS;
}

// Returns true when the expiry has already passed and the timer must be processed now.
bool insertActive(rtosTimerRecord* timer, uint32_t expiry, uint32_t now, uint32_t commandTick)
{
    timer->listItem.value = expiry;
    timer->listItem.owner = timer;
    if (expiry <= now) {
        if (now - commandTick >= timer->period) {
            return true; // passed between the command and its processing
        }
        rtosListInsert(t.overflowList, &timer->listItem); // the expiry wrapped
        return false;
    }
    if (now < commandTick && expiry >= commandTick) {
        return true; // the tick count wrapped since the command, the expiry with it
    }
    rtosListInsert(t.currentList, &timer->listItem);
    return false;
}

// After the tick count wrapped, everything left in the current list is due.
void switchLists()
{
    while (!rtosListIsEmpty(t.currentList)) {
        const uint32_t expiry = rtosListFirst(t.currentList)->value;
        rtosTimerRecord* timer = static_cast<rtosTimerRecord*>(rtosListFirstOwner(t.currentList));
        rtosListRemove(&timer->listItem);
        timer->callback(timer);
        if (timer->autoReload) {
            const uint32_t reload = expiry + timer->period;
            if (reload > expiry) {
                timer->listItem.value = reload;
                timer->listItem.owner = timer;
                rtosListInsert(t.currentList, &timer->listItem);
            } else {
                RTOS_CHECK(sendInternal(TIMER_CMD_START_INTERNAL, expiry, timer));
            }
        }
    }
    rtosList* swap = t.currentList;
    t.currentList = t.overflowList;
    t.overflowList = swap;
}

uint32_t sampleTime(bool& listsSwitched)
{
    const uint32_t now = rtosGetTickCount();
    listsSwitched = now < t.lastSampledTick;
    if (listsSwitched) {
        switchLists();
    }
    t.lastSampledTick = now;
    return now;
}

void processExpired(uint32_t expiry, uint32_t now)
{
    rtosTimerRecord* timer = static_cast<rtosTimerRecord*>(rtosListFirstOwner(t.currentList));
    rtosListRemove(&timer->listItem);
    // Each expiry is the previous one plus the period: the phase survives a late task.
    if (timer->autoReload && insertActive(timer, expiry + timer->period, now, expiry)) {
        RTOS_CHECK(sendInternal(TIMER_CMD_START_INTERNAL, expiry, timer));
    }
    timer->callback(timer);
}

void processOrBlock(uint32_t nextExpiry, bool listEmpty)
{
    rtosSuspendAll();
    bool listsSwitched = false;
    const uint32_t now = sampleTime(listsSwitched);
    if (listsSwitched) {
        rtosResumeAll();
        return;
    }
    if (!listEmpty && nextExpiry <= now) {
        rtosResumeAll();
        processExpired(nextExpiry, now);
        return;
    }
    // Sleep on the command queue exactly until the next expiry (nearly for ever when none).
    rtosQueueWaitForMessageRestricted(t.commandQueue, nextExpiry - now);
    if (!rtosResumeAll()) {
        portYield();
    }
}

void processCommands()
{
    rtosTimerCommand message;
    while (rtosQueueReceive(t.commandQueue, &message, 0, 0) == RTOS_PASS) {
        if (message.command < 0) {
            message.pendedCall.function(message.pendedCall.parameter1, message.pendedCall.parameter2);
            continue;
        }
        rtosTimerRecord* timer = message.timerCommand.timer;
        const uint32_t value = message.timerCommand.value;
        if (timer->listItem.container != nullptr) {
            rtosListRemove(&timer->listItem);
        }
        bool listsSwitched = false;
        const uint32_t now = sampleTime(listsSwitched);
        switch (message.command) {
        case TIMER_CMD_START_INTERNAL:
        case TIMER_CMD_START:
        case TIMER_CMD_RESET:
        case TIMER_CMD_START_FROM_INTERRUPT:
        case TIMER_CMD_RESET_FROM_INTERRUPT:
            // The period counts from the tick sent with the command, not from now.
            if (insertActive(timer, value + timer->period, now, value)) {
                timer->callback(timer);
                if (timer->autoReload) {
                    RTOS_CHECK(sendInternal(TIMER_CMD_START_INTERNAL, value + timer->period, timer));
                }
            }
            break;
        case TIMER_CMD_CHANGE_PERIOD:
        case TIMER_CMD_CHANGE_PERIOD_FROM_INTERRUPT:
            RTOS_CHECK(value != 0);
            timer->period = value;
            insertActive(timer, now + value, now, now);
            break;
        case TIMER_CMD_DELETE:
            rtosFree(timer);
            break;
        default: // stop: the timer stays inactive
            break;
        }
    }
}

void timerTask(void*)
{
    for (;;) {
        const bool listEmpty = rtosListIsEmpty(t.currentList);
        const uint32_t nextExpiry = listEmpty ? 0 : rtosListFirst(t.currentList)->value;
        processOrBlock(nextExpiry, listEmpty);
        processCommands();
    }
}

int32_t sendCommand(const rtosTimerCommand& message, int32_t* switchNeededOut, uint32_t ticks)
{
    if (message.command >= TIMER_CMD_START_FROM_INTERRUPT) {
        return rtosQueueSendFromInterrupt(t.commandQueue, &message, switchNeededOut, QUEUE_SEND_BACK);
    }
    const uint32_t wait = rtosGetSchedulerState() == SCHEDULER_RUNNING ? ticks : 0;
    return rtosQueueSend(t.commandQueue, &message, wait, QUEUE_SEND_BACK);
}
} // namespace

rtosTimerHandle rtosTimerCreate(const char* name, uint32_t period, uint32_t autoReload, uint32_t id,
                                rtosTimerCallback callback)
{
    RTOS_CHECK(period > 0);
    rtosTimerRecord* timer = static_cast<rtosTimerRecord*>(rtosMalloc(sizeof(rtosTimerRecord)));
    if (timer == nullptr) {
        return nullptr;
    }
    initInfrastructure();
    std::memset(timer, 0, sizeof(*timer));
    timer->name = name;
    timer->period = period;
    timer->autoReload = autoReload;
    timer->id = id;
    timer->callback = callback;
    rtosListInitItem(&timer->listItem);
    return timer;
}

int32_t rtosTimerGenericCommand(rtosTimerHandle timer, int32_t command, uint32_t value, int32_t* switchNeededOut,
                                uint32_t ticks)
{
    if (t.commandQueue == nullptr) {
        return RTOS_FAIL;
    }
    rtosTimerCommand message;
    std::memset(&message, 0, sizeof(message));
    message.command = command;
    message.timerCommand.value = value;
    message.timerCommand.timer = timer;
    return sendCommand(message, switchNeededOut, ticks);
}

int32_t rtosTimerPendCall(rtosPendedFunction function, void* parameter1, uint32_t parameter2, uint32_t ticks)
{
    RTOS_CHECK(t.commandQueue != nullptr);
    rtosTimerCommand message;
    std::memset(&message, 0, sizeof(message));
    message.command = TIMER_CMD_EXECUTE_CALLBACK;
    message.pendedCall.function = function;
    message.pendedCall.parameter1 = parameter1;
    message.pendedCall.parameter2 = parameter2;
    return rtosQueueSend(t.commandQueue, &message, ticks, QUEUE_SEND_BACK);
}

int32_t rtosTimerPendCallFromInterrupt(rtosPendedFunction function, void* parameter1, uint32_t parameter2,
                                       int32_t* switchNeededOut)
{
    rtosTimerCommand message;
    std::memset(&message, 0, sizeof(message));
    message.command = TIMER_CMD_EXECUTE_CALLBACK_FROM_INTERRUPT;
    message.pendedCall.function = function;
    message.pendedCall.parameter1 = parameter1;
    message.pendedCall.parameter2 = parameter2;
    return rtosQueueSendFromInterrupt(t.commandQueue, &message, switchNeededOut, QUEUE_SEND_BACK);
}

int32_t rtosTimerIsActive(rtosTimerHandle timer)
{
    portEnterCritical();
    const bool active = timer->listItem.container != nullptr;
    portExitCritical();
    return active ? 1 : 0;
}

uint32_t rtosTimerGetId(rtosTimerHandle timer)
{
    RTOS_CHECK(timer != nullptr);
    portEnterCritical();
    const uint32_t id = timer->id;
    portExitCritical();
    return id;
}

void rtosTimerSetId(rtosTimerHandle timer, uint32_t id)
{
    RTOS_CHECK(timer != nullptr);
    portEnterCritical();
    timer->id = id;
    portExitCritical();
}

const char* rtosTimerGetName(rtosTimerHandle timer) { return timer->name; }

rtosTaskHandle rtosTimerGetTaskHandle(void)
{
    RTOS_CHECK(t.task != nullptr);
    return t.task;
}

int32_t rtosTimerCreateTask(void)
{
    initInfrastructure();
    RTOS_CHECK(t.commandQueue != nullptr);
    const int32_t result = rtosTaskCreate(timerTask, "Timers", RTOS_TIMER_TASK_STACK_WORDS, nullptr,
                                          RTOS_TIMER_TASK_PRIORITY, &t.task, nullptr, nullptr);
    RTOS_CHECK(result != RTOS_FAIL);
    return result;
}

rtosQueueRecord* rtosTimerCommandQueueForTest() { return t.commandQueue; }

void rtosResetTimersForTest()
{
    if (t.commandQueue != nullptr) {
        rtosQueueDelete(t.commandQueue);
    }
    t = TimerModule{};
}
