#ifndef QUILLON_HAL_OSHOOKS_HPP
#define QUILLON_HAL_OSHOOKS_HPP

namespace quillon
{
// The framework's operating-system hooks. On the host only the frame-buffer lock
// does anything; the other hooks exist for targets with real interrupts.
class OsHooks
{
public:
    static void initialize();
    static void acquireFrameBuffer();
    static void releaseFrameBuffer();
    static void waitForFrameSignal();
    static void lockDMAQueue();
    static void signalDMAIdle();
};
} // namespace quillon

#endif
