#ifndef GUI_PAGEMANAGER_STACK_HPP
#define GUI_PAGEMANAGER_STACK_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// A last-in, first-out list over a fixed-capacity vector: index 0 is the bottom.
// Pushing onto a full stack is the vector's assertion; callers that may fill it ask isFull.
template <class T, uint16_t N>
class Stack
{
public:
    // Every slot starts as a default element, so no read ever meets an unset one.
    Stack()
    {
        for (uint16_t slot = 0; slot < N; ++slot) {
            elements.add(T());
        }
        elements.clear();
    }

    void push(const T& element) { elements.add(element); }

    bool pop(T& top)
    {
        const uint16_t count = elements.size();
        if (count == 0) {
            return false;
        }
        top = elements.removeAt(static_cast<uint16_t>(count - 1));
        return true;
    }

    bool peek(T& top) const
    {
        const uint16_t count = elements.size();
        if (count == 0) {
            return false;
        }
        top = elements[static_cast<uint16_t>(count - 1)];
        return true;
    }

    uint16_t size() const { return elements.size(); }
    bool isFull() const { return elements.size() == N; }

    // Unchecked, as the vector's index: callers keep it below size().
    const T& at(uint16_t index) const { return elements[index]; }

    void clear() { elements.clear(); }

private:
    quillon::Vector<T, N> elements;
};

#endif
