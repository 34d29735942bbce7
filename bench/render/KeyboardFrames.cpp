// The text keyboard redrawn whole after a press on shift: the page of 29 keys changes, so the
// whole keyboard is drawn, as the content of a screen with its top bar's place left black.
// Compare with MemcpyFrame of the same run (the aim is at most six times that).

#include "guicontrols/CustomKeyboard.hpp"

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/widgets/Box.hpp>
#include <support/TestFrame.hpp>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
using quillon::Rectangle;

// Whether this process's bitmap table is the generated one (another scene may have
// registered its own first).
bool hasGeneratedBitmaps()
{
    return quillon::Bitmap(16).getWidth() == 71 && quillon::Bitmap(2).getWidth() == 142;
}

// A press on the shift key, as the key's click action delivers it, toggling the page.
class ShiftPresser : public guicontrols::CustomKeyboard
{
public:
    void pressShift() { keyPressed(shiftButton); }
};

void KeyboardRedrawAfterShift(benchmark::State& state)
{
    quillon::test::TestFrame frame(0);
    frame.setCounting(false);
    BitmapDatabase::registerDatabase();
    assets::registerGeneratedTexts();
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    if (!hasGeneratedBitmaps()) {
        state.SkipWithError("another bitmap table was registered first: run with --benchmark_filter='Memcpy|Keyboard'");
        return;
    }
    quillon::Screen screen;
    quillon::Box background;
    background.setPosition(0, 0, 800, 480);
    background.setColor(0);
    screen.add(background);
    std::unique_ptr<ShiftPresser> keyboard(new ShiftPresser());
    keyboard->setPosition(0, 72, 800, 337);
    keyboard->setText(reinterpret_cast<const quillon::WideChar*>(u"Heating engineer"));
    screen.add(*keyboard);
    Rectangle area = keyboard->getAbsoluteRect();
    for (auto _ : state) {
        keyboard->pressShift();
        Rectangle redraw = area;
        screen.draw(redraw);
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = static_cast<double>(800 * 480 - frame.count(0));
}
} // namespace

BENCHMARK(KeyboardRedrawAfterShift)->Unit(benchmark::kMicrosecond);
