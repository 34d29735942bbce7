#ifndef QUILLON_COMMON_PARTITION_HPP
#define QUILLON_COMMON_PARTITION_HPP

#include <quillon/common/AbstractPartition.hpp>
#include <quillon/common/Meta.hpp>

#include <stdint.h>

namespace quillon
{
// N slots, each exactly as large as the largest type of the list and aligned for every type.
template <class ListOfTypes, uint16_t N>
class Partition : public AbstractPartition
{
public:
    static const uint32_t ELEMENT_SIZE = static_cast<uint32_t>(meta::LargestSize<ListOfTypes>::value);
    static const size_t ELEMENT_ALIGNMENT = meta::LargestAlignment<ListOfTypes>::value;

    // Slots follow each other without padding, so a second slot is only aligned when the
    // element size is a multiple of every listed type's alignment.
    static_assert(N <= 1 || ELEMENT_SIZE % ELEMENT_ALIGNMENT == 0,
                  "slots after the first would be misaligned");
    static_assert(N >= 1, "a partition needs at least one slot");

    uint16_t capacity() const override { return N; }
    uint32_t element_size() override { return ELEMENT_SIZE; }
    void* element(uint16_t index) override { return &storage[index * ELEMENT_SIZE]; }
    const void* element(uint16_t index) const override { return &storage[index * ELEMENT_SIZE]; }

private:
    alignas(ELEMENT_ALIGNMENT) uint8_t storage[N * ELEMENT_SIZE];
};
} // namespace quillon

#endif
