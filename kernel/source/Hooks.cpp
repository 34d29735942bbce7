#include "KernelState.hpp"

#include <rtos/Port.hpp>

// Stand-ins for the application hooks; a program that defines its own replaces them.
__attribute__((weak)) void rtosIdleHook(void) {}
__attribute__((weak)) void rtosStackOverflowHook(void) { rtosCheckFailed(); }
__attribute__((weak)) void rtosAllocFailedHook(void) { rtosCheckFailed(); }

// Inside the critical section no task switch happens, so the whole system stops here.
void rtosCheckFailed(void)
{
    portEnterCritical();
    portHalt();
}
