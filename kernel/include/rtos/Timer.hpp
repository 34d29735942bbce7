#ifndef RTOS_TIMER_HPP
#define RTOS_TIMER_HPP

#include <rtos/Queue.hpp>

extern "C" {

struct rtosTimerRecord;
typedef rtosTimerRecord* rtosTimerHandle;
typedef void (*rtosTimerCallback)(rtosTimerHandle timer);
// A function pended to the timer task, with its two parameters.
typedef void (*rtosPendedFunction)(void* parameter1, uint32_t parameter2);

struct rtosTimerRecord
{
    const char* name; // not copied
    rtosListItem listItem; // value: the expiry tick while active
    uint32_t period;
    uint32_t autoReload;
    uint32_t id;
    rtosTimerCallback callback;
};

enum rtosTimerCommandNumber : int32_t
{
    TIMER_CMD_EXECUTE_CALLBACK_FROM_INTERRUPT = -2,
    TIMER_CMD_EXECUTE_CALLBACK = -1,
    TIMER_CMD_START_INTERNAL = 0,
    TIMER_CMD_START = 1,
    TIMER_CMD_RESET = 2,
    TIMER_CMD_STOP = 3,
    TIMER_CMD_CHANGE_PERIOD = 4,
    TIMER_CMD_DELETE = 5,
    TIMER_CMD_START_FROM_INTERRUPT = 6,
    TIMER_CMD_RESET_FROM_INTERRUPT = 7,
    TIMER_CMD_STOP_FROM_INTERRUPT = 8,
    TIMER_CMD_CHANGE_PERIOD_FROM_INTERRUPT = 9,
};

// An item of the command queue "TimerQ".
struct rtosTimerCommand
{
    int32_t command;
    union
    {
        struct
        {
            uint32_t value; // a tick count (start, reset) or the new period
            rtosTimerHandle timer;
        } timerCommand;
        struct
        {
            rtosPendedFunction function;
            void* parameter1;
            uint32_t parameter2;
        } pendedCall;
    };
};

[[nodiscard]] rtosTimerHandle rtosTimerCreate(const char* name, uint32_t period, uint32_t autoReload, uint32_t id,
                                rtosTimerCallback callback);
[[nodiscard]] int32_t rtosTimerGenericCommand(rtosTimerHandle timer, int32_t command, uint32_t value, int32_t* switchNeededOut,
                                uint32_t ticks);
[[nodiscard]] int32_t rtosTimerPendCall(rtosPendedFunction function, void* parameter1, uint32_t parameter2, uint32_t ticks);
[[nodiscard]] int32_t rtosTimerPendCallFromInterrupt(rtosPendedFunction function, void* parameter1, uint32_t parameter2,
                                       int32_t* switchNeededOut);
int32_t rtosTimerIsActive(rtosTimerHandle timer);
uint32_t rtosTimerGetId(rtosTimerHandle timer);
void rtosTimerSetId(rtosTimerHandle timer, uint32_t id);
const char* rtosTimerGetName(rtosTimerHandle timer);
rtosTaskHandle rtosTimerGetTaskHandle(void);
int32_t rtosTimerCreateTask(void); // called by rtosStartScheduler

} // extern "C"

// The usual commands, each a rtosTimerGenericCommand.
[[nodiscard]] inline int32_t rtosTimerStart(rtosTimerHandle timer, uint32_t ticks)
{
    return rtosTimerGenericCommand(timer, TIMER_CMD_START, rtosGetTickCount(), nullptr, ticks);
}
[[nodiscard]] inline int32_t rtosTimerStop(rtosTimerHandle timer, uint32_t ticks)
{
    return rtosTimerGenericCommand(timer, TIMER_CMD_STOP, 0, nullptr, ticks);
}
[[nodiscard]] inline int32_t rtosTimerReset(rtosTimerHandle timer, uint32_t ticks)
{
    return rtosTimerGenericCommand(timer, TIMER_CMD_RESET, rtosGetTickCount(), nullptr, ticks);
}
[[nodiscard]] inline int32_t rtosTimerChangePeriod(rtosTimerHandle timer, uint32_t period, uint32_t ticks)
{
    return rtosTimerGenericCommand(timer, TIMER_CMD_CHANGE_PERIOD, period, nullptr, ticks);
}
[[nodiscard]] inline int32_t rtosTimerDelete(rtosTimerHandle timer, uint32_t ticks)
{
    return rtosTimerGenericCommand(timer, TIMER_CMD_DELETE, 0, nullptr, ticks);
}

#endif
