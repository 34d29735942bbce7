#include "simulator/device/DeviceSimulator.hpp"

#include "model/dpt/DataPointTable.hpp"
#include "simulator/device/SeedTables.hpp"

#include <rtos/Rtos.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

// The scheduler is not running here: the simulator's steps are driven one by one and
// its queues read without waiting.
namespace
{
class DeviceSimulator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool started = false;
        if (!started) {
            simStart();
            started = true;
        }
        takeAnswers();
    }

    static std::vector<DeviceFrame> takeAnswers()
    {
        std::vector<DeviceFrame> frames;
        DeviceFrame frame;
        while (rtosQueueReceive(simGetDeviceToPanelQueue(), &frame, RTOS_NO_WAIT, 0) == RTOS_PASS) {
            frames.push_back(frame);
        }
        return frames;
    }

    static DeviceFrame frame(std::uint8_t service, std::uint8_t function, std::uint16_t address,
                             std::vector<std::uint8_t> data)
    {
        DeviceFrame f{};
        linkBuildHeader(MSG_READ_REQUEST, f, address, static_cast<std::uint8_t>(data.size()));
        f.bytes[0] = service;
        f.bytes[1] = function;
        f.used = static_cast<std::uint16_t>(linkAppendData(f, data.data(), static_cast<std::uint32_t>(data.size())));
        return f;
    }
};

std::int16_t value16(const DeviceFrame& f, int position)
{
    return static_cast<std::int16_t>(f.bytes[5 + 2 * position] | f.bytes[6 + 2 * position] << 8);
}
} // namespace

TEST_F(DeviceSimulator, AnswersCodingCallsFromItsCannedTable)
{
    struct Case
    {
        std::vector<std::uint8_t> request;
        std::uint8_t group, number;
        std::uint16_t address;
        std::int16_t value, minimum, maximum;
    };
    const Case cases[] = {
        {{2, 9, 10, 1}, 9, 10, 0xCF0A, 5, 0, 40},
        {{2, 1, 33, 1}, 1, 33, 0x5721, 82, 0, 100},
        {{2, 6, 198, 1}, 6, 198, 0x47C6, 74, 10, 127},
        {{2, 9, 10, 2}, 3, 0, 0x7700, 10, 0, 10}, // any other request: the last record
        {{7, 7, 7, 7}, 3, 0, 0x7700, 10, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        simAnswerFrame(frame(0, 7, 0xA280, c.request));
        const std::vector<DeviceFrame> answers = takeAnswers();
        ASSERT_EQ(answers.size(), 1u);
        const DeviceFrame& a = answers[0];
        EXPECT_EQ(linkClassify(a, a.used), MSG_CALL_RESPONSE);
        EXPECT_EQ(linkFrameAddress(a, a.used), 0xA280);
        EXPECT_EQ(a.used, 23);
        EXPECT_EQ(a.bytes[4], 18);
        EXPECT_EQ(a.bytes[5], c.group);
        EXPECT_EQ(a.bytes[6], c.number);
        EXPECT_EQ(a.bytes[7] | a.bytes[8] << 8, c.address);
        EXPECT_EQ(value16(a, 2), c.value);
        EXPECT_EQ(value16(a, 3), c.minimum);
        EXPECT_EQ(value16(a, 4), c.maximum);
    }
    float factor = 0.0f;
    std::memcpy(&factor, simCannedTable[4].response.bytes + 15, 4);
    EXPECT_EQ(factor, 100.0f);
}

TEST_F(DeviceSimulator, IgnoresEverythingElse)
{
    simAnswerFrame(frame(0, 1, 0x0810, {}));
    simAnswerFrame(frame(0, 2, 0x0810, {1, 2}));
    simAnswerFrame(frame(0, 7, 0xA281, {2, 9, 10, 1, 0, 0, 0, 0}));
    simAnswerFrame(frame(1, 7, 0xA280, {2, 9, 10, 1}));
    EXPECT_TRUE(takeAnswers().empty());
}

TEST_F(DeviceSimulator, TenPassesMakeOneBurst)
{
    for (int round = 0; round < 3; ++round) {
        int bursts = 0;
        for (int pass = 0; pass < 10; ++pass) {
            bursts += simAdvancePassCounter();
        }
        EXPECT_EQ(bursts, 1);
    }
}

TEST_F(DeviceSimulator, SyntheticFramesRiseAndFall)
{
    simBuildSyntheticFrames();
    const DeviceFrame& t21 = simSyntheticFrame(0);
    const DeviceFrame& t11 = simSyntheticFrame(1);
    EXPECT_EQ(linkFrameAddress(t21, t21.used), 0xE09E);
    EXPECT_EQ(t21.used, 47);
    EXPECT_EQ(linkClassify(t21, t21.used), MSG_READ_RESPONSE);
    for (int i = 0; i < 21; ++i) {
        ASSERT_EQ(value16(t21, i), 350 - 15 * i) << i;
    }
    EXPECT_EQ(linkFrameAddress(t11, t11.used), 0xE05A);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(value16(t11, i), 350 - 30 * i) << i;
    }
    EXPECT_EQ(value16(t11, 10), 200);
    const std::uint16_t addresses[] = {0xE098, 0xE099, 0xE09A, 0xE097};
    const std::uint8_t bytes[] = {70, 37, 10, 37};
    for (int i = 0; i < 4; ++i) {
        const DeviceFrame& single = simSyntheticFrame(2 + i);
        EXPECT_EQ(linkFrameAddress(single, single.used), addresses[i]);
        EXPECT_EQ(single.used, 6);
        EXPECT_EQ(single.bytes[5], bytes[i]);
    }

    // The swing climbs by 5 to 555, turns, falls to 95 and turns again.
    std::vector<int> firsts;
    int highestCharge = 0;
    for (int burst = 1; burst < 200; ++burst) {
        simBuildSyntheticFrames();
        firsts.push_back(value16(t21, 0));
        for (int i = 0; i < 4; ++i) {
            highestCharge = std::max<int>(highestCharge, simSyntheticFrame(2 + i).bytes[5]);
        }
    }
    // The single bytes are charge states: hot water reads full, never above it.
    EXPECT_EQ(highestCharge, 100);
    EXPECT_EQ(firsts[0], 355);
    int highest = 0;
    int lowest = 10000;
    for (int v : firsts) {
        highest = std::max(highest, v);
        lowest = std::min(lowest, v);
    }
    EXPECT_EQ(highest, 805);
    EXPECT_EQ(lowest, 345);
}

