#include <gtest/gtest.h>
#include <quillon/common/Partition.hpp>

#include <new>

using namespace quillon;

namespace
{
struct Small
{
    char bytes[3];
};

struct Large
{
    double value;
    char tail[17]; // 32 bytes with padding
};

struct Counted
{
    static int destroyed;
    explicit Counted(int value) : value(value) {}
    ~Counted() { ++destroyed; }
    int value;
};
int Counted::destroyed = 0;

typedef meta::TypeList<Small, meta::TypeList<Large, meta::TypeList<Counted, meta::Nil> > > Mixed;
typedef Partition<Mixed, 1> OneSlot;
typedef Partition<Mixed, 3> ThreeSlots;
} // namespace

TEST(Partition, SlotIsExactlyTheLargestType)
{
    OneSlot one;
    Partition<meta::TypeList<Small, meta::Nil>, 2> onlySmall;
    EXPECT_EQ(one.element_size(), sizeof(Large));
    EXPECT_EQ(onlySmall.element_size(), sizeof(Small));
    EXPECT_EQ(one.capacity(), 1);

    ThreeSlots three;
    for (uint16_t i = 0; i < three.capacity(); ++i) {
        const uintptr_t address = reinterpret_cast<uintptr_t>(three.element(i));
        EXPECT_EQ(address, reinterpret_cast<uintptr_t>(three.element(0)) + i * sizeof(Large));
        EXPECT_EQ(address % alignof(Large), 0u);
    }
}

TEST(Partition, AllocateHandsOutSlotsInOrderUntilFull)
{
    ThreeSlots three;
    EXPECT_EQ(three.allocate(1), three.element(0));
    EXPECT_EQ(three.allocate(sizeof(Large)), three.element(1));
    EXPECT_EQ(three.allocationCount(), 2);
    EXPECT_EQ(three.indexOf(three.element(1)), 1);
    three.clear();
    EXPECT_EQ(three.allocationCount(), 0);
    EXPECT_EQ(three.allocate(1), three.element(0));
}

TEST(Partition, SecondAllocateInOneSlotAsserts)
{
    OneSlot one;
    one.allocate(4);
    EXPECT_DEATH(one.allocate(4), "Assertion failed: allocations < capacity\\(\\), "
                                  "file framework/source/common/AbstractPartition, line 35");
}

TEST(Partition, OversizedRequestAsserts)
{
    OneSlot one;
    EXPECT_NE(one.allocate(static_cast<uint16_t>(one.element_size())), nullptr);
    one.clear();
    const uint16_t tooLarge = static_cast<uint16_t>(one.element_size() + 1);
    EXPECT_DEATH(one.allocate(tooLarge), "Assertion failed: size <= element_size\\(\\), "
                                         "file framework/source/common/AbstractPartition, line 34");
    EXPECT_DEATH(one.allocateAt(0, tooLarge), "Assertion failed: size <= element_size\\(\\), "
                                              "file framework/source/common/AbstractPartition, line 41");
}

TEST(Partition, IndexOfChecksTheAddress)
{
    ThreeSlots three;
    EXPECT_DEATH(three.indexOf(three.element(0)), "Assertion failed: result < allocations, "
                                                  "file framework/source/common/AbstractPartition, line 17");
    three.allocate(1);
    three.allocate(1);
    EXPECT_EQ(three.indexOf(three.element(0)), 0);
    const uint8_t* inside = static_cast<const uint8_t*>(three.element(0)) + 3;
    EXPECT_DEATH(three.indexOf(inside), "Assertion failed: 0 == \\(.*\\) % element_size\\(\\) \\), "
                                        "file framework/source/common/AbstractPartition, line 18");
}

TEST(Partition, AtBuildsInPlaceWithoutCountingAndClearDestroysNothing)
{
    OneSlot one;
    Counted::destroyed = 0;
    Counted* counted = new (one.at<Counted>(0)) Counted(7);
    EXPECT_EQ(static_cast<void*>(counted), one.element(0));
    EXPECT_EQ(one.allocationCount(), 0);

    one.allocate(1);
    one.clear();
    EXPECT_EQ(counted->value, 7);
    EXPECT_EQ(Counted::destroyed, 0);
    counted->~Counted(); // the builder destroys in place
    EXPECT_EQ(Counted::destroyed, 1);
}
