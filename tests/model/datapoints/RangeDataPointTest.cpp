#include "model/dpt/TableFixture.hpp"
#include "model/RangeDataPoint.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/records/Records.hpp"

using model::DataChangedEvent;

namespace
{
class RangeDataPoints : public TableFixture
{
protected:
    model::DefaultPropertyFilter owner;
};
} // namespace

TEST_F(RangeDataPoints, FirstIndexAndIndexListForms)
{
    model::RangeDataPoint<unsigned int, DP_U32, 13> series(&owner, 356);
    for (uint32_t i = 0; i < series.getCount(); ++i) {
        EXPECT_EQ(series.getElementId(i), 356 + i);
    }
    model::RangeDataPoint<alarm_buffer, DP_ALARM_BUFFER, 10> faults(&owner, 287, 278, 279, 280, 281, 282, 283, 284,
                                                                     285, 286);
    EXPECT_EQ(faults.getElementId(0), 287u);
    EXPECT_EQ(faults.getElementId(1), 278u);
    EXPECT_EQ(faults.getElementId(9), 286u);
    EXPECT_EQ(faults.getKind(), 2u);
    EXPECT_EQ(faults.getId(), 0u); // the range itself has no entry

    ASSERT_EQ(owner.count(), 2u);
    EXPECT_EQ(owner.at(0), &series);
    for (uint32_t index = 278; index <= 287; ++index) {
        EXPECT_TRUE(owner.isIndexBitSet(index)) << index;
    }
    EXPECT_TRUE(owner.isIndexBitSet(368));
    EXPECT_FALSE(owner.isIndexBitSet(369));
}

TEST_F(RangeDataPoints, StaysChangedUntilEveryChangedElementWasRead)
{
    model::RangeDataPoint<unsigned char, DP_U8, 3> days(&owner, 9); // rows 9..11
    EXPECT_FALSE(days.isChanged());
    EXPECT_TRUE(owner.onDataChanged(DataChangedEvent(0, 9)));
    EXPECT_TRUE(owner.onDataChanged(DataChangedEvent(0, 11)));
    EXPECT_TRUE(days.isChanged());
    days[0].getValue();
    EXPECT_TRUE(days.isChanged());
    days.at(2).getValue();
    EXPECT_FALSE(days.isChanged());

    days.setChanged();
    EXPECT_TRUE(days.at(0).isChanged() && days.at(1).isChanged() && days.at(2).isChanged());
}

TEST_F(RangeDataPoints, AnIndexHeldTwiceMarksBothElements)
{
    model::RangeDataPoint<unsigned char, DP_U8, 3> circuits(&owner, 9, 10, 9);
    EXPECT_TRUE(circuits.handleEvent(DataChangedEvent(0, 9)));
    EXPECT_TRUE(circuits.at(0).isChanged());
    EXPECT_FALSE(circuits.at(1).isChanged());
    EXPECT_TRUE(circuits.at(2).isChanged());
    EXPECT_FALSE(circuits.handleEvent(DataChangedEvent(0, 12)));
}

TEST_F(RangeDataPoints, ActivateStopsAtTheFirstFailingElement)
{
    model::RangeDataPoint<unsigned char, DP_U8, 3> broken(&owner, 9, DPT_TABLE_SIZE, 10);
    EXPECT_FALSE(broken.activate());
    EXPECT_EQ(table[9].currentPeriod, table[9].fastPeriod);
    EXPECT_EQ(table[10].currentPeriod, table[10].normalPeriod); // never asked

    model::RangeDataPoint<unsigned char, DP_U8, 2> sound(&owner, 12);
    EXPECT_TRUE(sound.activate());
    EXPECT_EQ(table[13].currentPeriod, table[13].fastPeriod);
    EXPECT_TRUE(sound.deactivate());
    EXPECT_EQ(table[13].currentPeriod, table[13].normalPeriod);
    EXPECT_TRUE(sound.request());
    EXPECT_TRUE(sound.refresh());
    EXPECT_FALSE(broken.request());
}

TEST(RangeDataPointDeathTest, ARangeNeedsAnOwner)
{
    using Days = model::RangeDataPoint<unsigned char, DP_U8, 2>;
    EXPECT_DEATH(Days(nullptr, 9), "Assertion failed: owner != nullptr && \"range without owner\"");
}
