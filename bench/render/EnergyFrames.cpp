// Whole 800 x 480 frames of the energy widgets, drawn with the generated assets through the
// screen's occlusion-culled drawing, on the in-memory test display with pixel counting off.
// Compare each figure with MemcpyFrame of the same run.

#include "guicontrols/EnergyBarScale.hpp"
#include "guicontrols/EnergyCockpitBufferLoad.hpp"
#include "guicontrols/EnergyCockpitSolar.hpp"
#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TemperatureColorTable.hpp"
#include "guicontrols/WaterTankDataProvider.hpp"
#include "guicontrols/WaterTankGadget.hpp"
#include "guicontrols/WaterTankGadgetWithLabels.hpp"

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
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
} // namespace

BENCHMARK(EnergyCockpitArrowsStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(EnergyWeekHistogram)->Unit(benchmark::kMicrosecond);
BENCHMARK(EnergyTankWithLabels)->Unit(benchmark::kMicrosecond);
