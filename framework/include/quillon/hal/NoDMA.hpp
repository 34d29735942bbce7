#ifndef QUILLON_HAL_NODMA_HPP
#define QUILLON_HAL_NODMA_HPP

#include <quillon/Assert.hpp>
#include <quillon/hal/DMA.hpp>

namespace quillon
{
// The blit engine of a board without a copy engine: it supports no operation, so the
// renderer draws everything in software and nothing is ever queued.
class NoDMA : public DMA_Interface
{
public:
    NoDMA() : DMA_Interface(ownQueue), ownQueue(records, 1) {}

    uint32_t getBlitCaps() override { return 0; }
    void flush() override {}
    void emptyHook() override {}

protected:
    void setupDataCopy(const BlitOp&) override
    {
        QUILLON_ASSERT(0 && "DMA operation not supported");
    }

    void setupDataFill(const BlitOp&) override
    {
        QUILLON_ASSERT(0 && "DMA operation not supported");
    }

private:
    LockFreeDMA_Queue ownQueue; // one record: always full, never pushed to
    BlitOp records[1];
};
} // namespace quillon

#endif
