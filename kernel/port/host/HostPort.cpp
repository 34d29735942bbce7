// The processor played by POSIX threads. Every task is a thread; a task runs only while it holds
// the processor, and the main thread, playing the interrupt controller, takes it away:
//  - a task that yields, waits for an interrupt or leaves a critical section with an interrupt
//    pending stops itself on its own semaphore ("parks");
//  - a task running anywhere else (its own code, a blocking host call) is parked by a signal
//    whose handler waits on the same semaphore; inside a critical section the handler only
//    notes the request and the task parks when it leaves the section.
// The main thread runs the handlers holding the critical section's mutex, so never while a task
// is inside one. The running task goes on meanwhile: the handlers touch only what tasks touch
// inside the critical section or with the scheduler suspended (which the tick only counts).
// Only when a handler asks for a switch does the main thread park the running task, choose the
// next one and resume it; a tick that changes nothing costs the tasks nothing.
#include <rtos/HostPort.hpp>

#include <atomic>
#include <cerrno>
#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <pthread.h>
#include <sched.h>
#include <semaphore.h>
#include <unistd.h>

namespace
{
constexpr uint32_t NESTING_BEFORE_START = 9999; // start-up exits never reach the outermost path
constexpr uint32_t MAX_TICKS_BEHIND = 10;        // a tick thread further behind starts afresh

struct TaskThread
{
    pthread_t thread;
    sem_t resume;
    rtosTaskFunction entry;
    void* parameter;
    std::atomic<int> parked;       // 1 while the thread runs no task code
    std::atomic<int> parkRequest;  // set by the interrupt loop, taken by whoever parks
    std::atomic<int> killed;       // deleted by another task: end when resumed
    std::atomic<int> waitsForInterrupt; // parked until an interrupt that switches tasks
    sigjmp_buf exitPoint;
};

struct PortState
{
    portInterruptHandler handlers[PORT_MAX_INTERRUPTS];
    std::atomic<uint32_t> pending;
    pthread_mutex_t interruptMutex; // the kernel critical section, re-entrant
    bool mutexCreated;
    sem_t event;                         // the interrupt loop's wake-up, at most one post outstanding
    std::atomic<int> eventSignalled;
    sem_t parkAcknowledged;
    std::atomic<int> started;
    volatile uint32_t criticalNesting;
    uint32_t tickPeriodMicroseconds;
    int parkSignal;
    int processor; // every kernel thread runs on this one, -1 until chosen
    std::atomic<uint32_t> runningTaskThreads;
    std::atomic<uint32_t> maxRunningTaskThreads;
    std::atomic<uint64_t> raisedTicks;
    TaskThread* ending; // deleted itself; ends once the interrupt loop is done with it (under the mutex)
};

PortState port = {{}, {0}, {}, false, {}, {0}, {}, {0}, NESTING_BEFORE_START, PORT_TICK_PERIOD_US, 0, -1, {0}, {0}, {0}, nullptr};

thread_local TaskThread* self = nullptr;  // the task this thread plays, none on other threads
thread_local uint32_t heldCritical = 0;   // times this thread holds the interrupt mutex
thread_local volatile sig_atomic_t parking = 0; // the thread is stopping itself
thread_local bool yieldWhenLeaving = false; // yielded inside the critical section

// The port keeps the thread record in the pointer-sized slot the top of stack points at.
TaskThread* threadOf(const rtosTaskRecord* task)
{
    if (task == nullptr || task->topOfStack == nullptr) {
        return nullptr;
    }
    TaskThread* thread = nullptr;
    std::memcpy(&thread, task->topOfStack, sizeof(thread));
    return thread;
}

void clearThreadOf(const rtosTaskRecord* task)
{
    TaskThread* none = nullptr;
    std::memcpy(task->topOfStack, &none, sizeof(none));
}

void enterRunning()
{
    const uint32_t running = ++port.runningTaskThreads;
    uint32_t seen = port.maxRunningTaskThreads.load();
    while (running > seen && !port.maxRunningTaskThreads.compare_exchange_weak(seen, running)) {
    }
}

void leaveRunning() { --port.runningTaskThreads; }

void semaphoreWait(sem_t* semaphore)
{
    while (sem_wait(semaphore) != 0) {
    }
}

// An auto-reset event. No lock: the woken interrupt loop never has to wait for the signaller.
void signalEvent()
{
    if (port.eventSignalled.exchange(1) == 0) {
        sem_post(&port.event);
    }
}

// Whatever was signalled before the reset is seen by the caller's pass that follows.
void waitForEvent()
{
    semaphoreWait(&port.event);
    port.eventSignalled.store(0);
}

// The interrupt loop clears parked before it posts, so it never mistakes a resumed task for a stopped one.
void waitForResume(TaskThread* me)
{
    semaphoreWait(&me->resume);
    if (me->killed.load()) {
        siglongjmp(me->exitPoint, 1);
    }
    enterRunning();
}

void blockParkSignal(int how)
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, port.parkSignal);
    pthread_sigmask(how, &set, nullptr);
}

