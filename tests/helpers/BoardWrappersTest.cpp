#include "helpers/BoardWrappers.hpp"

#include <gtest/gtest.h>

#include <ctime>

TEST(BoardWrappers, ClockReadsTheHostsLocalTime)
{
    helpers::DateTime clock(0u);
    const time_t before = time(nullptr);
    ASSERT_TRUE(helpers::readRtc(clock));
    const time_t after = time(nullptr);

    // The clock carries local time as if it were UTC: compare with the local calendar.
    std::tm local{};
    localtime_r(&before, &local);
    const helpers::DateTime expectedBefore(static_cast<uint16_t>(local.tm_year + 1900),
                                           static_cast<uint8_t>(local.tm_mon + 1), static_cast<uint8_t>(local.tm_mday),
                                           static_cast<uint8_t>(local.tm_hour), static_cast<uint8_t>(local.tm_min),
                                           static_cast<uint8_t>(local.tm_sec));
    EXPECT_GE(clock.getTimestamp(), expectedBefore.getTimestamp());
    EXPECT_LE(clock.getTimestamp(), expectedBefore.getTimestamp() + static_cast<uint32_t>(after - before) + 1);
    EXPECT_TRUE(clock.isValid());
}

TEST(BoardWrappers, PassOnTheBoardsAnswers)
{
    EXPECT_TRUE(helpers::writeRtc(helpers::DateTime(2016, 3, 7, 14, 5, 9)));
    EXPECT_EQ(helpers::getRtcErrorState(), 0u);
    EXPECT_TRUE(helpers::setBacklight(90));
    EXPECT_EQ(helpers::readMeasurement0(), 25000u);
    EXPECT_EQ(helpers::readMeasurement3(), 25000u);
    EXPECT_EQ(helpers::queryBoardStatus1(), 1u);
    EXPECT_EQ(helpers::queryBoardStatus2(), 0u);
    EXPECT_EQ(helpers::queryBoardStatus3(), 0u);

    // The board signals a clock refresh once every 1002 calls.
    int signals = 0;
    for (int call = 0; call < 2004; ++call) {
        signals += helpers::hasClockChanged() ? 1 : 0;
    }
    EXPECT_EQ(signals, 2);
}
