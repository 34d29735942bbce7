#include "TableFixture.hpp"

#include <algorithm>
#include <cmath>

namespace
{
std::vector<std::uint32_t> changes;

void recordChange(std::uint32_t index)
{
    changes.push_back(index);
}

std::uint32_t raw32(const DeviceFrame& frame)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | frame.bytes[5 + i];
    }
    return value;
}

class DataPointTable : public TableFixture
{
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        changes.clear();
        dptSetChangeCallback(recordChange);
    }
};
} // namespace

TEST_F(DataPointTable, SetOfAnUnchangedValueWritesButDoesNotNotify)
{
    const std::uint8_t value = 0;
    EXPECT_EQ(dptSet(0, &value), 1);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(table[0].countdown, 1);

    const std::vector<DeviceFrame> frames = takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(linkClassify(frames[0], frames[0].used), MSG_WRITE_REQUEST);
    EXPECT_EQ(linkFrameAddress(frames[0], frames[0].used), 0x0100);
    EXPECT_EQ(frames[0].used, 6);
}

TEST_F(DataPointTable, SetOfAChangedValueNotifiesOnce)
{
    const std::uint32_t value = 123456;
    EXPECT_EQ(dptSet(3, &value), 1);
    EXPECT_EQ(changes, std::vector<std::uint32_t>{3});
    std::uint32_t back = 0;
    EXPECT_EQ(dptGet(3, &back), 1);
    EXPECT_EQ(back, 123456u);
    EXPECT_EQ(raw32(takeFrames().at(0)), 123456u);
}

TEST_F(DataPointTable, WriteGoesAheadOfWaitingReads)
{
    DeviceFrame read{};
    read.used = static_cast<std::uint16_t>(linkBuildHeader(MSG_READ_REQUEST, read, 0x0400, 4));
    ASSERT_EQ(linkSendBack(read), 1);
    const std::uint8_t value = 9;
    ASSERT_EQ(dptSet(0, &value), 1);
    const std::vector<DeviceFrame> frames = takeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(linkClassify(frames[0], frames[0].used), MSG_WRITE_REQUEST);
    EXPECT_EQ(linkClassify(frames[1], frames[1].used), MSG_READ_REQUEST);
}

TEST_F(DataPointTable, ScaledValuesTravelAsRaw)
{
    const float value = 47.0f;
    ASSERT_EQ(dptSet(1, &value), 1);
    const DeviceFrame frame = takeFrames().at(0);
    EXPECT_EQ(frame.bytes[4], 2);
    EXPECT_EQ(frame.bytes[5] | frame.bytes[6] << 8, 470);

    // An answer of raw 470 stores 47.0 and, being no change, calls nobody.
    changes.clear();
    const std::uint8_t answer[] = {470 & 0xFF, 470 >> 8};
    EXPECT_EQ(dptDecodeRaw(0x0200, answer, 2), 2u);
    EXPECT_TRUE(changes.empty());
    float back = 0.0f;
    ASSERT_EQ(dptGet(1, &back), 1);
    EXPECT_EQ(back, 47.0f);
    EXPECT_EQ(table[1].countdown, 180) << "an answer reloads the countdown";

    const std::uint8_t other[] = {471 & 0xFF, 471 >> 8};
    dptDecodeRaw(0x0200, other, 2);
    EXPECT_EQ(changes, std::vector<std::uint32_t>{1});
}

TEST_F(DataPointTable, FloatToRawRoundsHalvesAwayFromZeroAndClamps)
{
    struct Case
    {
        std::uint32_t index;
        float value;
        std::int64_t raw;
    };
    const Case cases[] = {
        {2, 0.05f, 1},
        {2, -0.05f, -1},
        {2, 47.0f, 470},
        {2, -3276.8f, -32768},
        {2, 5000.0f, 32767},       // beyond i16: clamped
        {2, -5000.0f, -32768},
        {1, 6553.5f, 65535},
        {1, 7000.0f, 65535},
        {1, -1.0f, 0},
        {7, 25.5f, 255},
        {7, 30.0f, 255},
        {7, -0.1f, 0},
        {8, 4.0e9f, 4294967295LL},
        {8, -1.0f, 0},
        {8, NAN, 0},
        {8, INFINITY, 4294967295LL},
        {0, 1.0f, 0},              // not a scaled entry
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(dptFloatToRaw(c.index, c.value), c.raw);
    }
}

