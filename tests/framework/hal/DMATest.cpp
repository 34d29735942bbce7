#include <gtest/gtest.h>
#include <quillon/hal/DMA.hpp>
#include <quillon/hal/NoDMA.hpp>

#include <string>
#include <vector>

using namespace quillon;

namespace
{
BlitOp record(uint32_t operation, uint16_t width = 1, uint8_t alpha = 255)
{
    BlitOp op;
    op.operation = operation;
    op.width = width;
    op.height = 1;
    op.alpha = alpha;
    return op;
}

// An engine that records what it is told to do and completes only when the test says so.
class RecordingDMA : public DMA_Interface
{
public:
    explicit RecordingDMA(uint32_t caps = 0x1FF) : DMA_Interface(ring), ring(records, CAPACITY), caps(caps) {}

    uint32_t getBlitCaps() override { return caps; }
    void emptyHook() override {}
    using DMA_Interface::execute;

    std::vector<std::string> calls;
    std::vector<uint16_t> widths; // of the records handed to the engine, in order

protected:
    void setupDataCopy(const BlitOp& op) override
    {
        calls.push_back("copy");
        widths.push_back(op.width);
    }
    void setupDataFill(const BlitOp& op) override
    {
        calls.push_back("fill");
        widths.push_back(op.width);
    }
    void enableAlpha(uint8_t alpha) override { calls.push_back("alpha " + std::to_string(alpha)); }
    void disableAlpha() override { calls.push_back("no alpha"); }
    void enableTransparentPixels(uint8_t alpha) override { calls.push_back("keyed " + std::to_string(alpha)); }

private:
    static const int32_t CAPACITY = 4;
    LockFreeDMA_Queue ring;
    BlitOp records[CAPACITY];
    uint32_t caps;
};

// The base front end, which cannot blend.
class PlainDMA : public DMA_Interface
{
public:
    PlainDMA() : DMA_Interface(ring), ring(records, 4) {}
    uint32_t getBlitCaps() override { return BlitCopy16Alpha; }
    void emptyHook() override {}
    using DMA_Interface::execute;

protected:
    void setupDataCopy(const BlitOp&) override {}
    void setupDataFill(const BlitOp&) override {}

private:
    LockFreeDMA_Queue ring;
    BlitOp records[4];
};

class ExposedNoDMA : public NoDMA
{
public:
    using NoDMA::setupDataCopy;
    using NoDMA::setupDataFill;
};
} // namespace

TEST(LockFreeDMA_Queue, HoldsOneRecordLessThanItsCapacity)
{
    BlitOp storage[4];
    LockFreeDMA_Queue queue(storage, 4);
    EXPECT_TRUE(queue.isEmpty());
    for (uint16_t i = 1; i <= 3; i++) {
        EXPECT_FALSE(queue.isFull());
        queue.pushCopyOf(record(BlitFill, i));
    }
    EXPECT_TRUE(queue.isFull());
    EXPECT_DEATH(queue.pushCopyOf(record(BlitFill)),
                 "\"LockFreeDMA_Queue overflow!\", file framework/source/quillon/hal/DMA, line");
}

