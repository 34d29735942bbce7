// Runs the scheduler for 10 s with the idle task, the timer task and one task that delays 21 ms
// in a loop (the pace of the GUI's frames), then prints the process's CPU time in percent of one
// core and the tick rate. The idle task sleeps until the next interrupt, so the figure is the
// cost of the tick and the switches alone. First it measures a bare thread that wakes every
// millisecond, the least any 1 ms tick costs on this host, to read the figure against.
#include <rtos/HostPort.hpp>
#include <rtos/Rtos.hpp>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace
{
constexpr double RUN_SECONDS = 10.0;
constexpr uint32_t FRAME_TICKS = 21;
constexpr int BARE_WAKE_UPS = 2000;

double seconds(clockid_t clock)
{
    timespec now;
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double cpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double threadCpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void measureBareWakeUps()
{
    const double startWall = seconds(CLOCK_MONOTONIC);
    const double startCpu = threadCpuSeconds();
    timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (int i = 0; i < BARE_WAKE_UPS; ++i) {
        next.tv_nsec += 1000000;
        if (next.tv_nsec >= 1000000000L) {
            next.tv_nsec -= 1000000000L;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
    }
    const double wall = seconds(CLOCK_MONOTONIC) - startWall;
    std::printf("bare 1 ms wake-ups: CPU %.2f %% of one core\n", 100.0 * (threadCpuSeconds() - startCpu) / wall);
}

void frameTask(void*)
{
    const double startWall = seconds(CLOCK_MONOTONIC);
    const double startCpu = cpuSeconds();
    const uint32_t startTick = rtosGetTickCount();
    uint32_t frames = 0;
    for (;;) {
        rtosTaskDelay(FRAME_TICKS);
        ++frames;
        const double wall = seconds(CLOCK_MONOTONIC) - startWall;
        if (wall >= RUN_SECONDS) {
            const double cpu = cpuSeconds() - startCpu;
            const uint32_t ticks = rtosGetTickCount() - startTick;
            portEnterCritical(); // stdio takes a lock: no switch while it is held
            std::printf("wall %.2f s, frames %u\n", wall, frames);
            std::printf("CPU %.2f %% of one core\n", 100.0 * cpu / wall);
            std::printf("tick rate %.1f per second (%u ticks)\n", double(ticks) / wall, ticks);
            portExitCritical();
            rtosEndScheduler();
        }
    }
}
} // namespace

int main()
{
    measureBareWakeUps();
    rtosTaskCreate(frameTask, "frame", 512, nullptr, 2, nullptr, nullptr, nullptr);
    rtosStartScheduler();
    return 0;
}
