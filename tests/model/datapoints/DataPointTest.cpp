#include "model/dpt/TableFixture.hpp"
#include "model/filter/FakeProperties.hpp"
#include "helpers/DateTime.hpp"
#include "model/DataPoint.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/records/Records.hpp"

using model::DataChangedEvent;
using U8Point = model::DataPoint<unsigned char, DP_U8>;

namespace
{
int changeCallbacks = 0;
void countChange(std::uint32_t)
{
    ++changeCallbacks;
}

class DataPoints : public TableFixture
{
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        changeCallbacks = 0;
        dptSetChangeCallback(countChange);
    }

    static bool isWriteFrame(const DeviceFrame& frame) { return (frame.bytes[1] & 0x1F) == MSG_WRITE_REQUEST; }
};
} // namespace

TEST_F(DataPoints, SetWritesAndFlagsEvenWhenTheValueIsUnchanged)
{
    U8Point point(0);
    EXPECT_TRUE(point.setValue(5));
    EXPECT_TRUE(point.isChanged());
    EXPECT_EQ(point.getValue(), 5);
    EXPECT_FALSE(point.isChanged()); // a read clears it
    takeFrames();

    EXPECT_TRUE(point.setValue(5));
    const std::vector<DeviceFrame> frames = takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(isWriteFrame(frames[0]));
    EXPECT_EQ(table[0].countdown, 1);
    EXPECT_TRUE(point.isChanged());
    EXPECT_EQ(changeCallbacks, 1); // only the first set changed the table
}

TEST_F(DataPoints, LostWriteLeavesTheFlagButOperatorAssignStillReturnsThePoint)
{
    U8Point point(0);
    linkSetTxQueue(nullptr); // no room for the frame
    EXPECT_FALSE(point.setValue(9));
    EXPECT_FALSE(point.isChanged());
    U8Point& same = (point = 10);
    EXPECT_EQ(&same, &point);
    EXPECT_FALSE(point.isChanged());
    EXPECT_EQ(static_cast<unsigned char>(point), 10); // stored all the same
    linkSetTxQueue(txQueue);
}

TEST_F(DataPoints, ActivateThenDeactivateStillReadsOnce)
{
    U8Point point(0); // countdown 3, normal period 180
    EXPECT_TRUE(point.activate());
    EXPECT_TRUE(point.activate()); // twice is once
    EXPECT_TRUE(point.deactivate());
    dptPollTimerCallback(nullptr);
    std::vector<uint16_t> reads = takeReads();
    EXPECT_EQ(std::count(reads.begin(), reads.end(), 0x0100), 1);
    for (int pass = 0; pass < 5; ++pass) {
        dptPollTimerCallback(nullptr);
    }
    reads = takeReads();
    EXPECT_EQ(std::count(reads.begin(), reads.end(), 0x0100), 0); // back on the normal period
}

TEST_F(DataPoints, OutsideTheTable)
{
    U8Point point(DPT_TABLE_SIZE);
    EXPECT_FALSE(point.request());
    EXPECT_FALSE(point.refresh());
    EXPECT_FALSE(point.activate());
    EXPECT_FALSE(point.deactivate());
    EXPECT_FALSE(point.setValue(1));
    EXPECT_TRUE(takeFrames().empty());

    // A plain read that fails keeps the flag; a record read clears it first.
    point.setChanged();
    EXPECT_EQ(point.getValue(), 0);
    EXPECT_TRUE(point.isChanged());
    model::DataPoint<temperature_6, DP_TEMPERATURE_6> record(DPT_TABLE_SIZE);
    record.setChanged();
    const temperature_6 value = record.getValue();
    EXPECT_FALSE(record.isChanged());
    EXPECT_EQ(value.value(0), 0);
}

TEST_F(DataPoints, RequestQueuesAReadAtTheFront)
{
    U8Point point(5);
    U8Point first(0);
    EXPECT_TRUE(point.request());
    EXPECT_TRUE(first.refresh());
    const std::vector<uint16_t> reads = takeReads();
    ASSERT_GE(reads.size(), 2u);
    EXPECT_EQ(reads[0], 0x0100); // the latest request goes first
}

TEST_F(DataPoints, BoolReadsAnyNonZeroByteAsTrue)
{
    bytes[0] = 0x80;
    model::DataPoint<bool, DP_U8> flag(0);
    EXPECT_TRUE(flag.getValue());
    EXPECT_TRUE(flag.setValue(false));
    EXPECT_EQ(bytes[0], 0);
    EXPECT_FALSE(flag);
}

TEST_F(DataPoints, HandleEventTakesOnlyItsOwnIndex)
{
    CountingActions actions;
    U8Point point(4);
    EXPECT_FALSE(point.handleEvent(DataChangedEvent(0, 5)));
    EXPECT_FALSE(point.isChanged());
    EXPECT_TRUE(point.handleEvent(DataChangedEvent(0, 4))); // no actions set: still flagged
    EXPECT_TRUE(point.isChanged());

    point.setActions(&actions);
    EXPECT_FALSE(point.handleEvent(DataChangedEvent(0, 5)));
    EXPECT_EQ(actions.runs, 0);
    EXPECT_TRUE(point.handleEvent(DataChangedEvent(7, 4))); // the type is not examined
    EXPECT_EQ(actions.runs, 1);
}

TEST_F(DataPoints, MembersListThemselvesInTheirOwner)
{
    model::DefaultPropertyFilter group;
    U8Point first(2, &group, nullptr);
    model::DataPoint<unsigned int, DP_U32> second(3, &group, nullptr);
    ASSERT_EQ(group.count(), 2u);
    EXPECT_EQ(group.at(0), &first);
    EXPECT_EQ(group.at(1), &second);
    EXPECT_EQ(second.getKind(), 1u);
    EXPECT_EQ(second.getType(), DP_U32);
    EXPECT_EQ(second.getId(), 3u);
}

TEST_F(DataPoints, ScaledFloatsAndRecordsTravelWhole)
{
    model::DataPoint<float, DP_SCALED_U16> scaledPoint(1);
    EXPECT_TRUE(scaledPoint.setValue(47.0f));
    EXPECT_FLOAT_EQ(scaledPoint.getValue(), 47.0f);

    model::DataPoint<temperature_6, DP_TEMPERATURE_6> series(6);
    temperature_6 values{};
    values.bytes[0] = 0x2C; // 300 tenths, little-endian
    values.bytes[1] = 0x01;
    values.bytes[10] = 0xF6; // -10
    values.bytes[11] = 0xFF;
    EXPECT_TRUE(series.setValue(values));
    EXPECT_EQ(memcmp(&bytes[12], values.bytes, sizeof values.bytes), 0);
    const temperature_6 read = series.getValue();
    EXPECT_EQ(read.value(0), 300);
    EXPECT_EQ(read.value(5), -10);
}

TEST_F(DataPoints, DateTimeReadsAPoint)
{
    alignas(4) uint8_t stored[8] = {0x20, 0x16, 0x03, 0x07, 0x05, 0x14, 0x05, 0x09};
    table[14].type = DP_DATE_TIME;
    table[14].value = stored;
    model::DataPoint<date_time, DP_DATE_TIME> point(14);
    point.setChanged();
    const helpers::DateTime value(point);
    EXPECT_EQ(value, helpers::DateTime(2016, 3, 7, 14, 5, 9));
    EXPECT_FALSE(point.isChanged());
}

TEST(DataPointDeathTest, AMemberNeedsAnOwner)
{
    EXPECT_DEATH(U8Point(2, nullptr, nullptr), "Assertion failed: owner != nullptr && \"data point without owner\"");
}