TEST_F(DataPointTable, DecodesEveryRawWidth)
{
    const std::uint8_t minusOne[] = {0xFF, 0xFF};
    dptDecodeRaw(0x0300, minusOne, 2);
    const std::uint8_t big[] = {0xFF, 0xFF, 0xFF, 0xFF};
    dptDecodeRaw(0x0900, big, 4);
    const std::uint8_t byte[] = {200};
    dptDecodeRaw(0x0800, byte, 1);
    float value = 0.0f;
    ASSERT_EQ(dptGet(2, &value), 1);
    EXPECT_FLOAT_EQ(value, -0.1f);
    ASSERT_EQ(dptGet(8, &value), 1);
    EXPECT_FLOAT_EQ(value, 429496729.5f);
    ASSERT_EQ(dptGet(7, &value), 1);
    EXPECT_FLOAT_EQ(value, 20.0f);
}

TEST_F(DataPointTable, DecoderSkipsUnknownAddressesAndStopsShort)
{
    const std::uint8_t data[12] = {1, 2, 3};
    EXPECT_EQ(dptDecodeRaw(0x0101, data, 12), 1u);
    EXPECT_EQ(dptDecodeRaw(0x0700, data, 11), 0u) << "a temperature_6 needs 12 bytes";
    EXPECT_EQ(dptDecodeRaw(0x0700, data, 12), 12u);
}

TEST_F(DataPointTable, LookupsBeyondTheTable)
{
    std::uint8_t buffer[4] = {7, 7, 7, 7};
    EXPECT_EQ(dptFindAddress(0x0101), DPT_TABLE_SIZE);
    EXPECT_FALSE(dptHasAddress(0x0101));
    EXPECT_EQ(dptValueSizeAt(0x0101), 1u);
    EXPECT_EQ(dptValueSize(1016), 1u);
    EXPECT_EQ(dptGetType(1016), DP_INVALID);
    EXPECT_EQ(dptGetAddress(1016), 0);
    EXPECT_EQ(dptGet(1016, buffer), 0);
    EXPECT_EQ(buffer[0], 7) << "buffer untouched";
    EXPECT_EQ(dptSet(1016, buffer), 0);
    EXPECT_EQ(dptSetFastPolling(1016, 1), 0);
    EXPECT_EQ(dptRequestRead(1016), 0);
    EXPECT_TRUE(takeFrames().empty());

    std::uint8_t out[4] = {};
    EXPECT_EQ(dptEncodeRaw(0x0101, out), 1u);
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_EQ(dptTypeSize(36), 42u);
    EXPECT_EQ(dptTypeSize(38), 0u);
}

TEST_F(DataPointTable, PollPassQueuesEntriesWhoseCountdownRanOut)
{
    // Row 5 starts at 0: read on the first pass. Row 0 starts at 3: on the fourth.
    dptPollTimerCallback(nullptr);
    EXPECT_EQ(takeReads(), std::vector<std::uint16_t>{0x0600});
    EXPECT_EQ(table[5].countdown, 180);
    EXPECT_EQ(table[0].countdown, 2);

    table[0].countdown = 1; // as after a set: queued on the second pass
    dptPollTimerCallback(nullptr);
    EXPECT_TRUE(takeReads().empty());
    dptPollTimerCallback(nullptr);
    EXPECT_EQ(takeReads(), std::vector<std::uint16_t>{0x0100});
}

TEST_F(DataPointTable, FullRequestQueueKeepsTheReadDueWithoutWrapping)
{
    while (linkQueueRead(0x0FFE)) {
    }
    table[0].countdown = 0;
    for (int pass = 0; pass < 40000; ++pass) {
        dptPollTimerCallback(nullptr);
        ASSERT_LE(table[0].countdown, 0);
    }
    EXPECT_EQ(table[0].countdown, -1) << "stops at -1, never wraps to 32767";

    drainRequests();
    dptPollTimerCallback(nullptr);
    const std::vector<std::uint16_t> reads = takeReads();
    EXPECT_NE(std::find(reads.begin(), reads.end(), 0x0100), reads.end());
    EXPECT_EQ(table[0].countdown, 180);
}

