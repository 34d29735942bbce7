#include "model/dpt/DataPointTable.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <utility>
#include <vector>

// The compiled-in table as the generator wrote it; the generator itself refuses a source
// that breaks the table's rules, so these checks guard its output.
namespace
{
const DpTableEntry& row(std::uint32_t index)
{
    return dptStaticTable()[index];
}
} // namespace

TEST(StaticTable, SizeOrderAndTellingRows)
{
    ASSERT_EQ(dptStaticTableSize(), 1016);
    EXPECT_EQ(row(0).address, 0x00F7);
    EXPECT_EQ(row(951).address, 0xEF28);
    EXPECT_EQ(row(952).address, 0xFF01);
    EXPECT_EQ(row(953).address, 0xFF02);
    EXPECT_EQ(row(954).address, 0xF100);
    EXPECT_EQ(row(1015).address, 0xFC70);
    EXPECT_EQ(row(952).countdown, 0);
    EXPECT_EQ(row(30).normalPeriod, 60);
    EXPECT_EQ(row(30).fastPeriod, 5);
    EXPECT_EQ(row(221).type, DP_THERMAL_OUTPUT);
    EXPECT_EQ(row(221).normalPeriod, DPT_NEVER_POLLED);
    EXPECT_EQ(row(665).type, DP_TEMPERATURE_21);
    EXPECT_EQ(row(665).address, 0xE09E);
    EXPECT_EQ(row(654).type, DP_TEMPERATURE_11);
    for (std::uint32_t i = 0; i < 1016; ++i) {
        ASSERT_EQ(row(i).currentPeriod, row(i).normalPeriod) << i;
        if (i > 0 && i != 952 && i != 953 && i != 954) {
            ASSERT_GT(row(i).address, row(i - 1).address) << i;
        }
    }
}

TEST(StaticTable, PeriodClasses)
{
    std::map<std::pair<int, int>, int> counts;
    for (std::uint32_t i = 0; i < 1016; ++i) {
        ++counts[{row(i).normalPeriod, row(i).fastPeriod}];
    }
    EXPECT_EQ((counts[{1800, 30}]), 601);
    EXPECT_EQ((counts[{180, 20}]), 224);
    EXPECT_EQ((counts[{180, 5}]), 107);
    EXPECT_EQ((counts[{180, 30}]), 44);
    EXPECT_EQ((counts[{400, 30}]), 28);
    EXPECT_EQ((counts[{65535, 65535}]), 2);
}

TEST(StaticTable, InitialValues)
{
    const float* boiler = static_cast<const float*>(row(7).value);
    EXPECT_EQ(boiler[0], 47.0f);
    EXPECT_EQ(boiler[1], 0.1f);
    const std::uint8_t start[] = {0x30, 0xB0, 0xFF, 0xFF};
    EXPECT_EQ(std::memcmp(row(51).value, start, 4), 0);
    // Before the device answers: hot water "Automatic" in every circuit's time-program
    // type byte (the simulator never answers it), and a room setpoint of 20 °C.
    const std::uint32_t bytes[][2] = {{72, 0x01}, {125, 0x01}, {178, 0x01}, {76, 20}, {129, 20}, {182, 20}};
    for (const auto& entry : bytes) {
        EXPECT_EQ(*static_cast<const std::uint8_t*>(row(entry[0]).value), entry[1]) << entry[0];
    }
    int scaled = 0;
    for (std::uint32_t i = 0; i < 1016; ++i) {
        if (row(i).type >= DP_SCALED_U8 && row(i).type <= DP_SCALED_U32) {
            ++scaled;
            ASSERT_EQ(static_cast<const float*>(row(i).value)[1], 0.1f) << i;
        }
    }
    EXPECT_GT(scaled, 0);
}

TEST(StaticTable, AddressOrderFindsEveryRow)
{
    const DataPointId* order = dptStaticAddressOrder();
    std::vector<bool> seen(1016, false);
    for (std::uint32_t i = 0; i < 1016; ++i) {
        ASSERT_LT(order[i], 1016) << i;
        ASSERT_FALSE(seen[order[i]]) << "row " << order[i] << " twice";
        seen[order[i]] = true;
        if (i > 0) {
            ASSERT_LT(row(order[i - 1]).address, row(order[i]).address) << i;
        }
    }
    // 0xFF01 and 0xFF02 stand between the 0xEF28 and 0xF100 blocks but sort last.
    EXPECT_EQ(order[1014], 952);
    EXPECT_EQ(order[1015], 953);

    dptInit(dptStaticTable(), dptStaticTableSize(), order);
    for (std::uint32_t index = 0; index < 1016; ++index) {
        ASSERT_EQ(dptFindAddress(row(index).address), index);
    }
    EXPECT_EQ(dptFindAddress(0x00F6), DPT_TABLE_SIZE);
    EXPECT_EQ(dptFindAddress(0x9001), DPT_TABLE_SIZE); // inside a four-byte entry
    EXPECT_EQ(dptFindAddress(0xFF03), DPT_TABLE_SIZE);
    EXPECT_EQ(dptFindAddress(0xFFFF), DPT_TABLE_SIZE);
}
