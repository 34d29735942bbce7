// Whole 800 x 480 frames of the energy widgets, drawn with the generated assets through the
// screen's occlusion-culled drawing, on the in-memory test display with pixel counting off.
// Compare each figure with MemcpyFrame of the same run.

#include "guicontrols/EnergyBarScale.hpp"
#include "guicontrols/EnergyCockpitBufferLoad.hpp"
#include "guicontrols/EnergyCockpitSolar.hpp"
#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotCurve.hpp"
#include "guicontrols/TemperatureColorTable.hpp"
#include "guicontrols/WaterTankDataProvider.hpp"
#include "guicontrols/WaterTankGadget.hpp"
#include "guicontrols/WaterTankGadgetWithLabels.hpp"

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/widgets/AnimatedImage.hpp>
#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/Button.hpp>
#include <support/TestFrame.hpp>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
using quillon::Rectangle;

struct EnergyScene
{
    EnergyScene() : frame(0)
    {
        frame.setCounting(false);
        BitmapDatabase::registerDatabase();
        assets::registerGeneratedTexts();
        quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
        background.setPosition(0, 0, 800, 480);
        background.setColor(0);
        screen.add(background);
    }

    // Another scene family may have registered its own bitmap table first.
    static bool hasGeneratedBitmaps()
    {
        return quillon::Bitmap(54).getWidth() == 80 && quillon::Bitmap(234).getWidth() == 134;
    }

    void drawWholeFrame()
    {
        Rectangle all(0, 0, 800, 480);
        screen.draw(all);
    }

    quillon::test::TestFrame frame;
    quillon::Screen screen;
    quillon::Box background;
};

class GasBars : public guicontrols::IEnergyBarConfigurator
{
public:
    void configure(guicontrols::EnergyBar& bar) override
    {
        bar.setSegmentCount(1);
        bar.setColumnColor(guicontrols::Palette::entry(21));
        bar.setSegmentColor(guicontrols::Palette::entry(22), 0);
        bar.setUnitDivisor(1);
    }
};

// The profile provider's colour lookup over fixed temperatures, without the model (which
// would need the kernel's port here); counts the profile reads.
class CountedProfile : public guicontrols::WaterTankDataProvider
{
public:
    uint32_t getTemperatureCount() const override { return 21; }
    float getTemperature(uint32_t index) const override
    {
        ++reads;
        return 80.0f - 3.0f * static_cast<float>(index);
    }
    uint32_t getColorCount() const override { return 21; }
    uint16_t getColor(uint32_t index) const override
    {
        const guicontrols::TemperatureColorTable::Rgb rgb =
            guicontrols::TemperatureColorTable::colorOf(static_cast<int32_t>(getTemperature(index)));
        return quillon::colorFromRGB(rgb.red, rgb.green, rgb.blue);
    }
    mutable uint64_t reads = 0;
};

// The week view: 8 bars with labels and values, the scale beside them.
void EnergyWeekHistogram(benchmark::State& state)
{
    EnergyScene scene;
    if (!EnergyScene::hasGeneratedBitmaps()) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Energy'");
        return;
    }
    static const uint32_t week[8] = {57, 12, 30, 41, 5, 25, 33, 18};
    std::unique_ptr<guicontrols::EnergyHistogram> histogram(new guicontrols::EnergyHistogram());
    guicontrols::EnergyBarScale scale;
    GasBars gas;
    histogram->setDate(helpers::DateTime(2026, 3, 11, 9, 0, 0));
    histogram->setXY(80, 40);
    histogram->setSegmentValues(week, 0);
    histogram->setConfiguration(guicontrols::EnergyHistogram::WEEK, gas);
    scale.setPosition(5, 40, 65, histogram->getHeight());
    scale.setMaximum(histogram->getScaleStepCount());
    scene.screen.add(*histogram);
    scene.screen.add(scale);
    for (auto _ : state) {
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
}

// The labelled tank redrawn whole: every interior row asks the profile once.
void EnergyTankWithLabels(benchmark::State& state)
{
    EnergyScene scene;
    if (!EnergyScene::hasGeneratedBitmaps()) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Energy'");
        return;
    }
    static const char16_t* const markers[5] = {u"80 \u00B0C", u"71 \u00B0C", u"53 \u00B0C", u"44 \u00B0C",
                                               u"29 \u00B0C"};
    static const char16_t* const columns[3] = {u"Top", u"Middle", u"Bottom"};
    CountedProfile profile;
    guicontrols::WaterTankGadgetWithLabels tank(&profile);
    tank.setXY(200, 100);
    for (uint8_t i = 0; i < 5; ++i) {
        tank.setMarkerLabel(reinterpret_cast<const quillon::WideChar*>(markers[i]), i);
    }
    for (uint8_t i = 0; i < 3; ++i) {
        tank.setColumnLabel(reinterpret_cast<const quillon::WideChar*>(columns[i]), i);
    }
    scene.screen.add(tank);
    for (auto _ : state) {
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
    state.counters["profileReadsPerFrame"] =
        static_cast<double>(profile.reads) / static_cast<double>(state.iterations());
}

