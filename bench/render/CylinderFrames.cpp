// The cylinder charts of the last 30 days, filled again from the model and drawn as a whole frame,
// as the screens do when a record arrives: the history's five curves of 186 points and the
// stratification's four curves of 121 points with their area fill. One iteration is one record from
// the device, one refill and one 800 x 480 frame of the real application on the headless test bed,
// pixel counting off. Compare with MemcpyFrame of the same run.

#if defined(QUILLON_BENCH_WITH_screen_test_support) && defined(QUILLON_BENCH_WITH_gui)

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/screens/cylinder/CylinderHistoryView.hpp"
#include "gui/screens/cylinder/CylinderStratificationView.hpp"
#include "model/devices/DeviceIds.hpp"
#include "support/screen/AppTestBed.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace
{
const uint32_t DAYS = 31;

// A day's six temperatures of one sensor in tenths, each sensor a few degrees apart.
temperature_6 dayOfSensor(uint32_t day, uint32_t sensor)
{
    temperature_6 record{};
    for (uint32_t k = 0; k < 6; ++k) {
        const int16_t tenths = static_cast<int16_t>(300 + 40 * sensor + 15 * ((day * 6 + k) % 20));
        record.bytes[2 * k] = static_cast<uint8_t>(tenths & 0xFF);
        record.bytes[2 * k + 1] = static_cast<uint8_t>((tenths >> 8) & 0xFF);
    }
    return record;
}

// A day's half hours of one series, the depth swinging so that every curve bends.
percent_48 dayOfDepths(uint32_t day, uint8_t depth)
{
    percent_48 record{};
    for (uint32_t s = 0; s < 48; ++s) {
        record.bytes[s] = static_cast<uint8_t>(depth + (day + s) % 12);
    }
    return record;
}

// The application showing one of the two charts for 30 days with every record filled, built once
// for every run of the benchmarks and made to live until the program ends.
template <class View> struct CylinderScene
{
    explicit CylinderScene(pagemanager::Page& (*chart)(test::AppTestBed&)) : view(nullptr)
    {
        app.bed.frame().setCounting(false);
        app.bed.model().getDeviceManager().setPresent(DEVICE_UNLOCKED);
        app.bed.model().getDeviceManager().setPresent(DEVICE_BOILER_4); // the fifth sensor
        model::CylinderGroup& c = app.bed.model().getGroups().cylinder;
        model::CylinderGroup::History6* const history[5] = {&c.history6_1, &c.history6_2, &c.history6_3, &c.history6_4,
                                                            &c.history6_5};
        for (uint32_t day = 0; day < DAYS; ++day) {
            for (uint32_t s = 0; s < 5; ++s) {
                app.bed.deviceSends(history[s]->at(day).getId(), dayOfSensor(day, s));
            }
            app.bed.deviceSends(c.stratification3.at(day).getId(), dayOfDepths(day, 15));
            app.bed.deviceSends(c.stratification2.at(day).getId(), dayOfDepths(day, 45));
            app.bed.deviceSends(c.stratification1.at(day).getId(), dayOfDepths(day, 75));
        }
        app.pageManager().setParam(IntervalSelection{INTERVAL_30_DAYS, 0});
        app.open(chart(app));
        app.bed.ticks(2);
        view = app.screen<View>();
    }

    test::AppTestBed app;
    View* view;
};

pagemanager::Page& historyPage(test::AppTestBed& app)
{
    return app.pages().cylinderHistoryPage;
}

pagemanager::Page& stratificationPage(test::AppTestBed& app)
{
    return app.pages().stratificationPage;
}

CylinderScene<CylinderHistoryView>& historyScene()
{
    static CylinderScene<CylinderHistoryView>* scene = new CylinderScene<CylinderHistoryView>(historyPage);
    return *scene;
}

CylinderScene<CylinderStratificationView>& stratificationScene()
{
    static CylinderScene<CylinderStratificationView>* scene =
        new CylinderScene<CylinderStratificationView>(stratificationPage);
    return *scene;
}

// The rows of every curve's newest point after the record of the day sent.
template <class View, typename Send>
std::vector<uint16_t> newestRows(CylinderScene<View>& scene, const Send& send, uint32_t day)
{
    send(scene, day);
    scene.app.bed.ticks(1);
    const guicontrols::PlotCurve& curve = scene.view->getCurve();
    std::vector<uint16_t> rows;
    for (uint8_t c = 0; c < curve.getNumberOfCurves(); ++c) {
        const uint16_t points = curve.getNumberOfPoints(c);
        rows.push_back(points == 0 ? 0 : curve.getRow(c, static_cast<uint16_t>(points - 1)));
    }
    return rows;
}

// Frames each after a record of the first series arrives with other values: the screen's watch sees
// the change and fills the chart from the model again, and the whole screen is drawn.
template <class View, typename Send>
void runFrames(benchmark::State& state, CylinderScene<View>& scene, const Send& send)
{
    if (newestRows(scene, send, 1) == newestRows(scene, send, 5)) {
        state.SkipWithError("a new record does not fill the chart again");
        return;
    }
    uint32_t n = 0;
    for (auto _ : state) {
        scene.app.pageManager().onUserActivity(); // thousands of frames: no idle return home
        send(scene, n++);
        scene.app.app.invalidate();
        scene.app.bed.ticks(1);
        benchmark::ClobberMemory();
    }
}

void CylinderHistory30DaysFrame(benchmark::State& state)
{
    CylinderScene<CylinderHistoryView>& scene = historyScene();
    if (scene.view == nullptr || scene.view->getCurve().getNumberOfPoints(4) != 186) {
        state.SkipWithError("no 30-day history of five curves of 186 points");
        return;
    }
    runFrames(state, scene, [](CylinderScene<CylinderHistoryView>& s, uint32_t n) {
        model::CylinderGroup& c = s.app.bed.model().getGroups().cylinder;
        s.app.bed.deviceSends(c.history6_1.at(0).getId(), dayOfSensor(n % DAYS, 0));
    });
}

void CylinderStratification30DaysFrame(benchmark::State& state)
{
    CylinderScene<CylinderStratificationView>& scene = stratificationScene();
    if (scene.view == nullptr || scene.view->getCurve().getNumberOfPoints(0) != 121) {
        state.SkipWithError("no 30-day stratification of 121 points");
        return;
    }
    runFrames(state, scene, [](CylinderScene<CylinderStratificationView>& s, uint32_t n) {
        model::CylinderGroup& c = s.app.bed.model().getGroups().cylinder;
        s.app.bed.deviceSends(c.stratification1.at(0).getId(), dayOfDepths(n % DAYS, 75));
    });
}
} // namespace

BENCHMARK(CylinderHistory30DaysFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(CylinderStratification30DaysFrame)->Unit(benchmark::kMicrosecond);

#endif
