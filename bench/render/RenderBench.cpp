// One iteration is one 800 x 480 RGB565 frame drawn through the renderer, except MemcpyFrame,
// the yardstick: a plain memcpy of the 768000 bytes of a frame.

#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/InternalFlashFont.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/hal/NoDMA.hpp>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
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

// A host without a window: one frame buffer in memory.
class BenchHAL : public HAL
{
public:
    BenchHAL(DMA_Interface& dma, LCD& lcd) : HAL(dma, lcd, nullptr, WIDTH, HEIGHT), memory(FRAME_PIXELS * 2)
    {
        setFrameBufferStartAddress(memory.data(), 16, false, true);
        initialize();
        lcd.init();
    }
    void configureInterrupts() override {}
    void enableDMAInterrupt() override {}
    void disableDMAInterrupt() override {}
    void enableFrameInterrupt() override {}
    uint16_t* getOutputBuffer() override { return memory.data(); }
    // As the desktop host does it.
    bool blockCopy(void* destination, const void* source, uint32_t bytes) override
    {
        std::memcpy(destination, source, bytes);
        return true;
    }
    void setTFTFrameBuffer(uint16_t*) override {}
    uint16_t* frameBuffer() { return memory.data(); }

private:
    std::vector<uint16_t> memory;
};

// Each benchmark builds its own: the HAL is one per process while it lives, and scene files
// of this folder set up display stacks of their own.
struct Display
{
    NoDMA dma;
    LCD16bpp lcd;
    BenchHAL hal{dma, lcd};
};

// Varied pixels, so blending never meets one repeated value.
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

// A button background: mostly opaque, with rounded corners and a soft two-pixel rim.
struct ButtonBitmap
{
    static const uint16_t W = 658;
    static const uint16_t H = 71;
    static const int RADIUS = 10;

    ButtonBitmap() : pixels(W * H), alpha(W * H)
    {
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                const int cx = x < RADIUS ? RADIUS - x : (x >= W - RADIUS ? x - (W - RADIUS - 1) : 0);
                const int cy = y < RADIUS ? RADIUS - y : (y >= H - RADIUS ? y - (H - RADIUS - 1) : 0);
                const int distance2 = cx * cx + cy * cy; // beyond RADIUS^2: outside the corner
                int value = 255;
                const int inner = (RADIUS - 2) * (RADIUS - 2);
                if (distance2 >= RADIUS * RADIUS) {
                    value = 0;
                } else if (distance2 > inner) {
                    value = 255 * (RADIUS * RADIUS - distance2) / (RADIUS * RADIUS - inner);
                }
                if (x < 2 || y < 2 || x >= W - 2 || y >= H - 2) {
                    value = value * 3 / 5; // soft rim
                }
                alpha[y * W + x] = static_cast<uint8_t>(value);
                pixels[y * W + x] = static_cast<uint16_t>(0x4208 + (y / 8) * 0x0841);
            }
        }
        record = BitmapRecord{reinterpret_cast<const uint8_t*>(pixels.data()), alpha.data(), W, H,
                              RADIUS, 2, W - 2 * RADIUS, H - 4, BITMAP_RGB565};
    }
    std::vector<uint16_t> pixels;
    std::vector<uint8_t> alpha;
    BitmapRecord record;
};

// The background of the bitmap frame, opaque and as large as the display.
struct Backgrounds
{
    Backgrounds() : pixels(variedPixels(FRAME_PIXELS))
    {
        records[0] = BitmapRecord{reinterpret_cast<const uint8_t*>(pixels.data()), nullptr, WIDTH, HEIGHT,
                                  0, 0, WIDTH, HEIGHT, BITMAP_RGB565};
        records[1] = button.record;
        Bitmap::registerBitmapDatabase(records, 2);
    }
    std::vector<uint16_t> pixels;
    ButtonBitmap button;
    BitmapRecord records[2];
};

// Glyph shapes for the text frame when the generated fonts are not built: letter-like strokes
// (a stem and a bowl) with anti-aliased edges, 4 bpp row-aligned as the asset generator writes them.
struct StrokeFont
{
    static const uint16_t GLYPH_WIDTH = 15;
    static const uint16_t GLYPH_HEIGHT = 19;

