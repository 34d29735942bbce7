// The commissioning report's settings list with all six sections (6 headings, 32 lines: solar
// module with the PWM pump, hot water, boiler, three underfloor circuits) filled again and
// drawn as a whole frame. One iteration is one fill and one 800 x 480 frame of the real
// application on the headless test bed, pixel counting off. Compare with MemcpyFrame of the
// same run.

#if defined(QUILLON_BENCH_WITH_screen_test_support) && defined(QUILLON_BENCH_WITH_gui)

#include "gui/screens/wizard/WizardReportSettingsView.hpp"
#include "model/devices/DeviceIds.hpp"
#include "support/screen/AppTestBed.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace
{
const uint32_t EVERY_SECTION_FLAG[] = {DEVICE_ZR6_B,    DEVICE_SOLAR_PUMP_CALIBRATION, DEVICE_DHW_HC1,
                                       DEVICE_BOILER_4, DEVICE_DP330,                  DEVICE_HC1,
                                       DEVICE_HC2,      DEVICE_HC3};

// Built once for every run of the benchmark and made to live until the program ends.
struct SettingsScene
{
    SettingsScene() : view(nullptr)
    {
        app.bed.frame().setCounting(false);
        model::DataModelManager& model = app.bed.model();
        model::HCGroup& circuits = model.getGroups().hc;
        for (uint32_t circuit = 0; circuit < 3; ++circuit) {
            app.bed.deviceSends(circuits.circuitType[circuit].getId(), uint8_t{1}); // underfloor: screed drying
        }
        app.bed.ticks(1);
        for (uint32_t flag : EVERY_SECTION_FLAG) {
            model.getDeviceManager().setPresent(flag);
        }
        app.open(app.pages().wizardReportSettingsPage);
        app.bed.ticks(2);
        view = app.screen<WizardReportSettingsView>();
    }

    static SettingsScene& get()
    {
        static SettingsScene* scene = new SettingsScene();
        return *scene;
    }

    test::AppTestBed app;
    WizardReportSettingsView* view;
};

void ReportSettingsFillFrame(benchmark::State& state)
{
    SettingsScene& scene = SettingsScene::get();
    if (scene.view == nullptr || scene.view->getListControl().getCount() != 38) {
        state.SkipWithError("no settings list of 38 lines");
        return;
    }
    for (auto _ : state) {
        scene.app.pageManager().onUserActivity(); // thousands of frames: no idle return home
        scene.view->fillList();
        scene.app.app.invalidate();
        scene.app.bed.ticks(1);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(ReportSettingsFillFrame)->Unit(benchmark::kMicrosecond);

#endif