// A task stops itself. While it does, the park signal's handler leaves it alone, so that it is
// not parked twice; a request that came meanwhile is answered here, also one that came just
// after the resume, before the handler would look again.
void parkCooperatively(TaskThread* me, bool wakeInterruptLoop, bool forInterrupt = false)
{
    for (;;) {
        parking = 1;
        std::atomic_signal_fence(std::memory_order_seq_cst);
        leaveRunning();
        me->waitsForInterrupt.store(forInterrupt ? 1 : 0);
        me->parked.store(1);
        if (me->parkRequest.exchange(0)) {
            sem_post(&port.parkAcknowledged);
        }
        if (wakeInterruptLoop) {
            signalEvent();
        }
        waitForResume(me);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        parking = 0;
        std::atomic_signal_fence(std::memory_order_seq_cst);
        if (me->parkRequest.load() == 0) {
            return;
        }
        wakeInterruptLoop = false; // the interrupt loop is already waiting for this task
        forInterrupt = false;
    }
}

// Runs on the task's thread wherever it was; only async-signal-safe calls.
void parkSignalHandler(int)
{
    const int savedErrno = errno;
    TaskThread* me = self;
    if (me != nullptr && parking == 0 && heldCritical == 0 && me->parkRequest.exchange(0)) {
        leaveRunning();
        me->parked.store(1);
        sem_post(&port.parkAcknowledged);
        waitForResume(me);
    }
    errno = savedErrno;
}

void ignoreConsoleInterrupt(int) {}

// All kernel threads share one processor, as on the board: hand-overs stay on one core's caches.
// It is the one the process started on, so that several simulators spread over the machine.
void pinToProcessor(pthread_t thread)
{
    if (port.processor < 0) {
        port.processor = sched_getcpu();
    }
    if (port.processor >= 0) {
        cpu_set_t set;
        CPU_ZERO(&set);
        CPU_SET(port.processor, &set);
        pthread_setaffinity_np(thread, sizeof(set), &set);
    }
}

void prepareHost()
{
    if (port.parkSignal == 0) {
        port.parkSignal = SIGRTMIN + 2;
        pinToProcessor(pthread_self());
    }
}

// Returns once the current task runs no task code.
void stopTask(TaskThread* thread)
{
    if (thread == nullptr || thread->parked.load()) {
        return;
    }
    thread->parkRequest.store(1);
    if (thread->parked.load() && thread->parkRequest.exchange(0)) {
        return; // it parked by itself meanwhile and never saw the request
    }
    pthread_kill(thread->thread, port.parkSignal);
    semaphoreWait(&port.parkAcknowledged);
}

// Called holding the interrupt mutex; true when a handler asks for a task switch.
bool handlePendingInterrupts()
{
    const uint32_t bits = port.pending.exchange(0);
    bool switchWanted = false;
    for (uint32_t number = 0; number < PORT_MAX_INTERRUPTS; ++number) {
        if ((bits & (1u << number)) != 0 && port.handlers[number] != nullptr && port.handlers[number]() != 0) {
            switchWanted = true;
        }
    }
    return switchWanted;
}

[[noreturn]] void interruptLoop()
{
    port.pending |= 1u << PORT_INT_TICK;
    signalEvent();
    port.started.store(1);
    for (;;) {
        waitForEvent();
        pthread_mutex_lock(&port.interruptMutex); // no task is inside a critical section now
        const bool switchWanted = handlePendingInterrupts();
        TaskThread* running = threadOf(rtosGetCurrentTaskHandle());
        if (switchWanted && running != nullptr && !running->parked.load()) {
            // It may be entering a critical section: it parks when it leaves it, so let go meanwhile.
            pthread_mutex_unlock(&port.interruptMutex);
            stopTask(running);
            pthread_mutex_lock(&port.interruptMutex);
            handlePendingInterrupts(); // raised while it was stopping
        }
        if (switchWanted) {
            rtosSwitchContext();
        }
        TaskThread* next = threadOf(rtosGetCurrentTaskHandle());
        TaskThread* ended = port.ending;
        port.ending = nullptr;
        pthread_mutex_unlock(&port.interruptMutex);
        if (ended != nullptr) {
            ended->killed.store(1);
            sem_post(&ended->resume);
        }
        // A task that stopped for the interrupt goes on; the idle task only when it was chosen anew.
        if (next != nullptr && next->parked.load() && (switchWanted || next->waitsForInterrupt.load() == 0)) {
            next->waitsForInterrupt.store(0);
            next->parked.store(0);
            sem_post(&next->resume);
        }
    }
}

uint32_t yieldHandler() { return 1; }