TEST_F(DeviceSimulator, SeedingFillsTheTableAndTheQueue)
{
    dptInit(dptStaticTable(), dptStaticTableSize());
    dptSetSenders(linkTableSenders());
    linkSetTxQueue(simGetPanelToDeviceQueue());
    simSeedTable();
    std::uint32_t gas = 0;
    ASSERT_EQ(dptGet(356, &gas), 1);
    EXPECT_EQ(gas, 75u);
    ASSERT_EQ(dptGet(27, &gas), 1);
    EXPECT_EQ(gas, 3121200u);
    float quality = 0.0f;
    ASSERT_EQ(dptGet(235, &quality), 1);
    EXPECT_EQ(quality, 0.9374f);
    std::uint8_t date[8];
    ASSERT_EQ(dptGet(186, date), 1);
    const std::uint8_t expected[] = {0x20, 0x19, 0x03, 0x28, 0x06, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(date, expected, 8), 0);
    EXPECT_EQ(rtosQueueMessagesWaiting(simGetPanelToDeviceQueue()), 70u) << "writes beyond 70 are dropped";

    DeviceFrame drained;
    while (rtosQueueReceive(simGetPanelToDeviceQueue(), &drained, RTOS_NO_WAIT, 0) == RTOS_PASS) {
    }
    linkSetTxQueue(nullptr);
}

TEST(SeedTables, HoldTheirRecords)
{
    unsigned total = 0;
    for (const SimSeedTable& table : simSeedTables) {
        total += table.count;
    }
    EXPECT_EQ(total, 618u);
    EXPECT_EQ(simSeedTables[0].count, 5);
    EXPECT_EQ(simSeedTables[1].count, 314);
    EXPECT_EQ(simSeedTables[5].valueSize, 48);
}

// The stratification chart reads its three series as depths from the cylinder's top: the
// red/pink boundary (954..) above the pink/purple one (985..) above the purple/blue one
// (591..). Seeded the other way round, a cold layer showed right under the hottest one.
TEST(SeedTables, StratificationDepthsGrowFromTheHottestBoundaryDown)
{
    const SimSeedTable& table = simSeedTables[5];
    ASSERT_EQ(table.valueSize, 48);
    const std::size_t recordSize = SIM_SEED_INDEX_SIZE + table.valueSize;
    auto find = [&](std::uint32_t index) -> const unsigned char* {
        for (std::size_t r = 0; r < table.count; ++r) {
            const unsigned char* record = table.records + r * recordSize;
            const std::uint32_t at = record[0] | record[1] << 8 | record[2] << 16 | std::uint32_t{record[3]} << 24;
            if (at == index) {
                return record + SIM_SEED_INDEX_SIZE;
            }
        }
        return nullptr;
    };
    for (std::uint32_t day = 0; day < 31; ++day) {
        const unsigned char* deepest = find(591 + day);
        const unsigned char* middle = find(985 + day);
        const unsigned char* highest = find(954 + day);
        ASSERT_TRUE(deepest != nullptr && middle != nullptr && highest != nullptr) << "day " << day;
        for (std::uint32_t slot = 0; slot < 48; ++slot) {
            EXPECT_GE(deepest[slot], middle[slot]) << "day " << day << " slot " << slot;
            EXPECT_GE(middle[slot], highest[slot]) << "day " << day << " slot " << slot;
        }
    }
}

// The device's start values tell one story: a circuit that only makes hot water (or stands
// by) does not report heating, and the LAN module names itself.
TEST_F(DeviceSimulator, StartValuesAgreeWithEachOther)
{
    dptInit(dptStaticTable(), dptStaticTableSize());
    dptSetSenders(linkTableSenders());
    linkSetTxQueue(simGetPanelToDeviceQueue());
    simSeedTable();
    const std::uint32_t programs[] = {82, 135, 188};
    const std::uint32_t infos[] = {87, 140, 193};
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        std::uint8_t program = 0;
        std::uint8_t info[22] = {};
        ASSERT_EQ(dptGet(programs[c], &program), 1);
        ASSERT_EQ(dptGet(infos[c], info), 1);
        const bool heats = info[1] == 1 || info[1] == 2; // reduced or standard heating
        EXPECT_FALSE(program < 2 && heats) << "program " << int(program) << " with status " << int(info[1]);
    }
    const std::uint32_t lanTexts[] = {645, 647, 648}; // serial number, manufacturing data, ID
    for (std::uint32_t index : lanTexts) {
        char value[16] = {};
        ASSERT_EQ(dptGet(index, value), 1);
        EXPECT_NE(value[0], 0) << "LAN text " << index << " is empty";
    }
    DeviceFrame drained;
    while (rtosQueueReceive(simGetPanelToDeviceQueue(), &drained, RTOS_NO_WAIT, 0) == RTOS_PASS) {
    }
    linkSetTxQueue(nullptr);
}
