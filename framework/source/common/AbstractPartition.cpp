#include <quillon/Assert.hpp>
#include <quillon/common/AbstractPartition.hpp>

#include <stdint.h>

namespace quillon
{
uint16_t AbstractPartition::allocationCount() const
{
    return allocations;
}

uint16_t AbstractPartition::indexOf(const void* address)
{
    const uintptr_t distance = static_cast<uintptr_t>(static_cast<const uint8_t*>(address) - static_cast<uint8_t*>(element(0)));
    const uint16_t result = static_cast<uint16_t>(distance / element_size());
    QUILLON_ASSERT(result < allocations);
    QUILLON_ASSERT(0 == (static_cast<uint16_t>((static_cast<const uint8_t*>(address) - static_cast<uint8_t*>(element(0)))) % element_size() ));
    return result;
}

void AbstractPartition::clear()
{
    allocations = 0;
}

// Slots are handed out in order and only clear gives them back; whoever built an object
// in a slot destroys it there.
void* AbstractPartition::allocate(uint16_t size)
{
    // A slot holds the largest listed type: a larger request means a type is missing
    // from the partition's list, and a second request in a full partition means an
    // object was not given back.
    QUILLON_ASSERT(size <= element_size());
    QUILLON_ASSERT(allocations < capacity());
    return element(allocations++);
}

void* AbstractPartition::allocateAt(uint16_t index, uint16_t size)
{
    QUILLON_ASSERT(size <= element_size());
    return element(index);
}
} // namespace quillon
