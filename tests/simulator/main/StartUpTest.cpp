#include "simulator/main/StartUp.hpp"

#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"
#include "simulator/device/DeviceSimulator.hpp"
#include "simulator/hwqc/ProductionTest.hpp"

#include <quillon/Application.hpp>
#include <quillon/hal/HAL.hpp>
#include <rtos/Rtos.hpp>

#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// The process as main() starts it, with the real kernel on the host port. The scheduler never
// gives its thread back, so each case runs in a child process; an observer task of higher
// priority than the GUI task records into memory shared with the parent and ends the child.
namespace
{
struct TaskSeen
{
    char name[8];
    uint32_t priority;
    uint32_t stackWords;
};

struct Record
{
    uint32_t taskCount;
    TaskSeen gui, link, idle, timerService, productionTest;
    uint32_t panelToDeviceLength, panelToDeviceItem, deviceToPanelLength, deviceToPanelItem;
    bool guiHandleSet;
    bool halExists;
    bool windowOpen;
    bool videoInitialised;
    bool applicationListens;
    std::atomic<uint32_t> tableChanges;
    uint32_t answers[8];
    uint32_t answerTicks[8];
    std::atomic<uint32_t> answerCount;
    bool done;
};

Record* record = nullptr;

void see(TaskSeen& seen, rtosTaskHandle task)
{
    if (task == nullptr) {
        return;
    }
    std::strncpy(seen.name, rtosTaskGetName(task), sizeof(seen.name) - 1);
    seen.priority = rtosTaskPriorityGet(task);
    seen.stackWords = static_cast<uint32_t>(task->topOfStack - task->stackStart);
}

void seeQueues()
{
    record->panelToDeviceLength = simGetPanelToDeviceQueue()->length;
    record->panelToDeviceItem = simGetPanelToDeviceQueue()->itemSize;
    record->deviceToPanelLength = simGetDeviceToPanelQueue()->length;
    record->deviceToPanelItem = simGetDeviceToPanelQueue()->itemSize;
}

void seeDisplay()
{
    quillon::HAL* hal = quillon::HAL::getInstance();
    record->guiHandleSet = guiTaskHandle != nullptr;
    record->halExists = hal != nullptr;
    record->videoInitialised = SDL_WasInit(SDL_INIT_VIDEO) != 0;
    record->windowOpen = record->videoInitialised && SDL_GetVideoSurface() != nullptr;
    record->applicationListens = quillon::Application::getInstance() != nullptr;
}

void countChange(std::uint32_t)
{
    record->tableChanges++;
}

void recordAnswer(std::uint8_t byte)
{
    const uint32_t i = record->answerCount.load();
    if (i < 8) {
        record->answers[i] = byte;
        record->answerTicks[i] = rtosGetTickCount();
        record->answerCount = i + 1;
    }
}

std::uint16_t* noFrameBuffer()
{
    return nullptr;
}

const HwqcLine stationLine = {recordAnswer, noFrameBuffer};

enum class Mode
{
    Window,
    ProductionTest,
    NoDisplay
};

void observer(void* parameter)
{
    const Mode mode = *static_cast<Mode*>(parameter);
    // Waits for what it looks for, never for a number of ticks: on a starved core the other
    // tasks get the processor many ticks late.
    while (mode == Mode::Window && !(record->windowOpen && record->applicationListens)) {
        seeDisplay();
        rtosTaskDelay(10);
    }
    record->taskCount = rtosGetNumberOfTasks();
    if (mode != Mode::NoDisplay) {
        see(record->gui, guiTaskHandle);
    }
    see(record->link, linkTaskHandle());
    see(record->idle, rtosGetIdleTaskHandle());
    see(record->timerService, rtosTimerGetTaskHandle());
    see(record->productionTest, hwqcTaskHandle());
    seeQueues();
    seeDisplay();
    if (mode == Mode::ProductionTest) {
        while (record->answerCount.load() < 1) { // the task's greeting first
            rtosTaskDelay(10);
        }
        hwqcReceiveByte(HWQC_END_OF_TRANSMISSION); // as the serial line's handler would
        while (record->answerCount.load() < 3) {
            rtosTaskDelay(10);
        }
    }
    if (mode == Mode::NoDisplay) {
        dptSetChangeCallback(countChange);
        while (record->tableChanges.load() == 0 || rtosGetNumberOfTasks() > 5) { // until the GUI task is gone
            rtosTaskDelay(10);
        }
        record->taskCount = rtosGetNumberOfTasks();
        seeDisplay(); // what the ended GUI task left
    }
    record->done = true;
    portEnd();
}

struct ChildRun
{
    bool exited = false;
    int exitCode = -1;
    std::string console;
};

// Starts the system in a child process and waits for the observer to end it.
ChildRun runStartUp(Mode mode, const char* videoDriver)
{
    void* memory = mmap(nullptr, sizeof(Record), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    record = new (memory) Record();
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    const std::string consoleFile = (scratch / "console.txt").string();

    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int console = open(consoleFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(console, STDOUT_FILENO);
        if (chdir(scratch.c_str()) != 0) {
            _exit(3);
        }
        setenv("SDL_VIDEODRIVER", videoDriver, 1);
        static Mode childMode;
        childMode = mode;
        if (mode == Mode::ProductionTest) {
            hwqcSetLine(&stationLine);
            hwqcInit();
            hwqcReceiveByte(HWQC_ENQUIRY); // the station's trigger before the start-up decision
        }
        simulatorStartUp();
        rtosTaskCreate(observer, "OBS", 256, &childMode, 4, nullptr, nullptr, nullptr);
        rtosStartScheduler();
        _exit(99);
    }
    ChildRun run;
    int status = 0;
    // Only against a hang, inside the test time-out.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(200);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run.exited = WIFEXITED(status);
    run.exitCode = run.exited ? WEXITSTATUS(status) : -1;
    std::ifstream in(consoleFile);
    std::stringstream text;
    text << in.rdbuf();
    run.console = text.str();
    std::filesystem::remove_all(scratch);
    return run;
}

class StartUp : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (record != nullptr) {
            munmap(record, sizeof(Record));
            record = nullptr;
        }
    }
};

