#ifndef QUILLON_TEST_TESTHAL_HPP
#define QUILLON_TEST_TESTHAL_HPP

#include <quillon/hal/HAL.hpp>

#include <cstdint>
#include <functional>
#include <vector>

namespace quillon
{
namespace test
{
// A HAL without a window: 800 x 480 RGB565 frame buffers in memory, keys typed by the test,
// and frames run by hand. Single buffering (the default) draws into and shows one buffer,
// so what a frame drew is at once readable with pixel(). The animation storage is always there.
class TestHAL : public HAL
{
public:
    enum class Buffering
    {
        Single,
        Double
    };

    TestHAL(DMA_Interface& dma, LCD& lcd, TouchController* touchController, Buffering buffering = Buffering::Single,
            uint16_t width = 800, uint16_t height = 480);
    ~TestHAL() override;

    // One frame as the host runs it: swap, tick (application tick, touch, keys, gestures,
    // drawing), end of frame, then the blit engine may run. The frame hook runs last.
    void frame();
    void frames(uint32_t count);
    // Runs after every frame(); pass an empty function to remove it.
    void setFrameHook(std::function<void(TestHAL&)> hook) { frameHook = hook; }
    uint32_t frameCount() const { return framesRun; }

    // The next frame's key sample returns it once; a second typeKey before that replaces it.
    void typeKey(uint8_t key) { pendingKey = key; }

    // The buffer drawing goes to, and the one shown (the same with single buffering).
    uint16_t pixel(int16_t x, int16_t y);
    uint16_t shownPixel(int16_t x, int16_t y);
    void fillBuffers(uint16_t color);
    uint16_t* frameBufferBlock() { return memory.data() + GUARD_PIXELS; }
    // The bands just before and after the buffers still hold their pattern: nothing drew
    // beyond the display's memory.
    bool guardBandsIntact() const;

    // Every area presented since the last clear, in order.
    const std::vector<Rectangle>& presentedAreas() const { return presented; }
    void clearPresentedAreas() { presented.clear(); }
    uint32_t bufferSwaps() const { return swaps; }
    bool isSwapPending() const { return swapPending; }
    bool isTouching() const { return touching; }

    // While set, drawing that acquires the frame buffer writes here instead.
    void redirectDrawing(uint16_t* buffer) { redirect = buffer; }

    void configureInterrupts() override {}
    void enableDMAInterrupt() override {}
    void disableDMAInterrupt() override {}
    void enableFrameInterrupt() override {}
    bool sampleKey(uint8_t& key) override;
    uint16_t* getOutputBuffer() override { return shown; }
    void setTFTFrameBuffer(uint16_t* address) override;
    void presentFrameArea(const Rectangle& area) override;
    uint16_t* acquireFrameBuffer() override;

private:
    static constexpr size_t GUARD_PIXELS = 4096;
    static constexpr uint16_t GUARD_PATTERN = 0xA55A;

    std::vector<uint16_t> memory; // guard band, buffers, guard band
    uint16_t* shown;
    uint16_t* redirect = nullptr;
    uint8_t pendingKey = 0;
    uint32_t framesRun = 0;
    uint32_t swaps = 0;
    std::vector<Rectangle> presented;
    std::function<void(TestHAL&)> frameHook;
};
} // namespace test
} // namespace quillon

#endif
