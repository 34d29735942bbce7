// The time-program editor with four periods, redrawn whole: an 800 x 480 frame with the
// editor on a black content background, through the screen's occlusion-culled drawing, on
// the in-memory test display with pixel counting off. Compare with MemcpyFrame of the run.

#include "guicontrols/TimeProgramEdit.hpp"

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/widgets/Box.hpp>
#include <support/TestFrame.hpp>

#include <benchmark/benchmark.h>

namespace
{
void WidgetTimeProgramEdit(benchmark::State& state)
{
    quillon::test::TestFrame frame(0);
    frame.setCounting(false);
    BitmapDatabase::registerDatabase();
    assets::registerGeneratedTexts();
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    // The framework keeps the first bitmap table registered in a process.
    if (quillon::Bitmap(226).getWidth() != 539) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Widget'");
        return;
    }
    quillon::Screen screen;
    quillon::Box background;
    background.setPosition(0, 0, 800, 480);
    background.setColor(0);
    screen.add(background);
    guicontrols::TimeProgramEdit edit;
    edit.setXY(0, 72);
    // 06:00-08:00, 11:30-13:00, 17:00-22:00, 22:10-23:50; the first selected.
    const uint8_t day[] = {48, 64, 93, 104, 136, 176, 177, 190};
    edit.setSwitchTimes(day);
    screen.add(edit);
    quillon::Rectangle all(0, 0, 800, 480);
    for (auto _ : state) {
        screen.draw(all);
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = static_cast<double>(800 * 480 - frame.count(0));
}
} // namespace

BENCHMARK(WidgetTimeProgramEdit)->Unit(benchmark::kMicrosecond);