// The cockpit of a boiler with its tank (the seeded installation): both arrows move to their
// next picture and only their two areas are drawn again, as the frame after a tick does.
void EnergyCockpitArrowsStep(benchmark::State& state)
{
    EnergyScene scene;
    if (!EnergyScene::hasGeneratedBitmaps()) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Energy'");
        return;
    }
    const int16_t top = 72; // the content area's top
    CountedProfile profile;
    guicontrols::EnergyCockpitSolar collector;
    static const char16_t collectorText[] = u"62\u00B0C";
    collector.setText(reinterpret_cast<const quillon::WideChar*>(collectorText));
    collector.setXY(40, top + 20);
    guicontrols::WaterTankGadget tank(&profile);
    tank.setXY(264, top + 50);
    guicontrols::EnergyCockpitBufferLoad charge;
    static const char16_t chargeText[] = u"70 %%";
    charge.setChargeState(reinterpret_cast<const quillon::WideChar*>(chargeText));
    charge.setXY(static_cast<int16_t>(264 + tank.getWidth() / 2 - charge.getWidth()), top + 20);
    quillon::Button boiler;
    boiler.setBitmaps(quillon::Bitmap(44), quillon::Bitmap(44));
    boiler.setXY(590, top + 20);
    quillon::AnimatedImage solarArrows(37, 40, 10);
    quillon::AnimatedImage boilerArrows(32, 35, 10);
    solarArrows.setXY(224, top + 200);
    boilerArrows.setXY(480, top + 65);
    quillon::Drawable* parts[] = {&collector, &tank, &charge, &boiler, &solarArrows, &boilerArrows};
    for (quillon::Drawable* part : parts) {
        scene.screen.add(*part);
    }
    scene.drawWholeFrame();
    uint16_t step = 0;
    for (auto _ : state) {
        step = static_cast<uint16_t>((step + 1) % 4);
        solarArrows.setBitmap(quillon::Bitmap(static_cast<quillon::BitmapId>(37 + step)));
        boilerArrows.setBitmap(quillon::Bitmap(static_cast<quillon::BitmapId>(32 + step)));
        quillon::Rectangle solarArea = solarArrows.getRect();
        quillon::Rectangle boilerArea = boilerArrows.getRect();
        scene.screen.draw(solarArea);
        scene.screen.draw(boilerArea);
        benchmark::ClobberMemory();
    }
}

// One step of the weeks' overview into the past: the page's values reloaded, the bars and the
// scale worked out again, then the whole frame, as the older-button's frame draws it.
void HistogramOverviewPageStep(benchmark::State& state)
{
    EnergyScene scene;
    if (!EnergyScene::hasGeneratedBitmaps()) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Energy|Histogram'");
        return;
    }
    // A year of weeks with a winter peak; a page shows 8 of them, newest first.
    uint32_t year[53 + 8];
    for (uint32_t w = 0; w < 53 + 8; ++w) {
        year[w] = 40 + (w * 37) % 900;
    }
    uint32_t page[8];
    std::unique_ptr<guicontrols::EnergyHistogram> histogram(new guicontrols::EnergyHistogram());
    guicontrols::EnergyBarScale scale;
    GasBars gas;
    histogram->setDate(helpers::DateTime(2026, 3, 31, 12, 0, 0));
    histogram->setXY(80, 72 + 40);
    histogram->setSegmentValues(page, 0);
    histogram->setConfiguration(guicontrols::EnergyHistogram::WEEK, gas);
    scale.setPosition(5, histogram->getY(), 65, histogram->getHeight());
    scene.screen.add(*histogram);
    scene.screen.add(scale);
    uint8_t offset = 0;
    for (auto _ : state) {
        offset = static_cast<uint8_t>((offset + 1) % 46);
        for (uint32_t k = 0; k < 8; ++k) {
            page[k] = year[offset + k];
        }
        histogram->update(offset);
        scale.setMaximum(histogram->getScaleStepCount());
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
}

// The energy balance of 52 weeks: 53 points on 80-px bands, both curves filled, drawn as a
// whole frame through the content area's clip.
void EnergyBalance53WeeksFrame(benchmark::State& state)
{
    EnergyScene scene;
    if (!EnergyScene::hasGeneratedBitmaps()) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Energy|Histogram'");
        return;
    }
    const uint16_t points = 53;
    int64_t totals[points];
    int64_t solar[points];
    int64_t maximum = 2;
    for (uint16_t i = 0; i < points; ++i) {
        solar[i] = (i * 13) % 120;
        totals[i] = solar[i] + 80 + (i * 29) % 700;
        maximum = totals[i] > maximum ? totals[i] : maximum;
    }
    const int64_t step = (maximum + 1) / 2;
    quillon::Container content;
    content.setPosition(0, 72, 800, 337);
    guicontrols::PlotBackground background;
    guicontrols::PlotCurve curves;
    background.setPosition(0, 0, 700, 400);
    background.setColumnGeometry(80, 3);
    background.setWeekLabels(helpers::DateTime(2026, 3, 31, 12, 0, 0), -9, 7, false);
    background.setNumericYLabels(0, static_cast<int32_t>(step), 3);
    curves.setNumberOfCurves(2);
    curves.setAreaFill(guicontrols::Palette::entry(4));
    curves.setCurveColor(0, guicontrols::Palette::entry(9));
    curves.setCurveColor(1, guicontrols::Palette::entry(7));
    curves.setPosition(static_cast<int16_t>(background.getX() + background.getPlotAreaX()),
                       static_cast<int16_t>(background.getY() + background.getPlotAreaY()), background.getPlotAreaWidth(),
                       background.getPlotAreaHeight());
    curves.setRange(int64_t{0}, 2 * step);
    curves.setPoints(0, totals, points);
    curves.setPoints(1, solar, points);
    curves.setNumberOfPoints(0, points);
    curves.setNumberOfPoints(1, points);
    content.add(background);
    content.add(curves);
    scene.screen.add(content);
    for (auto _ : state) {
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(HistogramOverviewPageStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(EnergyBalance53WeeksFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(EnergyCockpitArrowsStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(EnergyWeekHistogram)->Unit(benchmark::kMicrosecond);
BENCHMARK(EnergyTankWithLabels)->Unit(benchmark::kMicrosecond);
