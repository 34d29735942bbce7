#include "simulator/board/Board.hpp"

#include <rtos/Task.hpp>

// The application's kernel hooks. They live in the program itself so that they, and not the
// kernel's stand-ins, are linked.

void rtosIdleHook(void)
{
    boardPeriodicHook();
}

// A task's stack ran out, or the host allocator gave nothing: stop the whole system where it
// stands, silently, without keeping a core busy.
void rtosStackOverflowHook(void)
{
    rtosCheckFailed();
}

void rtosAllocFailedHook(void)
{
    rtosCheckFailed();
}
