#ifndef QUILLON_HAL_TYPES_HPP
#define QUILLON_HAL_TYPES_HPP

#include <quillon/Assert.hpp>

#include <stdint.h>

namespace quillon
{
// RGB565: red in bits 15-11, green in 10-5, blue in 4-0.
typedef uint16_t Color;
// A fill in this colour draws nothing, and keyed copies skip source pixels of it.
const Color TRANSPARENT_KEY_COLOR = 0xABCD;
// 255 is opaque, 0 draws nothing.
typedef uint8_t Alpha;
// One UTF-16 code unit; strings are 0-terminated arrays of it.
typedef uint16_t WideChar;

// Magnitude in 16 bits: -32768 has no positive counterpart and stays -32768.
inline int16_t abs(int16_t value)
{
    return value >= 0 ? value : static_cast<int16_t>(-value);
}

// Byte by byte, so it works on any alignment.
void fillMemory(void* start, uint8_t value, uint32_t count);

// Right and bottom edges are exclusive; all arithmetic wraps to 16 bits.
class Rectangle
{
public:
    Rectangle() : x(0), y(0), width(0), height(0) {}
    Rectangle(int16_t x, int16_t y, int16_t width, int16_t height)
        : x(x), y(y), width(width), height(height)
    {
    }

    int16_t right() const { return static_cast<int16_t>(x + width); }
    int16_t bottom() const { return static_cast<int16_t>(y + height); }

    bool isEmpty() const { return width == 0 || height == 0; }

    bool contains(int16_t px, int16_t py) const
    {
        return px >= x && px < right() && py >= y && py < bottom();
    }

    // Rectangles that only touch do not intersect.
    bool intersects(const Rectangle& other) const
    {
        return x < other.right() && right() > other.x && y < other.bottom() && bottom() > other.y;
    }

    bool includes(const Rectangle& other) const
    {
        return other.x >= x && other.y >= y && other.right() <= right() && other.bottom() <= bottom();
    }

    Rectangle& operator&=(const Rectangle& other)
    {
        if (!intersects(other)) {
            *this = Rectangle();
            return *this;
        }
        const int16_t newX = x > other.x ? x : other.x;
        const int16_t newY = y > other.y ? y : other.y;
        const int16_t newRight = right() < other.right() ? right() : other.right();
        const int16_t newBottom = bottom() < other.bottom() ? bottom() : other.bottom();
        *this = Rectangle(newX, newY, static_cast<int16_t>(newRight - newX), static_cast<int16_t>(newBottom - newY));
        return *this;
    }

    Rectangle operator&(const Rectangle& other) const
    {
        Rectangle result(*this);
        result &= other;
        return result;
    }

    // An empty rectangle contributes nothing, wherever it lies.
    void expandToFit(const Rectangle& other)
    {
        if (other.isEmpty()) {
            return;
        }
        if (isEmpty()) {
            *this = other;
            return;
        }
        const int16_t newX = x < other.x ? x : other.x;
        const int16_t newY = y < other.y ? y : other.y;
        const int16_t newRight = right() > other.right() ? right() : other.right();
        const int16_t newBottom = bottom() > other.bottom() ? bottom() : other.bottom();
        *this = Rectangle(newX, newY, static_cast<int16_t>(newRight - newX), static_cast<int16_t>(newBottom - newY));
    }

    bool operator==(const Rectangle& other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool operator!=(const Rectangle& other) const { return !(*this == other); }

    int16_t x;
    int16_t y;
    int16_t width;
    int16_t height;
};

// A fixed-capacity array. All N slots are constructed with the vector and destroyed with
// it (in reverse order); adding and removing only copy-assign, so an element's
// constructor and destructor run once per vector, never per add or remove.
template <class T, uint16_t N>
class Vector
{
public:
    Vector() : _size(0) {}

    void add(const T& element)
    {
        const uint16_t capacity = N;
        QUILLON_ASSERT(_size < capacity && "Vector capacity exceeded");
        elements[_size] = element;
        ++_size;
    }

    // Unchecked: callers keep the index below size().
    T& operator[](uint16_t index) { return elements[index]; }
    const T& operator[](uint16_t index) const { return elements[index]; }

    uint16_t size() const { return _size; }
    uint16_t capacity() const { return N; }
    bool isEmpty() const { return _size == 0; }

    // The slots keep their elements; only the count goes.
    void clear() { _size = 0; }

    // An index at or past the size (or past the capacity) returns a default element and
    // changes nothing, so a bad index never reads outside the array.
    T removeAt(uint16_t index)
    {
        if (index >= _size) {
            return T();
        }
        T removed = elements[index];
        shiftDownOver(index);
        return removed;
    }

    // Removes every element equal to the value, including adjacent duplicates.
    void remove(const T& element)
    {
        uint16_t index = 0;
        while (index < _size) {
            if (elements[index] == element) {
                shiftDownOver(index); // the next element now sits at the same index
            } else {
                ++index;
            }
        }
    }

    bool contains(const T& element) const
    {
        for (uint16_t index = 0; index < _size; ++index) {
            if (elements[index] == element) {
                return true;
            }
        }
        return false;
    }

    void reverse()
    {
        if (_size < 2) {
            return;
        }
        uint16_t low = 0;
        uint16_t high = static_cast<uint16_t>(_size - 1);
        while (low < high) {
            T swapped;
            swapped = elements[low];
            elements[low] = elements[high];
            elements[high] = swapped;
            ++low;
            --high;
        }
    }

private:
    void shiftDownOver(uint16_t index)
    {
        for (uint16_t next = static_cast<uint16_t>(index + 1); next < _size; ++next) {
            elements[next - 1] = elements[next];
        }
        --_size;
    }

    T elements[N];
    uint16_t _size;
};
} // namespace quillon

#endif
