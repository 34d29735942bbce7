// A list of 100 text lines (bulleted label and value) as the information screens show it,
// on the in-memory test display with pixel counting off, driven through the application's
// frames. Compare each figure with MemcpyFrame of the same run.

#include "guicontrols/BaseTextItem.hpp"
#include "guicontrols/ListControl.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/widgets/Box.hpp>
#include <support/TestApplication.hpp>
#include <support/TestFrame.hpp>

#include <benchmark/benchmark.h>

#include <deque>
#include <memory>

namespace
{
const quillon::WideChar* w(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

struct Assets
{
    Assets()
    {
        BitmapDatabase::registerDatabase();
        assets::registerGeneratedTexts();
        quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    }
};

// The display, a list of 100 bulleted lines in the content area, and the first frame drawn.
struct ListScene : Assets
{
    ListScene() : frame(0)
    {
        frame.setCounting(false);
        frame.hal().setListener(&application);
        background.setPosition(0, 0, 800, 480);
        background.setColor(0x2945);
        list.setLayout(guicontrols::ListControl::Layout());
        list.setPosition(0, 72, 800, 337);
        for (int i = 0; i < 100; ++i) {
            items.emplace_back(&line, 0);
        }
        refill();
        screen.add(background);
        screen.add(list);
        application.switchScreen(&screen);
        application.invalidate();
        frame.frames(1);
    }

    void refill()
    {
        list.clear(false);
        for (guicontrols::BaseTextItem& item : items) {
            list.add(&item);
        }
        list.updateItems();
    }

    // Press and release on the down button: the release frame takes the step.
    void downStep()
    {
        frame.touch().press(744, 72 + 337 - 15 - 35);
        frame.frames(1);
        frame.touch().release();
        frame.frames(1);
    }

    bool atBottom() const { return list.getScrollOffset() >= list.getMaxScrollOffset(); }

    quillon::test::TestFrame frame;
    quillon::test::TestApplication application;
    quillon::Screen screen;
    quillon::Box background;
    guicontrols::SimpleTextProvider line{w(u"Supply temperature actual"), w(u"21°C"), 1};
    std::deque<guicontrols::BaseTextItem> items;
    guicontrols::ListControl list;
};

// One step down (its press frame and its release frame), back to the top when the end is
// reached (outside the timing).
void ListDownStep(benchmark::State& state)
{
    ListScene scene;
    uint32_t steps = 0;
    for (auto _ : state) {
        if (scene.atBottom()) {
            state.PauseTiming();
            scene.list.clear(true);
            scene.refill();
            scene.application.invalidate();
            scene.frame.frames(1);
            state.ResumeTiming();
        }
        scene.downStep();
        ++steps;
        benchmark::ClobberMemory();
    }
    state.counters["scrollOffset"] = scene.list.getScrollOffset();
    state.counters["steps"] = steps;
}

// A screen's refill on a data change: clear(false), 100 adds, updateItems, and the frame.
void ListRefill(benchmark::State& state)
{
    ListScene scene;
    for (auto _ : state) {
        scene.refill();
        scene.frame.frames(1);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(ListDownStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListRefill)->Unit(benchmark::kMicrosecond);
