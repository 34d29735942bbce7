// The commissioning wizard's system scheme at rest: the widest scheme (scheme 10 with the solar
// device and the added cylinder, so the scroll buttons show) with nothing changing. One iteration
// is one frame of the real application on the headless test bed, pixel counting off: the screen
// checks its bottom-bar buttons every frame and must draw nothing when they stay as they are.
// Compare with MemcpyFrame of the same run.

#if defined(QUILLON_BENCH_WITH_screen_test_support) && defined(QUILLON_BENCH_WITH_gui)

#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "model/devices/DeviceIds.hpp"
#include "support/screen/AppTestBed.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace
{
struct SchemeScene
{
    SchemeScene() : view(nullptr)
    {
        app.bed.frame().setCounting(false);
        model::DeviceManager& devices = app.bed.model().getDeviceManager();
        devices.setPresent(DEVICE_BOILER_1);
        devices.setPresent(DEVICE_HELIORA_1);
        app.bed.deviceSends(319, uint8_t{10}); // scheme
        app.bed.deviceSends(265, uint8_t{1});  // added cylinder
        app.open(app.pages().wizardSchemeMainPage);
        app.bed.ticks(3);
        view = app.screen<WizzardSystemSchemeMainView>();
    }

    test::AppTestBed app;
    WizzardSystemSchemeMainView* view;
};

SchemeScene& scene()
{
    static SchemeScene* shared = new SchemeScene();
    return *shared;
}

void SchemeScreenUnchangedFrame(benchmark::State& state)
{
    SchemeScene& s = scene();
    if (s.view == nullptr || s.view->getBottomBar().getButton(4).getIcon().getId() != 211) {
        state.SkipWithError("no scheme screen with its scroll buttons");
        return;
    }
    for (auto _ : state) {
        s.app.pageManager().onUserActivity(); // thousands of frames: no idle return home
        s.app.bed.ticks(1);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(SchemeScreenUnchangedFrame)->Unit(benchmark::kMicrosecond);

#endif
