#ifndef MODEL_FILTER_LISTENERLIST_HPP
#define MODEL_FILTER_LISTENERLIST_HPP

#include <stdint.h>

namespace model
{
// At most CAPACITY listeners, in the order added; the same one may be added twice.
template <typename Listener, uint32_t CAPACITY>
class ListenerList
{
public:
    ListenerList() : entries(), count(0) {}

    // False when full: the listener is not added.
    bool add(Listener* listener)
    {
        if (count >= CAPACITY) {
            return false;
        }
        entries[count++] = listener;
        return true;
    }

    // Every occurrence; the last entry takes the freed place and is looked at next, so the
    // order is not kept. True when one was removed.
    bool remove(Listener* listener)
    {
        bool removed = false;
        uint32_t position = 0;
        while (position < count) {
            if (entries[position] != listener) {
                ++position;
                continue;
            }
            entries[position] = entries[--count];
            entries[count] = nullptr;
            removed = true;
        }
        return removed;
    }

    uint32_t size() const { return count; }
    Listener* operator[](uint32_t position) const { return entries[position]; }

private:
    Listener* entries[CAPACITY];
    uint32_t count;
};
} // namespace model

#endif
