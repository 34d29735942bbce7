#include "TestPort.hpp"

#include "KernelState.hpp"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr uint32_t CONTEXT_WORDS = 16; // what a processor port would push when preparing a task

struct State
{
    uint32_t pending = 0;
    uint32_t nesting = 9999;
    bool started = false;
    bool inMeanwhile = false;
    uint32_t yields = 0;
    std::function<void()> meanwhile;
    jmp_buf* taskExit = nullptr;
};
State port;

void dispatch()
{
    while (port.pending != 0 && port.nesting == 0) {
        const uint32_t bits = port.pending;
        port.pending = 0;
        bool switchWanted = (bits & (1u << PORT_INT_YIELD)) != 0;
        if ((bits & (1u << PORT_INT_TICK)) != 0 && rtosIncrementTick()) {
            switchWanted = true;
        }
        if (switchWanted) {
            rtosSwitchContext();
        }
    }
}
} // namespace

namespace testport
{
void reset()
{
    port.nesting = 0; // the reset frees memory through the kernel, which takes the critical section
    rtosResetKernelForTest();
    port = State{};
}

void start()
{
    rtosKernel.schedulerRunning = 1;
    rtosKernel.tickCount = 0;
    port.started = true;
    port.nesting = 0;
}

void tick(uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        port.pending |= 1u << PORT_INT_TICK;
        dispatch();
    }
}

void setTickCount(uint32_t ticks) { rtosKernel.tickCount = ticks; }
void meanwhile(std::function<void()> script) { port.meanwhile = std::move(script); }
uint32_t criticalNesting() { return port.nesting; }
uint32_t yields() { return port.yields; }
bool started() { return port.started; }

void runAsTask(const std::function<void()>& body)
{
    jmp_buf exit;
    jmp_buf* outer = port.taskExit;
    port.taskExit = &exit;
    if (setjmp(exit) == 0) {
        body();
    }
    port.taskExit = outer;
}

void idleEntry(void*) {}

rtosTaskHandle createTask(const char* name, uint32_t priority, uint16_t stackWords)
{
    rtosTaskHandle task = nullptr;
    rtosTaskCreate(idleEntry, name, stackWords, nullptr, priority, &task, nullptr, nullptr);
    return task;
}
} // namespace testport

uint32_t* portCreateTaskThread(uint32_t* topOfStack, rtosTaskFunction, void*)
{
    std::memset(topOfStack - CONTEXT_WORDS + 1, 0, CONTEXT_WORDS * sizeof(uint32_t));
    return topOfStack - CONTEXT_WORDS;
}

int32_t portStart(void)
{
    testport::start();
    return 1;
}

void portRaiseInterrupt(uint32_t number)
{
    if (!port.started) {
        rtosCheckFailed();
    }
    port.pending |= 1u << number;
    if (number != PORT_INT_YIELD || port.nesting != 0) {
        return; // taken when the critical section is left
    }
    ++port.yields;
    rtosTaskHandle caller = rtosGetCurrentTaskHandle();
    dispatch();
    while (rtosGetCurrentTaskHandle() != caller && !port.inMeanwhile) {
        if (!port.meanwhile) {
            std::fprintf(stderr, "a task blocked with nothing to run meanwhile\n");
            std::abort();
        }
        port.inMeanwhile = true;
        port.meanwhile();
        port.inMeanwhile = false;
    }
}

void portInstallInterruptHandler(uint32_t, portInterruptHandler) {}

void portEnterCritical(void) { ++port.nesting; }

void portExitCritical(void)
{
    if (port.nesting > 0) {
        --port.nesting;
    }
    if (port.nesting == 0 && (port.pending & (1u << PORT_INT_YIELD)) != 0) {
        port.pending &= ~(1u << PORT_INT_YIELD);
        portRaiseInterrupt(PORT_INT_YIELD);
    }
}

void portDeleteTaskThread(rtosTaskRecord*) {}

void portEndRunningTaskThread(rtosTaskRecord*, volatile int32_t* yieldPending)
{
    *yieldPending = 1;
    port.nesting = 0; // the ended task leaves the critical section behind
    port.pending |= 1u << PORT_INT_YIELD;
    dispatch();
    if (port.taskExit == nullptr) {
        std::abort();
    }
    std::longjmp(*port.taskExit, 1);
}

void portEnd(void) { std::exit(0); }

void portWaitForInterrupt(void) {}

void portHalt(void)
{
    std::fprintf(stderr, "kernel check failed\n");
    std::abort();
}
