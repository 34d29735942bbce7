#include <gtest/gtest.h>
#include <quillon/hal/Types.hpp>

#include "framework/PrintRectangle.hpp"

#include <cstring>
#include <vector>

using quillon::Rectangle;
using quillon::Vector;

TEST(Rectangle, Intersection)
{
    struct Case { Rectangle a, b, expected; bool intersects; };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 10, 10}, {5, 5, 5, 5}, true},
        {{0, 0, 10, 10}, {10, 0, 10, 10}, {0, 0, 0, 0}, false}, // touching is not meeting
        {{0, 0, 10, 10}, {0, 10, 10, 10}, {0, 0, 0, 0}, false},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, true},     // inside
        {{-5, -5, 10, 10}, {-10, 0, 8, 20}, {-5, 0, 3, 5}, true},
        {{0, 0, 0, 50}, {0, 0, 10, 10}, {0, 0, 0, 0}, false},   // an empty one meets nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(c.a.intersects(c.b), c.intersects);
        EXPECT_EQ(c.b.intersects(c.a), c.intersects);
        EXPECT_EQ(c.a & c.b, c.expected);
        Rectangle inPlace = c.a;
        inPlace &= c.b;
        EXPECT_EQ(inPlace, c.expected);
    }
    const Rectangle a(0, 0, 10, 10);
    (void)(a & Rectangle(5, 5, 10, 10));
    EXPECT_EQ(a, Rectangle(0, 0, 10, 10)); // & leaves its operand alone
}

