#include <gtest/gtest.h>
#include <quillon/hal/DMA.hpp>
#include <quillon/hal/NoDMA.hpp>
#include <support/NullLCD.hpp>
#include <support/ScriptedTouchController.hpp>
#include <support/TestHAL.hpp>

#include <cstring>
#include <vector>

using namespace quillon;
using namespace quillon::test;

namespace
{
// An engine with every operation whose queue the test reads; it never starts a transfer.
class QueueingDMA : public DMA_Interface
{
public:
    explicit QueueingDMA(uint32_t caps) : DMA_Interface(ring), ring(records, 8), caps(caps) {}
    uint32_t getBlitCaps() override { return caps; }
    void emptyHook() override {}
    void start() override {}

    BlitOp take()
    {
        const BlitOp op = ring.first();
        ring.pop();
        return op;
    }
    bool isEmpty() const { return ring.isEmpty(); }

protected:
    void setupDataCopy(const BlitOp&) override {}
    void setupDataFill(const BlitOp&) override {}

private:
    LockFreeDMA_Queue ring;
    BlitOp records[8];
    uint32_t caps;
};

const uint32_t ALL_OPERATIONS = 0x1FF;
} // namespace

TEST(HAL, ConstructorSetsTheDisplayAndFrameBufferSizes)
{
    NoDMA dma;
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr);
    EXPECT_EQ(HAL::getInstance(), &hal);
    EXPECT_EQ(&HAL::lcd(), &lcd);
    EXPECT_EQ(HAL::SCREEN_WIDTH, 800);
    EXPECT_EQ(HAL::SCREEN_HEIGHT, 480);
    EXPECT_EQ(HAL::FB_WIDTH, 800);
    EXPECT_EQ(HAL::FB_HEIGHT, 480);
    EXPECT_EQ(HAL::ORIENTATION_SWAPPED, 0u);
}

TEST(HAL, FrameBuffersFollowEachOther)
{
    NoDMA dma;
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr, TestHAL::Buffering::Double);
    uint8_t* const start = reinterpret_cast<uint8_t*>(hal.frameBufferBlock());
    EXPECT_TRUE(HAL::USE_DUAL_BUFFERS);
    EXPECT_EQ(reinterpret_cast<uint8_t*>(hal.getClientFrameBuffer()) - start, 768000);
    EXPECT_EQ(reinterpret_cast<uint8_t*>(hal.getAnimationStorage()) - start, 1536000);

    struct Case { uint16_t depth; bool doubleBuffering; bool animation; long buffer1; long storage; };
    const Case cases[] = {
        {16, false, true, -1, 768000},
        {4, true, true, 192000, 384000}, // 480 rows of 400 bytes
        {1, true, false, 48000, -1},
        {16, false, false, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        hal.setFrameBufferStartAddress(start, c.depth, c.doubleBuffering, c.animation);
        hal.setTFTFrameBuffer(reinterpret_cast<uint16_t*>(start));
        uint8_t* const client = reinterpret_cast<uint8_t*>(hal.getClientFrameBuffer());
        EXPECT_EQ(c.buffer1 < 0 ? 0 : c.buffer1, client - start);
        EXPECT_EQ(c.storage, hal.getAnimationStorage() == nullptr
                                 ? -1
                                 : reinterpret_cast<uint8_t*>(hal.getAnimationStorage()) - start);
        EXPECT_EQ(HAL::USE_DUAL_BUFFERS, c.doubleBuffering);
        EXPECT_EQ(HAL::USE_ANIMATION_STORAGE, c.animation);
    }
    EXPECT_DEATH(hal.setFrameBufferStartAddress(start, 24, false, false),
                 "\"Unsupported bit depth\", file framework/include/quillon/hal/HAL, line");
}

