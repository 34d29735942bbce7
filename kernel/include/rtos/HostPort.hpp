#ifndef RTOS_HOST_PORT_HPP
#define RTOS_HOST_PORT_HPP

#include <rtos/Port.hpp>

// Settings and figures of the port on host threads.
extern "C" {

enum : uint32_t
{
    PORT_TICK_PERIOD_US = 1000,
    PORT_FALLBACK_TICK_PERIOD_US = 20000, // a host without a fine timer
};

// Test setting, before rtosStartScheduler: tick every 20 ms, still counted as one tick.
void portUseFallbackTickPeriod(void);
// Instrumentation: the most task threads ever seen running at once (1 when sound).
uint32_t portGetMaxRunningTaskThreads(void);
// Number of ticks raised by the tick thread (merged ones included).
uint64_t portGetRaisedTickCount(void);

} // extern "C"

#endif
