#ifndef TESTS_KERNEL_TEST_PORT_HPP
#define TESTS_KERNEL_TEST_PORT_HPP

#include <rtos/Rtos.hpp>

#include <functional>

// A port without threads: the test plays every task in turn and drives the tick by hand.
// A call that blocks yields; while its task is not the current one the port runs the
// test's "meanwhile" script, which ticks and acts as other tasks, until the task is chosen again.
namespace testport
{
void reset();                         // a fresh kernel and port
void start();                         // the scheduler running at tick 0, without idle or timer task
void tick(uint32_t count = 1);        // the tick interrupt, and the switch it asks for
void setTickCount(uint32_t ticks);    // jump the clock, as if that many ticks had passed
void meanwhile(std::function<void()> script);
uint32_t criticalNesting();
uint32_t yields();
bool started();
// Runs body as the current task; returns when the body returns or the task deletes itself.
void runAsTask(const std::function<void()>& body);
// A task entry that is never run here.
void idleEntry(void*);
rtosTaskHandle createTask(const char* name, uint32_t priority, uint16_t stackWords = 64);
} // namespace testport

#endif
