#include "FrameBuffers.hpp"

#include <mutex>
#include <utility>

namespace quillon
{
namespace test
{
namespace
{
// Enough for two displays at once; more are freed as usual.
const size_t KEPT = 12;

std::mutex lock;

template <class T>
std::vector<std::vector<T>>& kept()
{
    static std::vector<std::vector<T>> buffers;
    return buffers;
}

template <class T>
std::vector<T> take(size_t size, T fill)
{
    std::vector<T> buffer;
    {
        std::lock_guard<std::mutex> guard(lock);
        std::vector<std::vector<T>>& buffers = kept<T>();
        for (size_t i = 0; i < buffers.size(); ++i) {
            if (buffers[i].capacity() >= size) {
                buffer = std::move(buffers[i]);
                buffers.erase(buffers.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            }
        }
    }
    buffer.assign(size, fill);
    return buffer;
}

template <class T>
void keep(std::vector<T>& buffer)
{
    std::lock_guard<std::mutex> guard(lock);
    std::vector<std::vector<T>>& buffers = kept<T>();
    if (buffers.size() < KEPT && buffer.capacity() > 0) {
        buffers.push_back(std::move(buffer));
    }
    buffer = std::vector<T>();
}
} // namespace

std::vector<uint16_t> takeBuffer16(size_t size, uint16_t fill) { return take<uint16_t>(size, fill); }
std::vector<uint32_t> takeBuffer32(size_t size, uint32_t fill) { return take<uint32_t>(size, fill); }
void giveBack(std::vector<uint16_t>& buffer) { keep(buffer); }
void giveBack(std::vector<uint32_t>& buffer) { keep(buffer); }
} // namespace test
} // namespace quillon
