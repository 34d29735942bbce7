#ifndef QUILLON_TEST_TESTFRAME_HPP
#define QUILLON_TEST_TESTFRAME_HPP

#include "CountingLCD.hpp"
#include "ScriptedTouchController.hpp"
#include "TestHAL.hpp"

#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/hal/NoDMA.hpp>

#include <cstdint>
#include <vector>

namespace quillon
{
class Drawable;
class Screen;

namespace test
{
// The whole headless display stack on one 800 x 480 RGB565 frame buffer: no-DMA blitter,
// the 16-bit renderer behind a per-pixel write counter, a scripted touch panel and the test
// HAL. Fill it with a colour nothing draws, draw, then check inside, the edge and outside.
class TestFrame
{
public:
    explicit TestFrame(Color background = 0, TestHAL::Buffering buffering = TestHAL::Buffering::Single);

    // A drawable on its own: its whole rectangle, or part of it (own coordinates).
    void draw(const Drawable& drawable);
    void draw(const Drawable& drawable, const Rectangle& part);
    // A screen's whole display through its occlusion-culled drawing.
    void draw(Screen& screen);

    // The buffer drawing goes to (the shown one after a swap with double buffering).
    Color at(int16_t x, int16_t y) { return hal().pixel(x, y); }
    int count(Color color);
    int count(Color color, const Rectangle& area);
    // The buffer drawing goes to, top row first: whole, or the rectangle.
    std::vector<Color> pixels();
    std::vector<Color> pixels(const Rectangle& area);
    int writes(int16_t x, int16_t y) const;
    int maxWritesPerPixel() const;
    int totalWrites() const;
    // Paints every buffer and forgets the counted writes.
    void fill(Color color);
    void resetWrites() { counter.resetWrites(); }
    void setCounting(bool on) { counter.setCounting(on); }

    // Input through the scripted panel, one frame per sample. Frames reach the application
    // only once it is the HAL's listener: hal().setListener(&app).
    void click(int16_t x, int16_t y);
    void frames(uint32_t count) { testHal.frames(count); }

    TestHAL& hal() { return testHal; }
    ScriptedTouchController& touch() { return touchPanel; }
    LCD& lcd() { return counter; }

private:
    NoDMA dma;
    LCD16bpp renderer;
    ScriptedTouchController touchPanel;
    CountingLCD counter; // before the HAL, which initialises its renderer
    TestHAL testHal;
};
} // namespace test
} // namespace quillon

#endif