TEST(HAL, ColorFromRGB)
{
    struct Case { uint8_t r, g, b; uint16_t expected; };
    const Case cases[] = {
        {255, 255, 255, 0xFFFF}, {255, 0, 0, 0xF800}, {0, 255, 0, 0x07E0}, {0, 0, 255, 0x001F},
        {7, 3, 7, 0x0000}, // below one step of each channel
        {0x80, 0x80, 0x80, 0x8410},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(colorFromRGB(c.r, c.g, c.b), c.expected);
    }
}

TEST(HAL, BlitRequestsChooseTheOperationAndAddressTheClientBuffer)
{
    QueueingDMA dma(ALL_OPERATIONS);
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr);
    const uint16_t source[4] = {};
    const uint32_t source32[4] = {};
    uint16_t* const buffer = hal.getClientFrameBuffer();

    hal.copyRect(source, 10, 20, 2, 2, 2, 255, false);
    hal.copyRect(source, 10, 20, 2, 2, 2, 255, true);
    hal.copyRect(source, 10, 20, 2, 2, 2, 128, true); // alpha wins over keying
    hal.blitCopyARGB8888(source32, 1, 2, 2, 2, 2, 255);
    hal.blitCopyARGB8888(source32, 1, 2, 2, 2, 2, 5);
    hal.blitCopyWithOperation(source, 3, 4, 2, 2, 2, 0x1234, 200, BlitGlyph4);
    hal.blitFill(0xF800, 5, 6, 7, 8, 255);
    const uint32_t expected[] = {BlitCopy16, BlitCopy16Keyed, BlitCopy16Alpha, BlitCopy32, BlitCopy32Alpha, BlitGlyph4,
                                 BlitFill};
    for (uint32_t operation : expected) {
        SCOPED_TRACE(operation);
        ASSERT_FALSE(dma.isEmpty());
        const BlitOp op = dma.take();
        EXPECT_EQ(op.operation, operation);
        EXPECT_EQ(op.destinationStride, 800);
        if (operation == BlitFill) {
            EXPECT_EQ(op.destination, buffer + 6 * 800 + 5);
            EXPECT_EQ(op.source, nullptr);
            EXPECT_EQ(op.sourceStride, 0);
            EXPECT_EQ(op.color, 0xF800);
            EXPECT_EQ(op.width, 7);
            EXPECT_EQ(op.height, 8);
        }
        if (operation == BlitCopy16) {
            EXPECT_EQ(op.destination, buffer + 20 * 800 + 10);
            EXPECT_EQ(op.source, source);
        }
        if (operation == BlitGlyph4) {
            EXPECT_EQ(op.color, 0x1234);
            EXPECT_EQ(op.alpha, 200);
        }
    }

    hal.blitFill(0, 0, 0, 0, 10, 128); // fills are not checked for emptiness
    EXPECT_EQ(dma.take().operation, BlitFillAlpha);

    hal.copyToAnimationStorage(Rectangle(4, 3, 10, 5));
    const BlitOp toStorage = dma.take();
    EXPECT_EQ(toStorage.operation, BlitCopy16);
    EXPECT_EQ(toStorage.source, hal.getOutputBuffer() + 3 * 800 + 4);
    EXPECT_EQ(toStorage.destination, hal.getAnimationStorage());
    EXPECT_EQ(toStorage.destinationStride, 10);
    EXPECT_EQ(toStorage.sourceStride, 800);
}

TEST(HAL, BlitRequestsAssertMisuse)
{
    QueueingDMA dma(BlitCopy16);
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr);
    const uint16_t source[4] = {};
    EXPECT_DEATH(hal.copyRect(source, 0, 0, 0, 2, 2, 255, false),
                 "\"Cannot blit empty rect\", file framework/source/quillon/hal/HAL");
    EXPECT_DEATH(hal.copyRect(source, 0, 0, 2, 2, 2, 128, false), "\"blit operation not supported\"");
    EXPECT_DEATH(hal.blitFill(0, 0, 0, 2, 2, 255), "\"blit operation not supported\"");
    HAL::USE_ANIMATION_STORAGE = false;
    EXPECT_DEATH(hal.copyToAnimationStorage(Rectangle(0, 0, 2, 2)),
                 "Animation storage required for this operation. See HAL::setFrameBufferStartAddress");
}

