#ifndef TESTS_E2E_SIMULATORWINDOW_HPP
#define TESTS_E2E_SIMULATORWINDOW_HPP

#include "support/PictureFile.hpp"

#include <quillon/hal/Types.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace test
{
class AppTestBed;
}

// The built program in a real X window: the fixture runs its own X server, starts the program in
// a scratch folder, drives it as a user would with xdotool and reads its F3 screenshots.

namespace e2e
{
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const int SCREEN_WIDTH = 800;
const int SCREEN_HEIGHT = 480;

// A child process with its own environment additions and working folder.
pid_t spawn(const std::vector<std::string>& arguments, const std::string& display, const fs::path& folder,
            const fs::path& output);
bool isRunning(pid_t process);
// Ends a process the test started: politely, then for good.
void end(pid_t process);
// Runs a command with DISPLAY set and returns its standard output ("" when it failed).
std::string command(const std::string& display, const std::string& line);
// Polls every 50 ms until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, int milliseconds);

// RGB565, top row first; a screenshot is read as the tour reads it.
using Picture = quillon::test::Picture;
// The real application drawn headlessly with the same assets, after the given frames.
Picture headlessScreen(uint32_t frames);
// What a headless application shows now, for roads a test drives through it.
Picture pictureOf(test::AppTestBed& shell);
int differingPixels(const Picture& a, const Picture& b, const quillon::Rectangle& area, bool inside);
int drawnPixels(const Picture& picture, const quillon::Rectangle& area);

class SimulatorWindow : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and waits for its window; false when none came.
    bool startProgram();
    // A real click at window coordinates, then a pause for the program to draw.
    void click(int x, int y, int settleMilliseconds = 600);
    // F3, then the numbered screenshot file read back ("img00.bmp", "img01.bmp", ...).
    bool screenshot(const char* name, Picture& picture);
    // Waits from the program's start until the splash has gone (about 4 s) and a frame more.
    void waitPastSplash();

    void startServer();
    std::string findWindow();

    fs::path scratch;
    std::string display;
    std::string window;
    pid_t server = 0;
    pid_t program = 0;
    Clock::time_point started;
};
} // namespace e2e

#endif
