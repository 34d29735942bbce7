#include "TestHAL.hpp"

#include "FrameBuffers.hpp"

#include <quillon/lcd/LCD.hpp>

#include <algorithm>

namespace quillon
{
namespace test
{
TestHAL::TestHAL(DMA_Interface& dma, LCD& lcd, TouchController* touchController, Buffering buffering,
                 uint16_t width, uint16_t height)
    : HAL(dma, lcd, touchController, width, height),
      memory(takeBuffer16(static_cast<size_t>(width) * height * 3 + 2 * GUARD_PIXELS, 0))
{
    std::fill(memory.begin(), memory.begin() + GUARD_PIXELS, GUARD_PATTERN);
    std::fill(memory.end() - GUARD_PIXELS, memory.end(), GUARD_PATTERN);
    setFrameBufferStartAddress(frameBufferBlock(), 16, buffering == Buffering::Double, true);
    shown = frameBufferBlock();
    initialize();
    lcd.init();
}

TestHAL::~TestHAL()
{
    // The display settings are class-wide: leave them as a fresh process has them.
    USE_DUAL_BUFFERS = false;
    USE_ANIMATION_STORAGE = false;
    ORIENTATION_SWAPPED = 0;
    SCREEN_WIDTH = FB_WIDTH = 800;
    SCREEN_HEIGHT = FB_HEIGHT = 480;
    giveBack(memory);
}

void TestHAL::frame()
{
    frameSignal();
    afterFrame();
    framesRun++;
    if (frameHook) {
        frameHook(*this);
    }
}

void TestHAL::frames(uint32_t count)
{
    for (uint32_t i = 0; i < count; i++) {
        frame();
    }
}

uint16_t TestHAL::pixel(int16_t x, int16_t y)
{
    return getClientFrameBuffer()[static_cast<int32_t>(y) * FB_WIDTH + x];
}

uint16_t TestHAL::shownPixel(int16_t x, int16_t y)
{
    return getOutputBuffer()[static_cast<int32_t>(y) * FB_WIDTH + x];
}

void TestHAL::fillBuffers(uint16_t color)
{
    std::fill(memory.begin() + GUARD_PIXELS, memory.end() - GUARD_PIXELS, color);
}

bool TestHAL::guardBandsIntact() const
{
    auto intact = [](std::vector<uint16_t>::const_iterator from) {
        return std::all_of(from, from + GUARD_PIXELS, [](uint16_t pixel) { return pixel == GUARD_PATTERN; });
    };
    return intact(memory.begin()) && intact(memory.end() - GUARD_PIXELS);
}

bool TestHAL::sampleKey(uint8_t& key)
{
    if (pendingKey == 0) {
        return false;
    }
    key = pendingKey;
    pendingKey = 0;
    return true;
}

void TestHAL::setTFTFrameBuffer(uint16_t* address)
{
    shown = address;
    swaps++;
}

void TestHAL::presentFrameArea(const Rectangle& area)
{
    presented.push_back(area);
    HAL::presentFrameArea(area);
}

uint16_t* TestHAL::acquireFrameBuffer()
{
    uint16_t* buffer = HAL::acquireFrameBuffer();
    return redirect != nullptr ? redirect : buffer;
}
} // namespace test
} // namespace quillon