TEST(HAL, BlockCopyCopiesEveryAlignment)
{
    NoDMA dma;
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr);
    alignas(8) uint8_t source[64];
    for (int i = 0; i < 64; i++) {
        source[i] = static_cast<uint8_t>(i * 7 + 1);
    }
    for (int from = 0; from < 4; from++) {
        for (int to = 0; to < 4; to++) {
            for (uint32_t length = 0; length < 14; length++) {
                SCOPED_TRACE(std::to_string(from) + " " + std::to_string(to) + " " + std::to_string(length));
                alignas(8) uint8_t destination[64] = {};
                alignas(8) uint8_t expected[64] = {};
                std::memcpy(expected + to, source + from, length);
                EXPECT_TRUE(hal.blockCopy(destination + to, source + from, length));
                EXPECT_EQ(std::memcmp(destination, expected, sizeof(expected)), 0);
            }
        }
    }
}

// Scrolling a region within one buffer copies between overlapping blocks, in either direction.
TEST(HAL, BlockCopyOfOverlappingBlocksKeepsTheSource)
{
    NoDMA dma;
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr);
    for (int shift : {-6, -1, 1, 6}) {
        SCOPED_TRACE(shift);
        uint8_t bytes[40];
        for (int i = 0; i < 40; i++) {
            bytes[i] = static_cast<uint8_t>(i);
        }
        uint8_t expected[40];
        std::memcpy(expected, bytes, sizeof(bytes));
        std::memmove(expected + 10 + shift, expected + 10, 20);
        EXPECT_TRUE(hal.blockCopy(bytes + 10 + shift, bytes + 10, 20));
        EXPECT_EQ(std::memcmp(bytes, expected, sizeof(bytes)), 0);
    }
}

TEST(HAL, DrawnFrameIsShownAtTheNextFrameSignal)
{
    NoDMA dma;
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr, TestHAL::Buffering::Double);
    uint16_t* const first = hal.getClientFrameBuffer();

    hal.frame();
    EXPECT_FALSE(hal.isSwapPending()); // nothing presented, nothing to show

    hal.presentFrameArea(Rectangle(0, 0, 10, 10));
    hal.endFrame();
    EXPECT_TRUE(hal.isSwapPending());
    EXPECT_FALSE(hal.beginFrame()); // a frame waiting to be shown holds the next one back

    hal.frame();
    EXPECT_EQ(hal.bufferSwaps(), 1u);
    EXPECT_EQ(hal.getOutputBuffer(), first);
    EXPECT_NE(hal.getClientFrameBuffer(), first);
    EXPECT_FALSE(hal.isSwapPending());
}

namespace
{
class FakeLoadMeter : public LoadMeter
{
public:
    uint32_t cycles() override { return now; }
    void setBusy(bool) override {}
    uint32_t idleCycles() override { return idle; }
    void setIdleCycles(uint32_t cycles) override { idle = cycles; }

    uint32_t now = 1;
    uint32_t idle = 0;
};
} // namespace

TEST(HAL, LoadIsTheShareOfCyclesNotSpentIdle)
{
    struct Case { uint32_t idle; uint8_t load; };
    const Case cases[] = {{0, 100}, {150000000, 25}, {200000000, 0}, {1000000, 100}}; // over 200000000 cycles
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idle);
        NoDMA dma;
        NullLCD lcd;
        TestHAL hal(dma, lcd, nullptr);
        FakeLoadMeter meter;
        hal.setLoadMeter(&meter);
        hal.enableMCULoadCalculation(true);
        hal.frame(); // first reading: the start of the interval
        meter.now = 200000001;
        meter.idle = c.idle;
        hal.frame();
        EXPECT_EQ(hal.getMCULoad(), c.load);
        EXPECT_EQ(meter.idle, 0u);
    }
}
