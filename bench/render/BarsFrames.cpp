// The screen chrome as a whole 800 x 480 frame: top bar with a title, black content, bottom
// bar with six icon buttons, drawn with the generated assets through the screen's
// occlusion-culled drawing on the in-memory test display. Compare with MemcpyFrame.

#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <support/TestFrame.hpp>

#include <benchmark/benchmark.h>

namespace
{
void BarsScreenChrome(benchmark::State& state)
{
    quillon::test::TestFrame frame(0x1234);
    frame.setCounting(false);
    BitmapDatabase::registerDatabase();
    assets::registerGeneratedTexts();
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    if (quillon::Bitmap(0).getWidth() != 134 || quillon::Bitmap(231).getWidth() != 570) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Bars'");
        return;
    }
    static const char16_t title[] = u"Heating circuit 1: time program";
    guicontrols::TopBar top(0, 0, 800, 72);
    top.setTitle(reinterpret_cast<const quillon::WideChar*>(u"%ls"), reinterpret_cast<const quillon::WideChar*>(title));
    guicontrols::Content content(0, 72, 800, 337);
    guicontrols::BottomBar bottom(0, 409, 800, 71);
    const quillon::BitmapId icons[] = {208, 204, 207, 214, 209, 211};
    for (uint8_t i = 0; i < 6; ++i) {
        bottom.setButtonIcon(i, icons[i]);
    }
    quillon::Screen screen;
    screen.add(top);
    screen.add(content);
    screen.add(bottom);
    for (auto _ : state) {
        quillon::Rectangle all(0, 0, 800, 480);
        screen.draw(all);
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = static_cast<double>(800 * 480 - frame.count(0x1234));
}
} // namespace

BENCHMARK(BarsScreenChrome)->Unit(benchmark::kMicrosecond);
