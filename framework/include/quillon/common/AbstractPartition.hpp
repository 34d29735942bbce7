#ifndef QUILLON_COMMON_ABSTRACTPARTITION_HPP
#define QUILLON_COMMON_ABSTRACTPARTITION_HPP

#include <stdint.h>

namespace quillon
{
// A block of equal-sized raw slots for objects built in place. Destroying the partition
// destroys no element: the owner of an object in a slot destroys it in place.
class AbstractPartition
{
public:
    virtual ~AbstractPartition() {}

    // The next free slot.
    virtual void* allocate(uint16_t size);
    // Slot index; the count is not changed and the index is not checked.
    virtual void* allocateAt(uint16_t index, uint16_t size);
    virtual uint16_t allocationCount() const;
    // The slot index of an address handed out before.
    virtual uint16_t indexOf(const void* address);
    // Forgets the allocations; nothing is destroyed.
    virtual void clear();

    virtual uint16_t capacity() const = 0;
    virtual uint32_t element_size() = 0;
    virtual void* element(uint16_t index) = 0;
    virtual const void* element(uint16_t index) const = 0;

    // The slot viewed as a T, neither counted nor checked: the screen change builds its
    // objects here in place.
    template <class T>
    T* at(uint16_t index)
    {
        return static_cast<T*>(element(index));
    }

protected:
    AbstractPartition() : allocations(0) {}

private:
    uint16_t allocations;
};
} // namespace quillon

#endif
