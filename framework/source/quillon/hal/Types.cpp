#include <quillon/hal/Types.hpp>

namespace quillon
{
void fillMemory(void* start, uint8_t value, uint32_t count)
{
    uint8_t* byte = static_cast<uint8_t*>(start);
    while (count > 0) {
        *byte++ = value;
        --count;
    }
}
} // namespace quillon
