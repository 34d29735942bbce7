#include "simulator/board/Board.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

namespace
{
// Each test leaves the store unlocked, as the settings store does.
struct Unlock
{
    ~Unlock() { boardStorageUnlock(); }
};
} // namespace

TEST(BoardStorage, ReadsZerosOnlyWhileLocked)
{
    Unlock unlock;
    std::uint8_t page[64];
    std::memset(page, 0xAA, sizeof(page));
    boardStorageLock();
    EXPECT_EQ(boardStorageReadPage(59, page, 64), 1);
    for (std::uint8_t b : page) {
        ASSERT_EQ(b, 0);
    }

    std::memset(page, 0xAA, sizeof(page));
    boardStorageUnlock();
    EXPECT_EQ(boardStorageReadPage(59, page, 64), 0);
    EXPECT_EQ(page[0], 0) << "an unlocked read still copies";
    EXPECT_EQ(page[63], 0);
}

TEST(BoardStorage, RefusesPagesAndLengthsOutsideTheImage)
{
    Unlock unlock;
    std::uint8_t page[65];
    std::memset(page, 0xAA, sizeof(page));
    boardStorageLock();
    EXPECT_EQ(boardStorageReadPage(60, page, 64), 0);
    EXPECT_EQ(boardStorageReadPage(255, page, 1), 0);
    EXPECT_EQ(boardStorageReadPage(0, page, 65), 0);
    EXPECT_EQ(page[0], 0xAA) << "nothing copied";
}

TEST(BoardStorage, KeepsNoWrite)
{
    Unlock unlock;
    std::uint8_t data[64];
    std::memset(data, 0x5A, sizeof(data));
    EXPECT_EQ(boardStorageWritePage(3, data, 64), 0) << "unlocked";
    EXPECT_EQ(boardStorageErasePage(3), 0);
    boardStorageLock();
    EXPECT_EQ(boardStorageWritePage(3, data, 64), 1);
    EXPECT_EQ(boardStorageErasePage(3), 1);
    EXPECT_EQ(boardStorageReadPage(3, data, 64), 1);
    EXPECT_EQ(data[0], 0);
    EXPECT_EQ(data[63], 0);
}

TEST(BoardClock, ChangedOnEvery1002ndCall)
{
    // Bring the shared counter to a known state: the first true resets it.
    int guard = 0;
    while (!boardClockChanged() && ++guard < 2000) {
    }
    for (int call = 1; call <= 2004; ++call) {
        const bool expected = call == 1002 || call == 2004;
        ASSERT_EQ(boardClockChanged(), expected) << "call " << call;
    }
}

TEST(BoardClock, ReadsTheHostsLocalTime)
{
    std::uint16_t year = 0;
    std::uint8_t month = 0, day = 0, hour = 99, minute = 99, second = 99;
    EXPECT_EQ(boardReadClock(&year, &month, &day, &hour, &minute, &second), 1);
    EXPECT_GE(year, 2024);
    EXPECT_GE(month, 1);
    EXPECT_LE(month, 12);
    EXPECT_GE(day, 1);
    EXPECT_LE(day, 31);
    EXPECT_LE(hour, 23);
    EXPECT_LE(minute, 59);
    EXPECT_LE(second, 60);
    EXPECT_EQ(boardSetClock(2000, 1, 1, 0, 0, 0), 1);
    EXPECT_EQ(boardClockError(), 0);
}

TEST(BoardClock, HeldStandsStillUntilReleased)
{
    boardHoldClock(2026, 3, 14, 10, 20, 30);
    for (int call = 0; call < 1100; ++call) {
        ASSERT_FALSE(boardClockChanged()) << "call " << call;
    }
    EXPECT_EQ(boardSetClock(2000, 1, 1, 0, 0, 0), 1);
    std::uint16_t year = 0;
    std::uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    EXPECT_EQ(boardReadClock(&year, &month, &day, &hour, &minute, &second), 1);
    EXPECT_EQ(year, 2026);
    EXPECT_EQ(month, 3);
    EXPECT_EQ(day, 14);
    EXPECT_EQ(hour, 10);
    EXPECT_EQ(minute, 20);
    EXPECT_EQ(second, 30);
    boardReleaseClock();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(boardReadClock(&year, &month, &day, &hour, &minute, &second), 1);
    EXPECT_EQ(year, local.tm_year + 1900); // the host's again
}

TEST(BoardChecksum, CheckValues)
{
    const char* digits = "123456789";
    const std::uint8_t one = 0x01;
    EXPECT_EQ(boardCrc16(digits, 9), 0xBB3D);
    EXPECT_EQ(boardCrc16(&one, 1), 0xC0C1);
    EXPECT_EQ(boardCrc16(digits, 0), 0);
    EXPECT_EQ(boardCrc32(digits, 9), 0xCBF43926u);
    EXPECT_EQ(boardChecksum8(digits, 9), static_cast<std::uint8_t>(0x31 + 0x32 + 0x33 + 0x34 + 0x35 + 0x36 + 0x37 + 0x38 + 0x39));
}

TEST(BoardBuzzer, BeepRingsTheConsoleBell)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(boardBuzzerBeep(), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
}

TEST(BoardConstants, HostAnswers)
{
    EXPECT_EQ(boardReadMeasuredValue(0), 25000);
    EXPECT_EQ(boardReadMeasuredValue(3), 25000);
    EXPECT_EQ(boardGetFrameBuffer(), nullptr);
    EXPECT_EQ(boardQuery1(), 1);
    EXPECT_EQ(boardQuery2(), 0);
    EXPECT_EQ(boardSetBacklight(50), 1);
}