uint32_t tickHandler()
{
    if (!port.started.load()) {
        rtosCheckFailed();
    }
    return static_cast<uint32_t>(rtosIncrementTick());
}

void addMicroseconds(timespec& time, uint32_t microseconds)
{
    time.tv_nsec += long(microseconds) * 1000;
    while (time.tv_nsec >= 1000000000L) {
        time.tv_nsec -= 1000000000L;
        ++time.tv_sec;
    }
}

int64_t microsecondsBetween(const timespec& from, const timespec& to)
{
    return (int64_t(to.tv_sec) - from.tv_sec) * 1000000 + (to.tv_nsec - from.tv_nsec) / 1000;
}

// Absolute deadlines one period apart: never more ticks than periods elapsed; a late tick merges.
void* tickThread(void*)
{
    timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        addMicroseconds(next, port.tickPeriodMicroseconds);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
        }
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (microsecondsBetween(next, now) > int64_t(MAX_TICKS_BEHIND) * port.tickPeriodMicroseconds) {
            next = now;
        }
        if (!port.started.load()) {
            rtosCheckFailed();
        }
        ++port.raisedTicks;
        // A tick still pending merges with this one; the interrupt loop was woken for it already.
        if ((port.pending.fetch_or(1u << PORT_INT_TICK) & (1u << PORT_INT_TICK)) == 0) {
            signalEvent();
        }
    }
    return nullptr;
}

void* taskThreadMain(void* argument)
{
    TaskThread* me = static_cast<TaskThread*>(argument);
    self = me;
    blockParkSignal(SIG_UNBLOCK);
    if (sigsetjmp(me->exitPoint, 1) == 0) {
        blockParkSignal(SIG_BLOCK);
        waitForResume(me);
        blockParkSignal(SIG_UNBLOCK);
        me->entry(me->parameter);
        // A task function that returns ends its task as a deletion would.
        rtosTaskDelete(nullptr);
    }
    // No longer a task: it may wait here for a lock a parked task holds, without stopping anyone.
    self = nullptr;
    sem_destroy(&me->resume);
    me->~TaskThread();
    std::free(me);
    return nullptr;
}

bool createHostObjects()
{
    pthread_mutexattr_t attributes;
    if (pthread_mutexattr_init(&attributes) != 0 ||
        pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE) != 0 ||
        pthread_mutex_init(&port.interruptMutex, &attributes) != 0) {
        return false;
    }
    pthread_mutexattr_destroy(&attributes);
    port.mutexCreated = true;
    return sem_init(&port.event, 0, 0) == 0 && sem_init(&port.parkAcknowledged, 0, 0) == 0;
}

bool installSignals()
{
    struct sigaction park;
    std::memset(&park, 0, sizeof(park));
    park.sa_handler = parkSignalHandler;
    park.sa_flags = SA_RESTART; // a parked host call goes on where it was
    sigemptyset(&park.sa_mask);
    struct sigaction console = park;
    console.sa_handler = ignoreConsoleInterrupt;
    return sigaction(port.parkSignal, &park, nullptr) == 0 && sigaction(SIGINT, &console, nullptr) == 0;
}
} // namespace

uint32_t* portCreateTaskThread(uint32_t* topOfStack, rtosTaskFunction entry, void* parameter)
{
    prepareHost();
    portEnterCritical(); // the C library's locks are taken with no task switch possible
    void* memory = std::malloc(sizeof(TaskThread));
    if (memory == nullptr) {
        rtosCheckFailed();
    }
    TaskThread* thread = new (memory) TaskThread();
    thread->entry = entry;
    thread->parameter = parameter;
    thread->parked.store(1);
    pthread_attr_t attributes;
    if (sem_init(&thread->resume, 0, 0) != 0 || pthread_attr_init(&attributes) != 0 ||
        pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED) != 0 ||
        pthread_create(&thread->thread, &attributes, taskThreadMain, thread) != 0) {
        rtosCheckFailed();
    }
    pthread_attr_destroy(&attributes);
    pinToProcessor(thread->thread);
    portExitCritical();

    uintptr_t slot = reinterpret_cast<uintptr_t>(topOfStack) - sizeof(TaskThread*);
    slot &= ~uintptr_t(alignof(TaskThread*) - 1);
    std::memcpy(reinterpret_cast<void*>(slot), &thread, sizeof(thread));
    return reinterpret_cast<uint32_t*>(slot);
}

int32_t portStart(void)
{
    prepareHost();
    portInstallInterruptHandler(PORT_INT_YIELD, yieldHandler);
    portInstallInterruptHandler(PORT_INT_TICK, tickHandler);
    if (!createHostObjects() || !installSignals()) {
        return 0;
    }
    blockParkSignal(SIG_BLOCK); // the interrupt controller is never parked; the tick thread inherits this
    port.started.store(1);
    pthread_t tick;
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0 || pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED) != 0 ||
        pthread_create(&tick, &attributes, tickThread, nullptr) != 0) {
        return 0;
    }
    pthread_attr_destroy(&attributes);
    pinToProcessor(tick);
    port.criticalNesting = 0;
    interruptLoop(); // resumes the first task on its first pass
}

