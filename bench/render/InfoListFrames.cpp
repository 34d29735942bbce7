// The largest General Diagnosis list (every device and every output on: 27 lines and 18 sub
// lines) built again and drawn as a whole frame, as the screen does when a value changes. One
// iteration is one rebuild and one 800 x 480 frame of the real application on the headless
// test bed, pixel counting off. Compare with MemcpyFrame of the same run.

#if defined(QUILLON_BENCH_WITH_screen_test_support) && defined(QUILLON_BENCH_WITH_gui)

#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/screens/info/GeneralView.hpp"
#include "model/devices/DeviceIds.hpp"
#include "support/screen/AppTestBed.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace
{
const uint32_t EVERY_GENERAL_FLAG[] = {DEVICE_UNLOCKED, DEVICE_OUTSIDE_TEMPERATURE, DEVICE_SENSOR_SUPPLY,
                                       DEVICE_SUBSCRIBER_NUMBER, DEVICE_QN5, DEVICE_XB3, DEVICE_OUTPUT_20};

// The application showing the list, built once for every run of the benchmark: the bed holds
// the model's table and the screen heap, and is made to live until the program ends.
struct DiagnosisScene
{
    DiagnosisScene() : diagnosis{1, 0}, page(46, 5, 120, false), view(nullptr)
    {
        app.bed.frame().setCounting(false);
        model::DataModelManager& model = app.bed.model();
        for (uint32_t flag : EVERY_GENERAL_FLAG) {
            model.getDeviceManager().setPresent(flag);
        }
        model::GeneralGroup& general = model.getGroups().general;
        app.bed.deviceSends(general.output21.getId(), uint8_t{1});
        app.bed.deviceSends(general.internalExtensionOutput.getId(), uint8_t{1});
        common_info record = general.commonInfo.getValue();
        record.bytes[2] |= 0x04; // output 20 on
        app.bed.deviceSends(general.commonInfo.getId(), record);
        page.setPointerParam(pagemanager::PointerParam(&diagnosis));
        app.open(page);
        app.bed.ticks(2);
        view = app.screen<GeneralView>();
    }

    static DiagnosisScene& get()
    {
        static DiagnosisScene* scene = new DiagnosisScene();
        return *scene;
    }

    test::AppTestBed app;
    ListPageSetting diagnosis;
    pagemanager::Page page;
    GeneralView* view;
};

void GeneralDiagnosisRebuildFrame(benchmark::State& state)
{
    DiagnosisScene& scene = DiagnosisScene::get();
    if (scene.view == nullptr || scene.view->getListControl().getCount() != 45) {
        state.SkipWithError("no Diagnosis list of 45 lines");
        return;
    }
    for (auto _ : state) {
        scene.app.pageManager().onUserActivity(); // thousands of frames: no idle return home
        scene.view->configure();
        scene.app.app.invalidate();
        scene.app.bed.ticks(1);
        benchmark::ClobberMemory();
    }
}

// One step down the longest list of the panel, its press frame and its release frame; at the
// end the list is opened again from home, outside the timing.
void GeneralDiagnosisScrollStep(benchmark::State& state)
{
    DiagnosisScene& scene = DiagnosisScene::get();
    if (scene.view == nullptr || scene.view->getListControl().getCount() != 45) {
        state.SkipWithError("no Diagnosis list of 45 lines");
        return;
    }
    const quillon::Rectangle down = scene.view->getListControl().getDownButton().getAbsoluteRect();
    const int16_t x = static_cast<int16_t>(down.x + down.width / 2);
    const int16_t y = static_cast<int16_t>(down.y + down.height / 2);
    uint32_t steps = 0;
    for (auto _ : state) {
        const guicontrols::ListControl& list = scene.view->getListControl();
        if (list.getScrollOffset() >= list.getMaxScrollOffset()) {
            state.PauseTiming();
            scene.app.open(scene.app.pages().mainPage);
            scene.app.open(scene.page);
            scene.app.bed.ticks(2);
            scene.view = scene.app.screen<GeneralView>();
            if (scene.view == nullptr) {
                state.SkipWithError("the list did not open again");
                break;
            }
            state.ResumeTiming();
        }
        scene.app.pageManager().onUserActivity();
        scene.app.bed.frame().touch().press(x, y);
        scene.app.bed.ticks(1);
        scene.app.bed.frame().touch().release();
        scene.app.bed.ticks(1);
        ++steps;
        benchmark::ClobberMemory();
    }
    state.counters["steps"] = steps;
}
} // namespace

BENCHMARK(GeneralDiagnosisRebuildFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(GeneralDiagnosisScrollStep)->Unit(benchmark::kMicrosecond);

#endif
