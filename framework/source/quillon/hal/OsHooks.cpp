#include <quillon/hal/OsHooks.hpp>

#include <mutex>

namespace quillon
{
namespace
{
// Serialises drawing into the frame buffer and the blit engine's access to it.
std::mutex& frameBufferLock()
{
    static std::mutex lock;
    return lock;
}
} // namespace

void OsHooks::initialize()
{
    frameBufferLock();
}

void OsHooks::acquireFrameBuffer()
{
    frameBufferLock().lock();
}

void OsHooks::releaseFrameBuffer()
{
    frameBufferLock().unlock();
}

void OsHooks::waitForFrameSignal()
{
}

void OsHooks::lockDMAQueue()
{
}

void OsHooks::signalDMAIdle()
{
}
} // namespace quillon