    StrokeFont()
    {
        const uint32_t rowBytes = (GLYPH_WIDTH + 1) / 2;
        for (uint16_t i = 0; i < 52; ++i) {
            GlyphRecord glyph{};
            glyph.dataOffset = static_cast<uint32_t>(pixels.size());
            glyph.unicode = static_cast<uint16_t>(i < 26 ? 'A' + i : 'a' + i - 26);
            glyph.width = GLYPH_WIDTH;
            glyph.height = GLYPH_HEIGHT;
            glyph.top = GLYPH_HEIGHT;
            glyph.left = 1;
            glyph.advance = 20;
            glyph.flags = GLYPH_DATA_ROW_ALIGNED;
            glyphs.push_back(glyph);
            const double stem = 1.5 + i % 5;
            const double bowlX = 8.0 + (i % 3) * 0.5;
            const double bowlY = 11.0 + (i % 4) * 0.7;
            for (uint32_t row = 0; row < GLYPH_HEIGHT; ++row) {
                for (uint32_t pair = 0; pair < rowBytes; ++pair) {
                    uint8_t byte = 0;
                    for (uint32_t half = 0; half < 2 && pair * 2 + half < GLYPH_WIDTH; ++half) {
                        // 4 x 4 samples per pixel: how much of it the strokes cover.
                        int covered = 0;
                        for (int sample = 0; sample < 16; ++sample) {
                            const double x = pair * 2 + half + (sample % 4 + 0.5) / 4;
                            const double y = row + (sample / 4 + 0.5) / 4;
                            const double dx = (x - bowlX) / 5.5;
                            const double dy = (y - bowlY) / 6.5;
                            const double ring = dx * dx + dy * dy;
                            if ((x >= stem && x < stem + 2.4) || (ring < 1.0 && ring > 0.45)) {
                                ++covered;
                            }
                        }
                        const uint32_t value = static_cast<uint32_t>(covered * 15 / 16);
                        byte = static_cast<uint8_t>(byte | (value << (half * 4)));
                    }
                    pixels.push_back(byte);
                }
            }
        }
        font.reset(new InternalFlashFont(glyphs.data(), static_cast<uint16_t>(glyphs.size()), 26, 7, 4,
                                         pixels.data(), nullptr));
    }
    std::vector<GlyphRecord> glyphs;
    std::vector<uint8_t> pixels;
    std::unique_ptr<InternalFlashFont> font;
};

const Font& textFont()
{
#ifdef QUILLON_BENCH_GENERATED_FONTS
    return assets::font2(); // the 26 px body font
#else
    static StrokeFont strokes;
    return *strokes.font;
#endif
}

// 40 letters, mixed case.
struct TextLine
{
    TextLine()
    {
        for (uint16_t i = 0; i < 40; ++i) {
            units[i] = static_cast<WideChar>(i % 2 == 0 ? 'A' + i % 26 : 'a' + (i * 7) % 26);
        }
        units[40] = 0;
    }
    WideChar units[41];
};

const Rectangle SCREEN(0, 0, WIDTH, HEIGHT);

void MemcpyFrame(benchmark::State& state)
{
    std::vector<uint16_t> source = variedPixels(FRAME_PIXELS);
    Display d;
    uint16_t* frame = d.hal.frameBuffer();
    for (auto _ : state) {
        std::memcpy(frame, source.data(), FRAME_PIXELS * 2);
        benchmark::ClobberMemory();
    }
}

void OpaqueFill(benchmark::State& state)
{
    Display d;
    for (auto _ : state) {
        d.lcd.fillRect(SCREEN, 0x39E7, 255);
        benchmark::ClobberMemory();
    }
}

void HalfTransparentFill(benchmark::State& state)
{
    Display d;
    const std::vector<uint16_t> background = variedPixels(FRAME_PIXELS);
    for (auto _ : state) {
        // Repeated blends would converge on the fill colour: restore the background untimed.
        state.PauseTiming();
        std::memcpy(d.hal.frameBuffer(), background.data(), FRAME_PIXELS * 2);
        state.ResumeTiming();
        d.lcd.fillRect(SCREEN, 0xFFFF, 128);
        benchmark::ClobberMemory();
    }
}

void ButtonBitmaps(benchmark::State& state)
{
    Display d;
    static Backgrounds backgrounds;
    const Bitmap background(0);
    const Bitmap button(1);
    for (auto _ : state) {
        d.lcd.drawBitmapPart(background, 0, 0, background.getRect(), 255, true);
        for (int16_t i = 0; i < 6; ++i) {
            d.lcd.drawBitmapPart(button, 71, static_cast<int16_t>(12 + i * 76), button.getRect(), 255, true);
        }
        benchmark::ClobberMemory();
    }
}

void TextScreen(benchmark::State& state)
{
    Display d;
    static TextLine text;
    const LCD::TextStyle style(&textFont(), 0xE71C, 255, LEFT, 0, 0);
    for (auto _ : state) {
        d.lcd.fillRect(SCREEN, 0x0000, 255);
        for (int16_t line = 0; line < 20; ++line) {
            const Rectangle area(0, static_cast<int16_t>(line * 24), WIDTH, 33);
            d.lcd.drawString(area, Rectangle(0, 0, WIDTH, 33), style, text.units);
        }
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(MemcpyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpaqueFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(HalfTransparentFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(ButtonBitmaps)->Unit(benchmark::kMicrosecond);
BENCHMARK(TextScreen)->Unit(benchmark::kMicrosecond);
