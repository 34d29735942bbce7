#include "gui/app/PageSwitch.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "support/screen/AppTestBed.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>

namespace
{
// The sanitizer build runs ten times slower: fewer inputs there. QUILLON_SOAK_INPUTS overrides.
#if defined(__SANITIZE_ADDRESS__)
const uint32_t DEFAULT_INPUTS = 1000;
#else
const uint32_t DEFAULT_INPUTS = 10000;
#endif
const uint16_t FULL_ACCESS = 61;
const uint32_t FRAMES_PER_DEVICE_SECOND = 63;
const int WATCHDOG_SECONDS = 60;
const uint16_t MAX_FILTER_PROPERTIES = 100;

uint32_t inputsPerSeed()
{
    const char* text = std::getenv("QUILLON_SOAK_INPUTS");
    const long value = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return value > 0 ? static_cast<uint32_t>(value) : DEFAULT_INPUTS;
}

// Where the run stands, for a message from a signal handler or the watchdog.
volatile std::sig_atomic_t runningSeed = 0;
volatile std::sig_atomic_t runningInput = 0;
std::atomic<uint32_t> framesRun{0};

void writeWhere()
{
    char line[96];
    const int length = std::snprintf(line, sizeof(line), "\nsoak stopped at seed %d, input %d\n",
                                     static_cast<int>(runningSeed), static_cast<int>(runningInput));
    if (length > 0) {
        static_cast<void>(write(2, line, static_cast<size_t>(length)));
    }
}

extern "C" void onFatalSignal(int signal)
{
    writeWhere();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Stops the process when no frame has ended for a long time: a frame that does not return.
class Watchdog
{
public:
    Watchdog() : thread([this] { watch(); }) {}
    ~Watchdog()
    {
        stopping = true;
        thread.join();
    }

private:
    void watch()
    {
        uint32_t seen = framesRun;
        auto lastProgress = std::chrono::steady_clock::now();
        while (!stopping) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const uint32_t now = framesRun;
            if (now != seen) {
                seen = now;
                lastProgress = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - lastProgress > std::chrono::seconds(WATCHDOG_SECONDS)) {
                std::fprintf(stderr, "\nsoak: a frame has not returned for %d s", WATCHDOG_SECONDS);
                writeWhere();
                std::_Exit(3);
            }
        }
    }

    std::atomic<bool> stopping{false};
    std::thread thread;
};

// The real application from start-up, the device simulator advancing a second every 63
// frames, and random touches, waits, page jumps and device values; the invariants are
// checked after every frame.
class Soak
{
public:
    explicit Soak(uint32_t seed) : random(seed)
    {
        shell.bed.frame().setCounting(false);
        shell.bed.frame().hal().setFrameHook([this](quillon::test::TestHAL&) { afterFrame(); });
        for (uint16_t i = 0; i < Pages::PAGE_OBJECT_COUNT; ++i) {
            pageObjects.push_back(shell.pages().all()[i]);
        }
    }
    ~Soak() { shell.bed.frame().hal().setFrameHook(nullptr); }

    void input()
    {
        const uint32_t kind = below(100);
        if (kind < 45) {
            click();
        } else if (kind < 60) {
            drag();
        } else if (kind < 65) {
            longPress();
        } else {
            frames(waitFrames());
        }
    }

    void jumpToRandomPage()
    {
        const uint16_t id = static_cast<uint16_t>(below(PAGE_COUNT));
        std::vector<pagemanager::Page*> candidates;
        for (pagemanager::Page* page : pageObjects) {
            if (page->getId() == id) {
                candidates.push_back(page);
            }
        }
        shell.pageManager().setAccessLevel(FULL_ACCESS);
        if (!candidates.empty()) {
            shell.pageManager().goTo(candidates[below(static_cast<uint32_t>(candidates.size()))], false);
            frames(1);
        }
        if (shell.app.getShownPageId() != id) { // no page object, or it redirected
            shell.app.showPage(id);
            frames(1);
        }
    }

    // A burst of device answers with random bytes for random entries.
    void randomDeviceValues()
    {
        const uint32_t count = 1 + below(20);
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t index = below(dptStaticTableSize());
            const uint32_t size = dptTypeSize(dptGetType(index));
            if (size == 0 || size > DPT_MAX_VALUE_SIZE) {
                continue;
            }
            uint8_t bytes[DPT_MAX_VALUE_SIZE];
            for (uint32_t b = 0; b < size; ++b) {
                bytes[b] = static_cast<uint8_t>(below(256));
            }
            shell.bed.deviceSendsBytes(index, bytes, size);
        }
    }

