// The solar pump's status screen refreshed after a change of the solar record (new speed,
// new point on the characteristic, new flow estimate) and drawn as a whole frame. One
// iteration is one record change and one 800 x 480 frame of the real application on the
// headless test bed, pixel counting off. Compare with MemcpyFrame of the same run.

#if defined(QUILLON_BENCH_WITH_screen_test_support) && defined(QUILLON_BENCH_WITH_gui)

#include "gui/screens/energy/SolarPumpStatusView.hpp"
#include "support/screen/AppTestBed.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace
{
const std::uint32_t SOLAR_INFO = 253;
const std::uint16_t SERVICE_LEVEL = 13;

// Built once for every run: the bed holds the model's table and the screen heap, and lives
// until the program ends.
struct StatusScene
{
    StatusScene() : view(nullptr)
    {
        app.bed.frame().setCounting(false);
        app.pageManager().setAccessLevel(SERVICE_LEVEL);
        app.open(app.pages().solarPumpStatusPage);
        app.bed.ticks(2);
        view = app.screen<SolarPumpStatusView>();
    }

    static StatusScene& get()
    {
        static StatusScene* scene = new StatusScene();
        return *scene;
    }

    test::AppTestBed app;
    SolarPumpStatusView* view;
};

void SolarPumpStatusRecordChangeFrame(benchmark::State& state)
{
    StatusScene& scene = StatusScene::get();
    if (scene.view == nullptr) {
        state.SkipWithError("no solar pump status screen");
        return;
    }
    solar_info record = scene.app.bed.model().getGroups().idSolar.solarInfo.getValue();
    std::uint8_t speed = 0;
    for (auto _ : state) {
        scene.app.pageManager().onUserActivity(); // thousands of frames: no idle return home
        speed = static_cast<std::uint8_t>(speed == 100 ? 0 : speed + 1);
        record.bytes[1] = speed;
        scene.app.bed.deviceSends(SOLAR_INFO, record);
        scene.app.app.invalidate();
        scene.app.bed.ticks(1);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(SolarPumpStatusRecordChangeFrame)->Unit(benchmark::kMicrosecond);

#endif