TEST_F(DataPointTable, RefusedReadStopsPollingUntilFastPolling)
{
    dptStopPolling(0x0600);
    for (int pass = 0; pass < 5; ++pass) {
        dptPollTimerCallback(nullptr);
    }
    std::vector<std::uint16_t> reads = takeReads();
    EXPECT_EQ(std::find(reads.begin(), reads.end(), 0x0600), reads.end());

    EXPECT_EQ(dptSetFastPolling(5, 1), 1);
    EXPECT_EQ(table[5].currentPeriod, 5);
    EXPECT_EQ(table[5].countdown, 0);
    dptPollTimerCallback(nullptr);
    reads = takeReads();
    EXPECT_NE(std::find(reads.begin(), reads.end(), 0x0600), reads.end());
    EXPECT_EQ(table[5].countdown, 5);

    EXPECT_EQ(dptSetFastPolling(5, 0), 1);
    EXPECT_EQ(table[5].currentPeriod, 180);
    EXPECT_EQ(table[5].countdown, 5) << "the countdown runs on";
}

TEST_F(DataPointTable, NeverPolledEntryIsNeverQueuedButStillReadOnRequest)
{
    for (int pass = 0; pass < 200; ++pass) {
        dptPollTimerCallback(nullptr);
        const std::vector<std::uint16_t> reads = takeReads();
        ASSERT_EQ(std::find(reads.begin(), reads.end(), 0x0500), reads.end());
    }
    EXPECT_EQ(dptRequestRead(4), 1);
    EXPECT_EQ(takeReads(), std::vector<std::uint16_t>{0x0500});
}

TEST_F(DataPointTable, RequestReadGoesToTheFrontOfTheRequestQueue)
{
    ASSERT_EQ(linkQueueRead(0x0100), 1);
    ASSERT_EQ(dptRequestRead(3), 1);
    EXPECT_EQ(takeReads(), (std::vector<std::uint16_t>{0x0400, 0x0100}));
}

TEST_F(DataPointTable, SetWithoutRoomStoresAndNotifiesButReportsTheLostWrite)
{
    linkSetTxQueue(nullptr);
    const std::uint8_t value = 42;
    EXPECT_EQ(dptSet(0, &value), 0);
    EXPECT_EQ(changes, std::vector<std::uint32_t>{0});
    std::uint8_t back = 0;
    ASSERT_EQ(dptGet(0, &back), 1);
    EXPECT_EQ(back, 42);
}

TEST_F(DataPointTable, ResetPeriodsRestoresTheNormalPeriod)
{
    ASSERT_EQ(dptSetFastPolling(0, 1), 1);
    dptStopPolling(0x0400);
    dptResetPeriods();
    EXPECT_EQ(table[0].currentPeriod, 180);
    EXPECT_EQ(table[3].currentPeriod, 180);
}

