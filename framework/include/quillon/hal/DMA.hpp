#ifndef QUILLON_HAL_DMA_HPP
#define QUILLON_HAL_DMA_HPP

#include <quillon/hal/BlitOp.hpp>

#include <atomic>
#include <cstdint>

namespace quillon
{
// A queue of blit records between the drawing code and a copy engine.
class DMA_Queue
{
public:
    virtual bool isEmpty() const = 0;
    virtual bool isFull() const = 0;
    virtual void pushCopyOf(const BlitOp& op) = 0;
    virtual ~DMA_Queue() {}
    virtual void pop() = 0;
    virtual const BlitOp& first() const = 0;
};

// Single-producer, single-consumer ring over a caller-owned array. One slot always
// stays free, so a ring of capacity N holds N - 1 records and a ring of 1 is always full.
class LockFreeDMA_Queue : public DMA_Queue
{
public:
    LockFreeDMA_Queue(BlitOp* elements, int32_t capacity);

    bool isEmpty() const override;
    bool isFull() const override;
    void pushCopyOf(const BlitOp& op) override;
    void pop() override;
    const BlitOp& first() const override;

private:
    int32_t freeSlots() const;

    BlitOp* elements;
    int32_t capacity;
    std::atomic<int32_t> head; // written by the producer only
    std::atomic<int32_t> tail; // written by the consumer only
};

// Front end of a copy engine: feeds queued records to the hardware one at a time.
class DMA_Interface
{
public:
    virtual uint32_t getBlitCaps() = 0;
    virtual void addToQueue(const BlitOp& op);
    virtual void flush();
    virtual void initialize();
    virtual void start();
    virtual void emptyHook() = 0;
    virtual ~DMA_Interface() {}

    void setAllowed(bool allow);
    bool isAllowed() const;
    bool isRunning() const;
    bool isQueueEmpty() const;
    bool isQueueFull() const;

    // Called from the engine's transfer-complete interrupt.
    virtual void handleTransferComplete();

protected:
    explicit DMA_Interface(DMA_Queue& queue);

    virtual void execute();
    virtual void afterEnqueue();
    virtual void setupDataCopy(const BlitOp& op) = 0;
    virtual void setupDataFill(const BlitOp& op) = 0;
    virtual void enableAlpha(uint8_t alpha);
    virtual void disableAlpha();
    virtual void enableTransparentPixels(uint8_t alpha);
    virtual void waitForFrameBuffer();

    DMA_Queue& queue;
    std::atomic<uint8_t> running;
    std::atomic<uint8_t> allowed;
};
} // namespace quillon

#endif