TEST(LockFreeDMA_Queue, WrapsAroundAndKeepsOrder)
{
    BlitOp storage[3];
    LockFreeDMA_Queue queue(storage, 3);
    std::vector<uint16_t> popped;
    for (uint16_t width = 1; width <= 7; width++) { // head and tail pass the end twice
        queue.pushCopyOf(record(BlitCopy16, width));
        if (width % 2 == 0) {
            while (!queue.isEmpty()) {
                popped.push_back(queue.first().width);
                queue.pop();
            }
        }
    }
    popped.push_back(queue.first().width);
    queue.pop();
    EXPECT_EQ(popped, (std::vector<uint16_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(queue.isEmpty());
    EXPECT_DEATH(queue.pop(), "\"LockFreeDMA_Queue underflow!\", file framework/source/quillon/hal/DMA");
}

TEST(LockFreeDMA_Queue, RingOfOneIsFullWhileEmpty)
{
    BlitOp storage[1];
    LockFreeDMA_Queue queue(storage, 1);
    EXPECT_TRUE(queue.isEmpty());
    EXPECT_TRUE(queue.isFull());
}

TEST(NoDMA, SupportsNothingAndNeverQueues)
{
    ExposedNoDMA dma;
    EXPECT_EQ(dma.getBlitCaps(), 0u);
    EXPECT_TRUE(dma.isQueueEmpty());
    EXPECT_TRUE(dma.isQueueFull());
    dma.flush(); // returns at once
    EXPECT_DEATH(dma.setupDataCopy(record(BlitCopy16)),
                 "\"DMA operation not supported\", file framework/include/quillon/hal/NoDMA");
    EXPECT_DEATH(dma.setupDataFill(record(BlitFill)),
                 "\"DMA operation not supported\", file framework/include/quillon/hal/NoDMA");
}

// Waiting for room in a ring that nothing drains would hang the GUI task.
TEST(DMA_Interface, AddingToAFullRingWithNothingRunningAssertsInsteadOfHanging)
{
    NoDMA noEngine;
    EXPECT_DEATH(noEngine.addToQueue(record(BlitFill)), "DMA queue full and no transfer running");

    RecordingDMA held; // not allowed to start: the ring fills up
    for (int i = 0; i < 3; i++) {
        held.addToQueue(record(BlitFill));
    }
    EXPECT_TRUE(held.calls.empty());
    EXPECT_DEATH(held.addToQueue(record(BlitFill)), "DMA queue full and no transfer running");
}

TEST(DMA_Interface, ExecuteSetsUpTheEngineByOperation)
{
    struct Case { uint32_t operation; std::vector<std::string> calls; };
    const Case cases[] = {
        {BlitCopy16, {"no alpha", "copy"}},
        {BlitFill, {"no alpha", "fill"}},
        {BlitCopy16Alpha, {"alpha 77", "copy"}},
        {BlitFillAlpha, {"alpha 77", "fill"}},
        {BlitCopy16Keyed, {"keyed 77", "copy"}},
        {BlitCopy32, {"no alpha", "copy"}},
        {BlitCopy32Alpha, {"no alpha", "copy"}},
        {BlitGlyph4, {"no alpha", "copy"}},
        {BlitGlyph8, {"no alpha", "copy"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        RecordingDMA dma;
        dma.setAllowed(true);
        dma.addToQueue(record(c.operation, 1, 77));
        EXPECT_EQ(dma.calls, c.calls);
        EXPECT_TRUE(dma.isRunning());
    }
}

TEST(DMA_Interface, ExecuteRejectsAnythingButOneKnownBit)
{
    for (uint32_t operation : {0u, BlitCopy16 | BlitFill, 0x200u}) {
        SCOPED_TRACE(operation);
        RecordingDMA dma;
        dma.addToQueue(record(operation));
        EXPECT_DEATH(dma.execute(), "\"DMA::execute\\(\\) invalid BlitOp\", file framework/source/quillon/hal/DMA");
    }
}

TEST(DMA_Interface, BaseFrontEndCannotBlend)
{
    PlainDMA dma;
    dma.addToQueue(record(BlitCopy16Alpha, 1, 128));
    EXPECT_DEATH(dma.execute(), "DMA: Alpha-Blending not supported!");
}

TEST(DMA_Interface, RunsOneTransferAtATimeOnceAllowed)
{
    RecordingDMA dma;
    dma.addToQueue(record(BlitFill, 1));
    dma.addToQueue(record(BlitFill, 2));
    EXPECT_TRUE(dma.calls.empty()); // not allowed yet

    dma.setAllowed(true);
    dma.start();
    dma.addToQueue(record(BlitCopy16, 3)); // the engine is busy: only queued
    EXPECT_EQ(dma.widths, (std::vector<uint16_t>{1}));

    // Completion starts the next record at once, allowed or not.
    dma.setAllowed(false);
    dma.handleTransferComplete();
    dma.handleTransferComplete();
    EXPECT_EQ(dma.widths, (std::vector<uint16_t>{1, 2, 3}));
    dma.handleTransferComplete();
    EXPECT_TRUE(dma.isQueueEmpty());
    EXPECT_FALSE(dma.isRunning());

    dma.handleTransferComplete(); // idle and empty: pops nothing
    EXPECT_EQ(dma.widths.size(), 3u);
}