TEST(Rectangle, ExpandToFit)
{
    struct Case { Rectangle start, other, expected; };
    const Case cases[] = {
        {{300, 200, 0, 0}, {10, 20, 30, 40}, {10, 20, 30, 40}},   // empty takes the other exactly
        {{-7, 99, 5, 0}, {10, 20, 30, 40}, {10, 20, 30, 40}},     // wherever the empty one was
        {{10, 20, 30, 40}, {0, 0, 0, 5}, {10, 20, 30, 40}},       // empty argument changes nothing
        {{0, 0, 10, 10}, {20, 5, 10, 10}, {0, 0, 30, 15}},
        {{20, 5, 10, 10}, {0, 0, 10, 10}, {0, 0, 30, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Rectangle r = c.start;
        r.expandToFit(c.other);
        EXPECT_EQ(r, c.expected);
    }
}

TEST(Rectangle, ContainsIncludesAndEdges)
{
    const Rectangle r(10, 20, 30, 40);
    EXPECT_EQ(r.right(), 40);
    EXPECT_EQ(r.bottom(), 60);
    EXPECT_TRUE(r.contains(10, 20));
    EXPECT_TRUE(r.contains(39, 59));
    EXPECT_FALSE(r.contains(40, 30)); // right edge is exclusive
    EXPECT_FALSE(r.contains(20, 60)); // bottom edge is exclusive
    EXPECT_FALSE(r.contains(9, 30));
    EXPECT_TRUE(r.includes(r));
    EXPECT_TRUE(r.includes(Rectangle(10, 20, 30, 39)));
    EXPECT_FALSE(r.includes(Rectangle(10, 20, 31, 40)));
    EXPECT_TRUE(Rectangle().isEmpty());

    const Rectangle thin(5, 5, 0, 50);
    EXPECT_TRUE(thin.isEmpty());
    for (int16_t y = 0; y < 60; ++y) {
        EXPECT_FALSE(thin.contains(5, y));
    }
    EXPECT_NE(r, Rectangle(10, 20, 30, 41));
}

TEST(Rectangle, EdgesWrapToSixteenBits)
{
    const Rectangle r(32000, 0, 1000, 10);
    EXPECT_EQ(r.right(), static_cast<int16_t>(33000 - 65536));
}

TEST(Abs, SixteenBitMagnitude)
{
    EXPECT_EQ(quillon::abs(static_cast<int16_t>(-5)), 5);
    EXPECT_EQ(quillon::abs(static_cast<int16_t>(5)), 5);
    EXPECT_EQ(quillon::abs(static_cast<int16_t>(0)), 0);
    EXPECT_EQ(quillon::abs(static_cast<int16_t>(-32767)), 32767);
    EXPECT_EQ(quillon::abs(static_cast<int16_t>(-32768)), -32768); // no positive counterpart
}

TEST(FillMemory, WritesExactlyCountBytes)
{
    uint8_t buffer[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    quillon::fillMemory(buffer + 1, 0xAB, 5);
    const uint8_t expected[8] = {1, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 1, 1};
    EXPECT_EQ(0, memcmp(buffer, expected, sizeof(buffer)));
    quillon::fillMemory(buffer, 0, 0);
    EXPECT_EQ(buffer[0], 1);
}

namespace
{
// Records the life of every slot: constructions, assignments and destructions.
struct Tracked
{
    static std::vector<int>* constructed;
    static std::vector<int>* destroyed;
    static int nextId;
    static int assignments;

    Tracked() : id(nextId++), value(0) { constructed->push_back(id); }
    ~Tracked() { destroyed->push_back(id); }
    Tracked& operator=(const Tracked& other)
    {
        value = other.value; // the slot keeps its identity
        ++assignments;
        return *this;
    }
    Tracked(const Tracked&) = delete;

    int id;
    int value;
};
std::vector<int>* Tracked::constructed = nullptr;
std::vector<int>* Tracked::destroyed = nullptr;
int Tracked::nextId = 0;
int Tracked::assignments = 0;

Vector<int, 8> vectorOf(std::initializer_list<int> values)
{
    Vector<int, 8> v;
    for (int value : values) {
        v.add(value);
    }
    return v;
}

std::vector<int> contents(const Vector<int, 8>& v)
{
    std::vector<int> result;
    for (uint16_t i = 0; i < v.size(); ++i) {
        result.push_back(v[i]);
    }
    return result;
}
} // namespace

// Element types that only default-construct, copy-assign and destroy are enough.
TEST(Vector, SlotsAreConstructedOnceAndDestroyedInReverse)
{
    std::vector<int> constructed;
    std::vector<int> destroyed;
    Tracked::constructed = &constructed;
    Tracked::destroyed = &destroyed;
    Tracked::nextId = 0;
    Tracked::assignments = 0;
    {
        Vector<Tracked, 4> v;
        EXPECT_EQ(constructed, (std::vector<int>{0, 1, 2, 3}));
        EXPECT_TRUE(v.isEmpty());
        EXPECT_EQ(v.capacity(), 4);

        Tracked element;
        element.value = 42;
        v.add(element);
        v.add(element);
        v.clear();
        v.add(element);
        EXPECT_EQ(v.size(), 1);
        EXPECT_EQ(v[0].value, 42);
        EXPECT_EQ(v[0].id, 0); // assigned into the slot, not rebuilt
        EXPECT_EQ(Tracked::assignments, 3);
        EXPECT_EQ(constructed.size(), 5u); // 4 slots and the local, nothing per add
        EXPECT_TRUE(destroyed.empty());   // clearing destroys nothing
    }
    // The local goes first (declared last), then the slots from the last to the first.
    EXPECT_EQ(destroyed, (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(Vector, AddingPastCapacityAsserts)
{
    Vector<int, 8> v = vectorOf({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_DEATH(v.add(9), "Assertion failed: _size < capacity && \"Vector capacity exceeded\", "
                           "file framework/include/quillon/hal/Types, line [0-9]+");
}

TEST(Vector, RemoveAt)
{
    Vector<int, 8> v = vectorOf({10, 20, 30, 40});
    EXPECT_EQ(v.removeAt(1), 20);
    EXPECT_EQ(contents(v), (std::vector<int>{10, 30, 40}));
    EXPECT_EQ(v.removeAt(2), 40); // the last one only shortens
    EXPECT_EQ(contents(v), (std::vector<int>{10, 30}));
}

// An index at or past the size, or past the capacity, is answered with a default element
// and leaves the vector alone; it never reads a stale slot or outside the array.
TEST(Vector, RemoveAtOutsideTheElementsChangesNothing)
{
    Vector<int, 8> v = vectorOf({10, 20, 30, 40, 50});
    v.clear();
    v.add(1);
    v.add(2);
    const uint16_t indexes[] = {2, 4, 7, 8, 100, 65535};
    for (uint16_t index : indexes) {
        SCOPED_TRACE(index);
        EXPECT_EQ(v.removeAt(index), 0); // slot 4 still holds 50 from before the clear
        EXPECT_EQ(contents(v), (std::vector<int>{1, 2}));
    }
}

TEST(Vector, RemoveTakesEveryEqualElementIncludingNeighbours)
{
    struct Case { std::vector<int> start; int removed; std::vector<int> expected; };
    const Case cases[] = {
        {{1, 2, 3}, 2, {1, 3}},
        {{1, 2, 2, 3}, 2, {1, 3}},          // adjacent duplicates
        {{2, 2, 2, 2}, 2, {}},
        {{2, 1, 2, 1, 2}, 2, {1, 1}},
        {{1, 3}, 2, {1, 3}},                // absent: unchanged
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Vector<int, 8> v;
        for (int value : c.start) {
            v.add(value);
        }
        v.remove(c.removed);
        EXPECT_EQ(contents(v), c.expected);
        EXPECT_FALSE(v.contains(c.removed));
    }
}

TEST(Vector, ContainsLooksOnlyAtStoredElements)
{
    Vector<int, 8> v = vectorOf({5, 6, 7});
    EXPECT_TRUE(v.contains(6));
    v.clear();
    EXPECT_FALSE(v.contains(6)); // still in the slot, but no longer an element
}

TEST(Vector, Reverse)
{
    struct Case { std::vector<int> start, expected; };
    const Case cases[] = {
        {{}, {}},
        {{1}, {1}},
        {{1, 2}, {2, 1}},
        {{1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Vector<int, 8> v;
        for (int value : c.start) {
            v.add(value);
        }
        v.reverse();
        EXPECT_EQ(contents(v), c.expected);
    }
}
