// Whole frames drawn the way the program draws them: a Screen of widgets, invalidated, then
// drawn through the application's draw path (merged areas, occlusion culling) on the test
// HAL with its own blockCopy. One iteration is one 800 x 480 frame. Each figure is also given
// as "xMemcpy": the frame's time over that of a memcpy of one frame, measured in the same run.

#ifdef QUILLON_BENCH_WITH_quillon_test_support

#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/hal/NoDMA.hpp>
#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextArea.hpp>
#include <support/ScopedBitmapDatabase.hpp>
#include <support/TestApplication.hpp>
#include <support/TestHAL.hpp>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <vector>

#ifdef QUILLON_BENCH_GENERATED_FONTS
#include <assets/GeneratedFonts.hpp>
#endif

using namespace quillon;

namespace
{
const uint16_t WIDTH = 800;
const uint16_t HEIGHT = 480;
const size_t FRAME_PIXELS = static_cast<size_t>(WIDTH) * HEIGHT;

std::vector<uint16_t> variedPixels(size_t count)
{
    std::vector<uint16_t> pixels(count);
    uint32_t state = 12345;
    for (uint16_t& pixel : pixels) {
        state = state * 1664525u + 1013904223u;
        pixel = static_cast<uint16_t>(state >> 16);
    }
    return pixels;
}

// Median time of a memcpy of one frame, the yardstick of every figure here. Measured right
// after each scene, so that both see the same load on a shared machine.
double memcpyFrameSeconds()
{
    const std::vector<uint16_t> source = variedPixels(FRAME_PIXELS);
    std::vector<uint16_t> destination(FRAME_PIXELS);
    std::array<double, 101> samples;
    for (double& sample : samples) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(destination.data(), source.data(), FRAME_PIXELS * 2);
        benchmark::ClobberMemory();
        sample = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// The full-screen background and the button of the renderer's bitmap frame: a 658 x 71
// button, opaque inside, with rounded corners and a soft two-pixel rim in its alpha plane.
struct SceneBitmaps
{
    enum : BitmapId
    {
        BACKGROUND,
        BUTTON,
        COUNT
    };
    static const uint16_t BUTTON_WIDTH = 658;
    static const uint16_t BUTTON_HEIGHT = 71;
    static const int RADIUS = 10;

    SceneBitmaps()
        : background(variedPixels(FRAME_PIXELS)),
          buttonPixels(BUTTON_WIDTH * BUTTON_HEIGHT),
          buttonAlpha(BUTTON_WIDTH * BUTTON_HEIGHT)
    {
        const int w = BUTTON_WIDTH;
        const int h = BUTTON_HEIGHT;
        const int inner = (RADIUS - 2) * (RADIUS - 2);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int cx = x < RADIUS ? RADIUS - x : (x >= w - RADIUS ? x - (w - RADIUS - 1) : 0);
                const int cy = y < RADIUS ? RADIUS - y : (y >= h - RADIUS ? y - (h - RADIUS - 1) : 0);
                const int distance2 = cx * cx + cy * cy;
                int value = 255;
                if (distance2 >= RADIUS * RADIUS) {
                    value = 0;
                } else if (distance2 > inner) {
                    value = 255 * (RADIUS * RADIUS - distance2) / (RADIUS * RADIUS - inner);
                }
                if (x < 2 || y < 2 || x >= w - 2 || y >= h - 2) {
                    value = value * 3 / 5;
                }
                buttonAlpha[y * w + x] = static_cast<uint8_t>(value);
                buttonPixels[y * w + x] = static_cast<uint16_t>(0x4208 + (y / 8) * 0x0841);
            }
        }
        records[BACKGROUND] = BitmapRecord{reinterpret_cast<const uint8_t*>(background.data()), nullptr, WIDTH,
                                           HEIGHT, 0, 0, WIDTH, HEIGHT, BITMAP_RGB565};
        records[BUTTON] = BitmapRecord{reinterpret_cast<const uint8_t*>(buttonPixels.data()), buttonAlpha.data(),
                                       BUTTON_WIDTH, BUTTON_HEIGHT, RADIUS, 2, BUTTON_WIDTH - 2 * RADIUS,
                                       BUTTON_HEIGHT - 4, BITMAP_RGB565};
    }

    std::vector<uint16_t> background;
    std::vector<uint16_t> buttonPixels;
    std::vector<uint8_t> buttonAlpha;
    BitmapRecord records[COUNT];
};

const SceneBitmaps& sceneBitmaps()
{
    static const SceneBitmaps bitmaps;
    return bitmaps;
}

