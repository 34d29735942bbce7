#include <quillon/Assert.hpp>
#include <quillon/hal/DMA.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/hal/OsHooks.hpp>

namespace quillon
{
LockFreeDMA_Queue::LockFreeDMA_Queue(BlitOp* elements_, int32_t capacity_)
    : elements(elements_), capacity(capacity_), head(0), tail(0)
{
}

bool LockFreeDMA_Queue::isEmpty() const
{
    return head.load() == tail.load();
}

int32_t LockFreeDMA_Queue::freeSlots() const
{
    int32_t free = tail.load() - head.load();
    if (free <= 0) {
        free += capacity;
    }
    return free;
}

bool LockFreeDMA_Queue::isFull() const
{
    return freeSlots() < 2;
}

void LockFreeDMA_Queue::pushCopyOf(const BlitOp& op)
{
    QUILLON_ASSERT(freeSlots() >= 2 && "LockFreeDMA_Queue overflow!");
    const int32_t index = head.load();
    elements[index] = op;
    int32_t next = index + 1;
    if (next >= capacity) {
        next -= capacity;
    }
    // Publish only after the record is in place: the consumer reads it once it sees head move.
    head.exchange(next);
}

void LockFreeDMA_Queue::pop()
{
    QUILLON_ASSERT(!isEmpty() && "LockFreeDMA_Queue underflow!");
    int32_t next = tail.load() + 1;
    if (next >= capacity) {
        next -= capacity;
    }
    tail.exchange(next);
}

const BlitOp& LockFreeDMA_Queue::first() const
{
    return elements[tail.load()];
}

DMA_Interface::DMA_Interface(DMA_Queue& queue_) : queue(queue_), running(0), allowed(0)
{
}

void DMA_Interface::addToQueue(const BlitOp& op)
{
    // Only a running transfer can make room. On a host without a transfer-complete
    // interrupt an idle engine with a full ring would spin here for ever.
    while (queue.isFull()) {
        QUILLON_ASSERT((running || !queue.isFull()) && "DMA queue full and no transfer running");
    }
    HAL* hal = HAL::getInstance();
    if (hal != nullptr) {
        hal->disableDMAInterrupt();
    }
    OsHooks::lockDMAQueue();
    queue.pushCopyOf(op);
    afterEnqueue();
    if (hal != nullptr) {
        hal->enableDMAInterrupt();
    }
}

void DMA_Interface::flush()
{
    waitForFrameBuffer();
}

void DMA_Interface::initialize()
{
}

void DMA_Interface::start()
{
    if (!queue.isEmpty() && allowed && !running) {
        execute();
    }
}

void DMA_Interface::setAllowed(bool allow)
{
    allowed = allow ? 1 : 0;
}

bool DMA_Interface::isAllowed() const
{
    return allowed != 0;
}

bool DMA_Interface::isRunning() const
{
    return running != 0;
}

bool DMA_Interface::isQueueEmpty() const
{
    return queue.isEmpty();
}

bool DMA_Interface::isQueueFull() const
{
    return queue.isFull();
}

void DMA_Interface::execute()
{
    running = 1;
    const BlitOp& op = queue.first();
    switch (op.operation) {
    case BlitCopy16Keyed:
        enableTransparentPixels(op.alpha);
        setupDataCopy(op);
        break;
    case BlitFill:
        disableAlpha();
        setupDataFill(op);
        break;
    case BlitCopy16Alpha:
        enableAlpha(op.alpha);
        setupDataCopy(op);
        break;
    case BlitFillAlpha:
        enableAlpha(op.alpha);
        setupDataFill(op);
        break;
    case BlitCopy16:
    case BlitCopy32:
    case BlitCopy32Alpha:
    case BlitGlyph4:
    case BlitGlyph8:
        disableAlpha();
        setupDataCopy(op);
        break;
    default:
        QUILLON_ASSERT(0 && "DMA::execute() invalid BlitOp");
    }
}

void DMA_Interface::handleTransferComplete()
{
    if (!queue.isEmpty() && running) {
        queue.pop();
        running = 0;
    }
    if (queue.isEmpty()) {
        OsHooks::signalDMAIdle();
    } else {
        execute();
    }
}

void DMA_Interface::afterEnqueue()
{
    start();
}

void DMA_Interface::enableAlpha(uint8_t)
{
    QUILLON_ASSERT(0 && "DMA: Alpha-Blending not supported!");
}

void DMA_Interface::disableAlpha()
{
}

void DMA_Interface::enableTransparentPixels(uint8_t)
{
}

void DMA_Interface::waitForFrameBuffer()
{
    OsHooks::acquireFrameBuffer();
    OsHooks::releaseFrameBuffer();
}
} // namespace quillon