void portRaiseInterrupt(uint32_t number)
{
    if (!port.started.load()) {
        rtosCheckFailed();
    }
    if (number >= PORT_MAX_INTERRUPTS || !port.mutexCreated) {
        return;
    }
    port.pending |= 1u << number;
    if (number == PORT_INT_YIELD && self != nullptr && heldCritical == 0) {
        parkCooperatively(self, true); // a yielding task really stops until it is chosen again
    } else {
        if (number == PORT_INT_YIELD && self != nullptr) {
            yieldWhenLeaving = true; // the interrupt loop may take the bit before the section ends
        }
        parking = 1; // never parked half-way through waking the interrupt loop
        std::atomic_signal_fence(std::memory_order_seq_cst);
        signalEvent(); // inside a critical section the task parks when it leaves it
        std::atomic_signal_fence(std::memory_order_seq_cst);
        parking = 0;
        std::atomic_signal_fence(std::memory_order_seq_cst);
        if (self != nullptr && heldCritical == 0 && self->parkRequest.load() != 0) {
            parkCooperatively(self, false);
        }
    }
}

void portInstallInterruptHandler(uint32_t number, portInterruptHandler handler)
{
    if (number >= PORT_MAX_INTERRUPTS) {
        return;
    }
    if (port.mutexCreated) {
        pthread_mutex_lock(&port.interruptMutex);
    }
    port.handlers[number] = handler;
    if (port.mutexCreated) {
        pthread_mutex_unlock(&port.interruptMutex);
    }
}

void portEnterCritical(void)
{
    if (port.started.load()) {
        ++heldCritical; // first, so that the park signal waits while the mutex is taken
        pthread_mutex_lock(&port.interruptMutex);
    }
    ++port.criticalNesting;
}

void portExitCritical(void)
{
    if (!port.started.load()) {
        if (port.criticalNesting > 1) {
            --port.criticalNesting;
        }
        return;
    }
    if (port.criticalNesting > 1) {
        --port.criticalNesting;
    } else {
        port.criticalNesting = 0;
    }
    if (heldCritical == 0) {
        return; // the main thread's start-up entry, never paired
    }
    pthread_mutex_unlock(&port.interruptMutex);
    --heldCritical; // after the unlock: never parked while holding the mutex
    // What waited for the section's end happens now; a task leaving sections in a loop thereby
    // also lets the interrupt loop in.
    if (heldCritical == 0 && self != nullptr &&
        (yieldWhenLeaving || port.pending.load() != 0 || self->parkRequest.load() != 0)) {
        yieldWhenLeaving = false;
        parkCooperatively(self, true);
    }
}

void portDeleteTaskThread(rtosTaskRecord* task)
{
    portEnterCritical();
    TaskThread* thread = threadOf(task);
    if (thread != nullptr) {
        clearThreadOf(task);
        thread->killed.store(1);
        sem_post(&thread->resume);
    }
    portExitCritical();
}

void portEndRunningTaskThread(rtosTaskRecord* task, volatile int32_t* yieldPending)
{
    TaskThread* me = threadOf(task);
    *yieldPending = 1;
    clearThreadOf(task);
    // A task that deletes itself inside a critical section must not take the section with it.
    port.criticalNesting = 0;
    blockParkSignal(SIG_BLOCK);
    // The interrupt loop may be stopping this thread right now: its record must outlive that.
    port.ending = me;
    while (heldCritical > 0) {
        pthread_mutex_unlock(&port.interruptMutex);
        --heldCritical;
    }
    leaveRunning();
    me->parked.store(1);
    if (me->parkRequest.exchange(0)) {
        sem_post(&port.parkAcknowledged);
    }
    port.pending |= 1u << PORT_INT_YIELD;
    signalEvent();
    for (;;) {
        waitForResume(me); // until the interrupt loop ends it
    }
}

void portEnd(void)
{
    std::fflush(nullptr);
    _exit(0);
}

void portWaitForInterrupt(void)
{
    if (self != nullptr && heldCritical == 0) {
        parkCooperatively(self, false, true);
    }
}

void portHalt(void)
{
    for (;;) {
        pause();
    }
}

void portUseFallbackTickPeriod(void) { port.tickPeriodMicroseconds = PORT_FALLBACK_TICK_PERIOD_US; }
uint32_t portGetMaxRunningTaskThreads(void) { return port.maxRunningTaskThreads.load(); }
uint64_t portGetRaisedTickCount(void) { return port.raisedTicks.load(); }