TEST_F(DataPointTable, FindsRowsWhateverTheirOrderInTheTable)
{
    struct Case
    {
        std::uint16_t address;
        std::uint32_t index;
    };
    const Case cases[] = {
        {0x0100, 0}, {0x06D0, 14}, {0x0700, 6}, {0x0FFE, 9}, {0x1032, 13}, // 14 stands last, between 5 and 6
        {0x00FF, DPT_TABLE_SIZE}, {0x0101, DPT_TABLE_SIZE}, {0x1033, DPT_TABLE_SIZE}, {0xFFFF, DPT_TABLE_SIZE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(dptFindAddress(c.address), c.index);
    }
}

TEST_F(DataPointTable, AddressOrderOutOfOrderIsAProgrammersError)
{
    const DataPointId swapped[ROWS] = {1, 0, 2, 3, 4, 5, 14, 6, 7, 8, 9, 10, 11, 12, 13};
    EXPECT_DEATH(dptInit(table, ROWS, swapped), "address order broken");
    const DataPointId twice[ROWS] = {0, 0, 1, 2, 3, 4, 5, 14, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_DEATH(dptInit(table, ROWS, twice), "address order broken");
}

// Fast polling by count: the entry stays fast while any request is held.
TEST_F(DataPointTable, FastPollingIsHeldUntilEveryRequestIsReleased)
{
    DpTableEntry& entry = table[0]; // 180 / 20
    EXPECT_EQ(dptSetFastPolling(0, 0), 1) << "a release without a request";
    EXPECT_EQ(entry.currentPeriod, 180);

    ASSERT_EQ(dptSetFastPolling(0, 1), 1);
    ASSERT_EQ(dptSetFastPolling(0, 1), 1);
    EXPECT_EQ(entry.currentPeriod, 20);
    ASSERT_EQ(dptSetFastPolling(0, 0), 1);
    EXPECT_EQ(entry.currentPeriod, 20) << "one request still held";
    ASSERT_EQ(dptSetFastPolling(0, 0), 1);
    EXPECT_EQ(entry.currentPeriod, 180);
    ASSERT_EQ(dptSetFastPolling(0, 0), 1);
    ASSERT_EQ(dptSetFastPolling(0, 1), 1);
    EXPECT_EQ(entry.currentPeriod, 20) << "the extra release was not saved up";

    // A second request reads at once, also when the entry is fast already.
    entry.countdown = 15;
    ASSERT_EQ(dptSetFastPolling(0, 1), 1);
    dptPollTimerCallback(nullptr);
    const std::vector<std::uint16_t> reads = takeReads();
    EXPECT_NE(std::find(reads.begin(), reads.end(), 0x0100), reads.end());

    dptResetPeriods(); // forgets the two held requests
    EXPECT_EQ(entry.currentPeriod, 180);
    ASSERT_EQ(dptSetFastPolling(0, 1), 1);
    ASSERT_EQ(dptSetFastPolling(0, 0), 1);
    EXPECT_EQ(entry.currentPeriod, 180);
}

namespace
{
// The table's senders without any queue: what it asked for, and whether there was room.
struct SentLog
{
    std::vector<std::vector<std::uint8_t>> writes;
    std::vector<std::uint16_t> reads;
    std::vector<std::uint16_t> firstReads;
    int room = 1;
};
SentLog sent;

DptSenders loggingSenders()
{
    return {[](std::uint16_t address, const void* data, std::uint32_t n) {
                std::vector<std::uint8_t> write{static_cast<std::uint8_t>(address >> 8),
                                                static_cast<std::uint8_t>(address)};
                const std::uint8_t* bytes = static_cast<const std::uint8_t*>(data);
                write.insert(write.end(), bytes, bytes + n);
                sent.writes.push_back(write);
                return sent.room;
            },
            [](std::uint16_t address) {
                sent.reads.push_back(address);
                return sent.room;
            },
            [](std::uint16_t address) {
                sent.firstReads.push_back(address);
                return sent.room;
            }};
}
} // namespace

TEST(DataPointTableSenders, WritesAndReadsGoThroughTheSendersGivenAtStartUp)
{
    alignas(4) std::uint8_t bytes[8] = {};
    float scaled[2] = {0.0f, 0.1f};
    DpTableEntry rows[] = {
        {0x0200, DP_SCALED_S16, 180, 20, 180, 0, scaled},
        {0x0100, DP_U32, 180, 20, 180, 1, bytes},
    };
    dptInit(rows, 2);
    dptSetChangeCallback(nullptr);
    sent = SentLog{};
    dptSetSenders(loggingSenders());

    const float value = -47.0f;
    EXPECT_EQ(dptSet(0, &value), 1);
    const std::uint32_t count = 0x01020304;
    EXPECT_EQ(dptSet(1, &count), 1);
    const std::vector<std::vector<std::uint8_t>> writes = {{0x02, 0x00, 0x2A, 0xFE}, {0x01, 0x00, 4, 3, 2, 1}};
    EXPECT_EQ(sent.writes, writes) << "the scaled value as its raw -470";

    EXPECT_EQ(dptRequestRead(1), 1);
    EXPECT_EQ(sent.firstReads, std::vector<std::uint16_t>{0x0100});

    // Both countdowns were set to 1 by the writes: due on the second pass.
    dptPollTimerCallback(nullptr);
    EXPECT_TRUE(sent.reads.empty());
    sent.room = 0;
    dptPollTimerCallback(nullptr);
    EXPECT_EQ(sent.reads, (std::vector<std::uint16_t>{0x0200, 0x0100}));
    EXPECT_LE(rows[0].countdown, 0) << "refused: still due";
    sent.room = 1;
    dptPollTimerCallback(nullptr);
    EXPECT_EQ(rows[0].countdown, 180);
    EXPECT_EQ(dptSet(1, &count), 1);
    EXPECT_EQ(dptRequestRead(1), 1);

    // Without senders a write is lost (the value is stored all the same) and reads are refused.
    dptSetSenders({nullptr, nullptr, nullptr});
    const std::uint32_t other = 7;
    EXPECT_EQ(dptSet(1, &other), 0);
    std::uint32_t back = 0;
    ASSERT_EQ(dptGet(1, &back), 1);
    EXPECT_EQ(back, 7u);
    EXPECT_EQ(dptRequestRead(1), 0);
    rows[1].countdown = 0;
    dptPollTimerCallback(nullptr);
    EXPECT_LE(rows[1].countdown, 0);
    dptSetSenders(linkTableSenders());
}