#ifdef QUILLON_BENCH_GENERATED_FONTS
// One text, 40 letters of mixed case, in the 26 px body font, in every language.
struct SceneTexts
{
    SceneTexts()
    {
        for (uint16_t i = 0; i < 40; ++i) {
            units[i] = static_cast<WideChar>(i % 2 == 0 ? 'A' + i % 26 : 'a' + (i * 7) % 26);
        }
        units[40] = 0;
        fonts.fill(nullptr);
        fonts[0] = &assets::font2();
        for (uint16_t language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
            tables[language] = &text;
            databases[language] = &record;
        }
        database.languageTexts = tables.data();
        database.typedTextDatabases = databases.data();
        database.fontTable = fonts.data();
        database.textCount = 1;
        TypedText::registerLanguageTable(&table);
        LanguageTable::setLanguage(LANGUAGE_ENGLISH);
    }
    ~SceneTexts()
    {
        TypedText::registerLanguageTable(nullptr);
        TypedText::registerTypedTextDatabase(nullptr, nullptr, 0);
    }

    WideChar units[41];
    const WideChar* text = units;
    TypedTextRecord record{0, {0, 0, 0}, LEFT};
    std::array<const WideChar* const*, NUMBER_OF_LANGUAGES> tables{};
    std::array<const TypedTextRecord*, NUMBER_OF_LANGUAGES> databases{};
    std::array<const Font*, NUMBER_OF_FONTS> fonts{};
    TextDatabase database{};
    LanguageTable table{database};
};
#endif

// Redraws the whole display on every frame, as a page switch does.
class SceneScreen : public Screen
{
public:
    void onTick() override { Application::getInstance()->invalidate(); }
};

// The display stack of the tests, with the scene's bitmaps registered while it lives.
struct Stage
{
    Stage() { hal.setListener(&application); }

    // Draws the screen once untimed, then one timed frame per iteration.
    void run(benchmark::State& state, SceneScreen& screen)
    {
        application.switchScreen(&screen);
        hal.frame();
        const auto start = std::chrono::steady_clock::now();
        for (auto _ : state) {
            hal.frame();
            benchmark::ClobberMemory();
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (state.iterations() > 0) {
            state.counters["xMemcpy"] = seconds / static_cast<double>(state.iterations()) / memcpyFrameSeconds();
        }
    }

    test::ScopedBitmapDatabase bitmaps{sceneBitmaps().records, SceneBitmaps::COUNT};
    NoDMA dma;
    LCD16bpp lcd;
    test::TestHAL hal{dma, lcd, nullptr};
    test::TestApplication application;
};

void ScreenOpaqueImage(benchmark::State& state)
{
    Stage stage;
    SceneScreen screen;
    Image background{Bitmap(SceneBitmaps::BACKGROUND)};
    screen.add(background);
    stage.run(state, screen);
}

void ScreenAlphaFillOverImage(benchmark::State& state)
{
    Stage stage;
    SceneScreen screen;
    Image background{Bitmap(SceneBitmaps::BACKGROUND)};
    Box shade(WIDTH, HEIGHT, 0xFFFF, 128);
    screen.add(background);
    screen.add(shade);
    stage.run(state, screen);
}

void ScreenAlphaButtons(benchmark::State& state)
{
    Stage stage;
    SceneScreen screen;
    Image background{Bitmap(SceneBitmaps::BACKGROUND)};
    screen.add(background);
    Image buttons[6];
    for (int16_t i = 0; i < 6; ++i) {
        buttons[i].setBitmap(Bitmap(SceneBitmaps::BUTTON));
        buttons[i].setXY(71, static_cast<int16_t>(12 + i * 76));
        screen.add(buttons[i]);
    }
    stage.run(state, screen);
}

void ScreenTextPage(benchmark::State& state)
{
#ifdef QUILLON_BENCH_GENERATED_FONTS
    Stage stage;
    SceneTexts texts;
    SceneScreen screen;
    Box background(WIDTH, HEIGHT, 0x0000);
    screen.add(background);
    TextArea lines[20];
    for (int16_t line = 0; line < 20; ++line) {
        lines[line].setPosition(0, static_cast<int16_t>(line * 24), WIDTH, 33);
        lines[line].setTextId(TypedText(0));
        lines[line].setColor(0xE71C);
        screen.add(lines[line]);
    }
    stage.run(state, screen);
#else
    state.SkipWithError("the generated fonts are not part of this build");
#endif
}
} // namespace

BENCHMARK(ScreenOpaqueImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenAlphaFillOverImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenAlphaButtons)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenTextPage)->Unit(benchmark::kMicrosecond);

#endif
