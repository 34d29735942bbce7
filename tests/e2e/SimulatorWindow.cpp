#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace e2e
{
namespace
{
const uintmax_t BMP_FILE_SIZE = 54 + SCREEN_WIDTH * SCREEN_HEIGHT * 3;

// QUILLON_E2E_SLOWDOWN=n (1..10) stretches every pause for a program that runs slower than
// usual, as under the sanitizers on a small machine.
int slowdown()
{
    const char* text = std::getenv("QUILLON_E2E_SLOWDOWN");
    const int factor = text != nullptr ? std::atoi(text) : 1;
    return factor < 1 ? 1 : (factor > 10 ? 10 : factor);
}
}

pid_t spawn(const std::vector<std::string>& arguments, const std::string& display, const fs::path& folder,
            const fs::path& output)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (!display.empty()) {
            setenv("DISPLAY", display.c_str(), 1);
        }
        if (!folder.empty() && chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        if (!output.empty() && std::freopen(output.c_str(), "w", stdout) != nullptr) {
            dup2(STDOUT_FILENO, STDERR_FILENO);
        }
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

bool isRunning(pid_t process)
{
    int status = 0;
    return waitpid(process, &status, WNOHANG) == 0;
}

void end(pid_t process)
{
    if (process <= 0) {
        return;
    }
    kill(process, SIGTERM);
    for (int i = 0; i < 100 && isRunning(process); i++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (isRunning(process)) {
        kill(process, SIGKILL);
        waitpid(process, nullptr, 0);
    }
}

std::string command(const std::string& display, const std::string& line)
{
    const std::string full = "DISPLAY=" + display + " " + line + " 2>/dev/null";
    FILE* pipe = popen(full.c_str(), "r");
    if (pipe == nullptr) {
        return "";
    }
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof(buffer), pipe) != nullptr) {
        text += buffer;
    }
    return pclose(pipe) == 0 ? text : "";
}

bool waitFor(const std::function<bool()>& condition, int milliseconds)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < deadline) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

Picture headlessScreen(uint32_t frames)
{
    test::AppTestBed shell; // its first frame builds the start-up page
    shell.bed.ticks(frames);
    return pictureOf(shell);
}

Picture pictureOf(test::AppTestBed& shell)
{
    Picture picture;
    picture.width = SCREEN_WIDTH;
    picture.height = SCREEN_HEIGHT;
    picture.pixels = shell.bed.frame().pixels();
    return picture;
}

int differingPixels(const Picture& a, const Picture& b, const quillon::Rectangle& area, bool inside)
{
    int count = 0;
    for (int y = 0; y < a.height; y++) {
        for (int x = 0; x < a.width; x++) {
            const bool inArea = x >= area.x && x < area.x + area.width && y >= area.y && y < area.y + area.height;
            if (inArea == inside && a.at(x, y) != b.at(x, y)) {
                count++;
            }
        }
    }
    return count;
}

int drawnPixels(const Picture& picture, const quillon::Rectangle& area)
{
    int count = 0;
    for (int y = area.y; y < area.y + area.height; y++) {
        for (int x = area.x; x < area.x + area.width; x++) {
            count += picture.at(x, y) != 0 ? 1 : 0;
        }
    }
    return count;
}

void SimulatorWindow::SetUp()
{
    scratch = fs::temp_directory_path() / ("quillon-e2e-" + std::to_string(getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    startServer();
}

void SimulatorWindow::TearDown()
{
    end(program);
    end(server);
    if (!HasFailure()) {
        fs::remove_all(scratch);
    }
}

// A free display number: no socket and no lock file of another server.
void SimulatorWindow::startServer()
{
    for (int number = 91; number < 160 && server <= 0; number++) {
        if (fs::exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
            fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
            continue;
        }
        display = ":" + std::to_string(number);
        // -noreset: the server must not restart when SDL closes its probing connection.
        server = spawn({"Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"}, "", "",
                       scratch / ("xvfb" + std::to_string(number) + ".log"));
        const bool ready = waitFor(
            [this] { return !isRunning(server) || !command(display, "xdotool getmouselocation").empty(); }, 10000);
        if (!ready || !isRunning(server)) {
            end(server);
            server = 0; // taken meanwhile, or no server at all: try the next number
        }
    }
    ASSERT_GT(server, 0) << "could not start Xvfb (is it installed?)";
}

std::string SimulatorWindow::findWindow()
{
    std::string found;
    waitFor(
        [this, &found] {
            found = command(display, "xdotool search --name '^Quillon simulator$'");
            return !found.empty();
        },
        15000);
    return found.substr(0, found.find('\n'));
}

bool SimulatorWindow::startProgram()
{
    program = spawn({QUILLON_SIMULATOR_PROGRAM}, display, scratch, scratch / "console.txt");
    started = Clock::now();
    window = findWindow();
    return !window.empty();
}

void SimulatorWindow::click(int x, int y, int settleMilliseconds)
{
    command(display, "xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
                         " click 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMilliseconds * slowdown()));
}

bool SimulatorWindow::screenshot(const char* name, Picture& picture)
{
    command(display, "xdotool key --window " + window + " F3");
    const fs::path path = scratch / "screenshots" / name;
    waitFor([&path] { return fs::exists(path) && fs::file_size(path) >= BMP_FILE_SIZE; }, 10000);
    return quillon::test::readBmp(path.string(), picture);
}

void SimulatorWindow::waitPastSplash()
{
    std::this_thread::sleep_until(started + std::chrono::milliseconds(7000 * slowdown()));
}
} // namespace e2e
