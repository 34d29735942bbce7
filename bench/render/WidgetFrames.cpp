// Whole 800 x 480 frames of the widget library, drawn with the generated assets through the
// screen's occlusion-culled drawing, on the in-memory test display with pixel counting off.
// Compare each figure with MemcpyFrame of the same run.

#include "guicontrols/Frame.hpp"
#include "guicontrols/LongButton.hpp"
#include "guicontrols/TileButton.hpp"

#include <BitmapDatabase.hpp>
#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/widgets/Box.hpp>
#include <support/ScopedBitmapDatabase.hpp>
#include <support/TestFrame.hpp>

#include <benchmark/benchmark.h>

#include <array>

namespace
{
using quillon::Rectangle;

const quillon::WideChar* wide(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

// The display, the assets and a black content background, as a screen of the panel has.
struct WidgetScene
{
    WidgetScene() : frame(0), bitmaps(BitmapDatabase::getTable(), BitmapDatabase::getCount())
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
    double drawnPixels()
    {
        return static_cast<double>(800 * 480 - frame.count(0));
    }

    quillon::test::TestFrame frame;
    // The generated bitmaps for this scene, whatever another scene registered for good.
    quillon::test::ScopedBitmapDatabase bitmaps;
    quillon::Screen screen;
    quillon::Box background;
};

// A menu page: six tiles of 224 x 140, each with an icon and a text on two lines.
void WidgetTileMenu(benchmark::State& state)
{
    static const char16_t* const texts[] = {u"Heating circuit 1", u"Time program hot water",
                                            u"Holiday program all circuits", u"Information about the boiler",
                                            u"Energy balance of the year", u"Settings of the panel"};
    const quillon::BitmapId icons[] = {111, 122, 119, 124, 98, 87};
    WidgetScene scene;
    quillon::Container page;
    page.setPosition(0, 72, 800, 337);
    std::array<guicontrols::TileButton, 6> tiles;
    for (size_t i = 0; i < tiles.size(); ++i) {
        tiles[i].setIcon(quillon::Bitmap(icons[i]));
        tiles[i].setText(wide(texts[i]));
    }
    guicontrols::Frame::placeTiles(page, tiles.data(), 6, 0);
    scene.screen.add(page);
    for (auto _ : state) {
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = scene.drawnPixels();
}

// A list page: five long buttons with a main and a value text.
void WidgetLongButtonList(benchmark::State& state)
{
    static const char16_t* const mains[] = {u"Flow temperature", u"Return temperature", u"Outside temperature",
                                            u"Hot water temperature", u"Burner starts"};
    static const char16_t* const values[] = {u"45.5 \u00B0C", u"38.0 \u00B0C", u"-4.5 \u00B0C", u"52.0 \u00B0C",
                                             u"12345"};
    WidgetScene scene;
    std::array<guicontrols::LongButton, 5> lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i].setXY(71, static_cast<int16_t>(74 + 76 * i));
        lines[i].setText(wide(mains[i]));
        lines[i].setValueText(wide(values[i]));
        scene.screen.add(lines[i]);
    }
    for (auto _ : state) {
        scene.drawWholeFrame();
        benchmark::ClobberMemory();
    }
    state.counters["drawnPixels"] = scene.drawnPixels();
}
} // namespace

BENCHMARK(WidgetTileMenu)->Unit(benchmark::kMicrosecond);
BENCHMARK(WidgetLongButtonList)->Unit(benchmark::kMicrosecond);