    uint32_t below(uint32_t bound) { return std::uniform_int_distribution<uint32_t>(0, bound - 1)(random); }

    // The first broken invariant, empty while all hold.
    const std::string& failure() const { return broken; }

private:
    void click()
    {
        shell.bed.click(static_cast<int16_t>(below(800)), static_cast<int16_t>(below(480)));
    }

    void drag()
    {
        auto& touch = shell.bed.frame().touch();
        int32_t x = static_cast<int32_t>(below(800));
        int32_t y = static_cast<int32_t>(below(480));
        const int32_t dx = static_cast<int32_t>(below(81)) - 40;
        const int32_t dy = static_cast<int32_t>(below(81)) - 40;
        const uint32_t steps = 2 + below(12);
        for (uint32_t i = 0; i < steps; ++i) {
            touch.queueTouch(std::max(0, std::min(799, x)), std::max(0, std::min(479, y)));
            x += dx;
            y += dy;
        }
        touch.queueNoTouch();
        frames(steps + 1);
    }

    void longPress()
    {
        auto& touch = shell.bed.frame().touch();
        touch.press(static_cast<int32_t>(below(800)), static_cast<int32_t>(below(480)));
        frames(30 + below(200));
        touch.release();
        frames(1);
    }

    // Mostly a few frames; now and then seconds; rarely the longest wait.
    uint32_t waitFrames()
    {
        const uint32_t kind = below(100);
        if (kind < 85) {
            return 1 + below(10);
        }
        if (kind < 98) {
            return 10 + below(90);
        }
        return 100 + below(201);
    }

    void frames(uint32_t count) { shell.bed.ticks(count); }

    void afterFrame()
    {
        ++framesRun;
        if (++framesSinceDeviceSecond == FRAMES_PER_DEVICE_SECOND) {
            framesSinceDeviceSecond = 0;
            shell.bed.deviceSeconds(1);
        }
        if (broken.empty()) {
            broken = invariantBroken();
        }
    }

    std::string invariantBroken()
    {
        if (shell.app.getCurrentScreen() == nullptr || shell.pageManager().getCurrentPage() == nullptr) {
            return "no current page";
        }
        if (shell.app.getTimerWidgetCount() > quillon::Application::MAX_TIMER_WIDGETS) {
            return "more than 16 timer widgets";
        }
        if (shell.app.getGuiTimerCount() > 8) {
            return "more than 8 GUI timers";
        }
        model::DataModelManager& model = shell.bed.model();
        if (model.getDefaultFilter().count() > MAX_FILTER_PROPERTIES) {
            return "the screen's filter holds more than 100 properties";
        }
        for (uint32_t i = 0; i < model.getFilterCount(); ++i) {
            if (model.getFilter(i)->count() > MAX_FILTER_PROPERTIES) {
                return "a filter holds more than 100 properties";
            }
        }
        if (!shell.bed.frame().hal().guardBandsIntact()) {
            return "a write outside the frame buffers";
        }
        return "";
    }

    test::AppTestBed shell;
    std::mt19937 random;
    std::vector<pagemanager::Page*> pageObjects;
    uint32_t framesSinceDeviceSecond = 0;
    std::string broken;
};

class RandomClickSoak : public ::testing::TestWithParam<uint32_t>
{
};

TEST_P(RandomClickSoak, RandomInputsFromStartUpKeepTheInvariants)
{
    const uint32_t seed = GetParam();
    const uint32_t inputs = inputsPerSeed();
    runningSeed = static_cast<std::sig_atomic_t>(seed);
    std::signal(SIGABRT, onFatalSignal);
    std::signal(SIGSEGV, onFatalSignal);
    {
        Watchdog watchdog;
        Soak soak(seed);
        uint32_t nextJump = 100 + soak.below(400);
        for (uint32_t input = 0; input < inputs; ++input) {
            runningInput = static_cast<std::sig_atomic_t>(input);
            if (input == nextJump) {
                soak.jumpToRandomPage();
                nextJump += 100 + soak.below(400);
            } else if (soak.below(100) == 0) {
                soak.randomDeviceValues();
            } else {
                soak.input();
            }
            ASSERT_EQ(soak.failure(), "") << "seed " << seed << ", input " << input;
        }
    }
    std::signal(SIGABRT, SIG_DFL);
    std::signal(SIGSEGV, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomClickSoak, ::testing::Values(1u, 51u, 4242u, 90210u));
} // namespace