void expectTask(const TaskSeen& task, const char* name, uint32_t priority, uint32_t stackWords)
{
    SCOPED_TRACE(name);
    EXPECT_STREQ(task.name, name);
    EXPECT_EQ(task.priority, priority);
    // The port keeps a pointer-sized slot at the top of each stack.
    EXPECT_LE(task.stackWords, stackWords);
    EXPECT_GE(task.stackWords, stackWords - 4);
}

TEST_F(StartUp, OpensTheWindowWithEveryTaskAndQueueInPlace)
{
    const ChildRun run = runStartUp(Mode::Window, "dummy");
    ASSERT_TRUE(record->done) << run.console;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(record->taskCount, 6u); // SC, PAR, GUI, IDLE, Timers and the observer
    expectTask(record->gui, "GUI", 2, 4096);
    expectTask(record->link, "PAR", 3, 512);
    expectTask(record->idle, "IDLE", 0, 256);
    expectTask(record->timerService, "Timers", 5, 256);
    EXPECT_EQ(record->panelToDeviceLength, 70u);
    EXPECT_EQ(record->panelToDeviceItem, 66u);
    EXPECT_EQ(record->deviceToPanelLength, 5u);
    EXPECT_EQ(record->deviceToPanelItem, 66u);
    EXPECT_TRUE(record->halExists);
    EXPECT_TRUE(record->windowOpen);
    EXPECT_TRUE(record->applicationListens);
    EXPECT_EQ(record->productionTest.name[0], '\0'); // no production test
    EXPECT_EQ(run.console, "");
}

TEST_F(StartUp, TheStationsTriggerRunsTheProductionTestInsteadOfTheWindow)
{
    const ChildRun run = runStartUp(Mode::ProductionTest, "dummy");
    ASSERT_TRUE(record->done) << run.console;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(record->guiHandleSet);
    EXPECT_FALSE(record->halExists);
    EXPECT_FALSE(record->videoInitialised);
    EXPECT_EQ(record->taskCount, 6u); // SC, PAR, HWQC, IDLE, Timers and the observer
    expectTask(record->productionTest, "HWQC", 2, 1024);
    expectTask(record->link, "PAR", 3, 512);
    // The task's greeting, then EOT: answered at once and again after 100 ticks.
    ASSERT_EQ(record->answerCount.load(), 3u);
    EXPECT_EQ(record->answers[0], 0u);
    EXPECT_EQ(record->answers[1], 0u);
    EXPECT_EQ(record->answers[2], 0u);
    EXPECT_GE(record->answerTicks[2] - record->answerTicks[1], 100u);
}

TEST_F(StartUp, WithoutADisplayTheLinkAndSimulatorGoOn)
{
    const ChildRun run = runStartUp(Mode::NoDisplay, "no-such-driver");
    ASSERT_TRUE(record->done) << run.console;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.console.rfind("Unable to init SDL: ", 0), 0u) << run.console;
    EXPECT_FALSE(record->windowOpen);
    EXPECT_FALSE(record->guiHandleSet);
    EXPECT_GT(record->tableChanges.load(), 0u) << "no device answer reached the table";
    EXPECT_EQ(record->taskCount, 5u); // the GUI task has ended
}
} // namespace
