#ifndef TESTS_KERNEL_SCENARIO_HPP
#define TESTS_KERNEL_SCENARIO_HPP

#include <rtos/HostPort.hpp>
#include <rtos/Rtos.hpp>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <functional>
#include <new>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// The scheduler never gives its thread back, so every scenario runs it in a child process.
// Tasks record into memory shared with the parent, which checks the records once the child
// has ended the scheduler (exit code 0). Tasks record only: no allocation, no printing.
namespace scenario
{
template <typename T>
class Shared
{
public:
    Shared()
    {
        void* memory = mmap(nullptr, sizeof(T), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        block = new (memory) T();
    }
    ~Shared() { munmap(block, sizeof(T)); }
    T* operator->() const { return block; }
    T& operator*() const { return *block; }

private:
    T* block;
};

struct Outcome
{
    bool exited = false;
    int exitCode = -1;
    bool timedOut = false;
};

// Only a guard against a scheduler that never ends, inside the test time-out: a starved core
// may take minutes for what takes a second alone, so no scenario waits for a rate.
constexpr int HANG_GUARD_MILLISECONDS = 240000;

inline Outcome runScheduler(const std::function<void()>& createTasks,
                            int timeoutMilliseconds = HANG_GUARD_MILLISECONDS)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        createTasks();
        rtosStartScheduler();
        _exit(99); // the scheduler could not start
    }
    Outcome outcome;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            outcome.timedOut = true;
            return outcome;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    outcome.exited = WIFEXITED(status);
    outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
    return outcome;
}

inline double monotonicMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// A blocking host call, as the GUI task's wait for window events is one.
inline void hostSleep(double milliseconds)
{
    const double end = monotonicMilliseconds() + milliseconds;
    for (double now = monotonicMilliseconds(); now < end; now = monotonicMilliseconds()) {
        const double left = end - now;
        timespec pause{time_t(left / 1000), long((left - double(time_t(left / 1000)) * 1000) * 1e6)};
        nanosleep(&pause, nullptr);
    }
}

inline void createTask(rtosTaskFunction entry, const char* name, uint32_t priority, void* parameter = nullptr,
                       rtosTaskHandle* handle = nullptr)
{
    rtosTaskCreate(entry, name, 256, parameter, priority, handle, nullptr, nullptr);
}

// A kernel call the scenario relies on: a failure ends the child with exit code 3.
inline void mustPass(int32_t result)
{
    if (result != RTOS_PASS) {
        _exit(3);
    }
}

inline void busyUntilTick(uint32_t tick)
{
    while (rtosGetTickCount() < tick) {
    }
}
} // namespace scenario

#define EXPECT_SCENARIO_ENDED(outcome)                                                                                 \
    do {                                                                                                               \
        EXPECT_FALSE((outcome).timedOut) << "the scheduler did not end";                                              \
        EXPECT_TRUE((outcome).exited);                                                                                 \
        EXPECT_EQ((outcome).exitCode, 0);                                                                              \
    } while (0)

#endif
