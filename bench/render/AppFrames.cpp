// The real application and model on the headless test bed, pixel counting off, each figure to
// be compared with MemcpyFrame of the same run:
//  - HomeToMainMenuSwitch: from the home screen to the main menu, one iteration being the
//    old screen's tear-down, the new one's build and activation and its first full frame;
//  - SlowestPageSwitch: the same from the home screen to the page id whose switch took longest
//    when every id was tried once at set-up (named in the label).
// The longest list's scroll step is GeneralDiagnosisScrollStep (InfoListFrames.cpp).

#if defined(QUILLON_BENCH_WITH_screen_test_support) && defined(QUILLON_BENCH_WITH_gui)

#include "gui/app/PageSwitch.hpp"
#include "support/screen/AppTestBed.hpp"
#include "support/screen/RoadWalk.hpp"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace
{
const uint16_t HOME = 51;
const uint16_t MAIN_MENU = 14;
const uint16_t FULL_ACCESS = 61;

// Past the splash on the home screen, at the highest access level (no password page between).
struct HomeScene
{
    HomeScene()
    {
        app.bed.frame().setCounting(false);
        roads::walk(app, nullptr, 0);
        app.pageManager().setAccessLevel(FULL_ACCESS);
    }

    void toPage(uint16_t id)
    {
        app.pageManager().onUserActivity(); // thousands of frames: no idle return home
        app.app.showPage(id);
        app.bed.ticks(1);
    }

    test::AppTestBed app;
};

void switchFromHome(benchmark::State& state, HomeScene& scene, uint16_t id)
{
    for (auto _ : state) {
        state.PauseTiming();
        scene.toPage(HOME);
        state.ResumeTiming();
        scene.toPage(id);
        benchmark::ClobberMemory();
    }
    if (scene.app.app.getShownPageId() != id) {
        state.SkipWithError("the page was not shown");
    }
}

void HomeToMainMenuSwitch(benchmark::State& state)
{
    HomeScene scene;
    switchFromHome(state, scene, MAIN_MENU);
}

void SlowestPageSwitch(benchmark::State& state)
{
    HomeScene scene;
    uint16_t slowest = MAIN_MENU;
    std::chrono::nanoseconds longest(0);
    for (uint16_t id = 0; id < PAGE_COUNT; ++id) {
        if (id == HOME) {
            continue;
        }
        scene.toPage(HOME);
        const auto start = std::chrono::steady_clock::now();
        scene.toPage(id);
        const auto took = std::chrono::steady_clock::now() - start;
        if (took > longest && scene.app.app.getShownPageId() == id) {
            longest = std::chrono::duration_cast<std::chrono::nanoseconds>(took);
            slowest = id;
        }
    }
    state.SetLabel("page id " + std::to_string(slowest));
    switchFromHome(state, scene, slowest);
}

} // namespace

BENCHMARK(HomeToMainMenuSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(SlowestPageSwitch)->Unit(benchmark::kMicrosecond);

#endif
