// Whole 800 x 480 frames of the chart widgets and the heating-curve diagram, drawn with the
// generated texts and fonts through the screen's drawing, on the in-memory test display with
// pixel counting off. Compare each figure with MemcpyFrame of the same run.

#include "guicontrols/HeatingCurve.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotCurve.hpp"

#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/widgets/Box.hpp>
#include <support/TestFrame.hpp>

#include <benchmark/benchmark.h>

#include <cmath>

namespace
{
using quillon::Rectangle;

// The display, the texts and a black content background.
struct PlotScene
{
    PlotScene() : frame(0)
    {
        frame.setCounting(false);
        assets::registerGeneratedTexts();
        quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
        background.setPosition(0, 0, 800, 480);
        background.setColor(0);
        screen.add(background);
    }

    void drawWholeFrame()
    {
        Rectangle all(0, 0, 800, 480);
        screen.draw(all);
    }

    // Shown beside the timing: a frame that drew nothing would be fast for no merit.
    double drawnPixels() { return static_cast<double>(800 * 480 - frame.count(0)); }

    quillon::test::TestFrame frame;
    quillon::Screen screen;
    quillon::Box background;
};

// A chart page: seven bands of 96 pixels with their labels, and five stacked curves of 199
// points with the area below each filled.
void PlotChartFrame(benchmark::State& state)
{
    PlotScene scene;
    guicontrols::PlotBackground chart;
    chart.setPosition(0, 0, 800, 400);
    chart.setColumnGeometry(96, 3);
    chart.setDateLabels(helpers::DateTime(2016, 3, 7, 12, 0, 0), -1, 8, true, 255);
    chart.setNumericYLabels(0, 25, 5);
    guicontrols::PlotCurve curves;
    curves.setPosition(chart.getPlotAreaX(), chart.getPlotAreaY(), chart.getPlotAreaWidth(),
                       chart.getPlotAreaHeight());
    curves.setNumberOfCurves(5);
    curves.setRange(0, 100);
    curves.setAreaFill(guicontrols::Palette::entry(4));
    const uint8_t colours[] = {10, 8, 28, 7, 35};
    for (uint8_t c = 0; c < 5; ++c) {
        curves.setCurveColor(c, guicontrols::Palette::entry(colours[c]));
        int32_t values[199];
        for (int k = 0; k < 199; ++k) {
            values[k] = static_cast<int32_t>(88 - 17 * c + 7 * std::sin(0.05 * k + c));
        }
        curves.setPoints(c, values, 199);
    }
    scene.screen.add(chart);
    scene.screen.add(curves);
    for (auto _ : state) {
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = scene.drawnPixels();
}

struct DiagramScene : PlotScene
{
    DiagramScene()
    {
        diagram.setPosition(120, 90, 560, 260);
        diagram.setFlowAxisLabels(1);
        diagram.setRoomSetpoint(20, 1);
        diagram.setSlope(1.4f, 1);
        diagram.setLevel(0, 1);
        screen.add(diagram);
    }

    guicontrols::HeatingCurve diagram;
};

// The heating-curve page's diagram, redrawn whole.
void HeatingCurveFrame(benchmark::State& state)
{
    DiagramScene scene;
    for (auto _ : state) {
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = scene.drawnPixels();
}

// One step of the slope spin box: points, labels and coverage recomputed, then the frame.
void HeatingCurveSlopeStep(benchmark::State& state)
{
    DiagramScene scene;
    int step = 0;
    for (auto _ : state) {
        scene.diagram.setSlope(1.0f + 0.1f * static_cast<float>(step), 1);
        step = (step + 1) % 20;
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = scene.drawnPixels();
}
} // namespace

BENCHMARK(PlotChartFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(HeatingCurveFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(HeatingCurveSlopeStep)->Unit(benchmark::kMicrosecond);
