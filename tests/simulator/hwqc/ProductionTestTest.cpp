#include "simulator/hwqc/ProductionTest.hpp"

#include "helpers/BoardWrappers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

// A test station on a fake serial line: bytes go in through the receive handler, the task's
// passes run by hand (no scheduler), answers and drawing land in the fixture.
namespace
{
std::vector<std::uint8_t> answers;
std::vector<std::uint16_t> screen;
bool screenPresent = true;

void record(std::uint8_t byte)
{
    answers.push_back(byte);
}

std::uint16_t* frameBuffer()
{
    return screenPresent ? screen.data() : nullptr;
}

const HwqcLine fakeLine = {record, frameBuffer};
constexpr std::uint16_t SENTINEL = 0x1234;

class ProductionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hwqcSetLine(&fakeLine);
        hwqcInit();
        hwqcStart();
        while (hwqcTaskPass(0)) {
        }
        answers.clear();
        screen.assign(800 * 480, SENTINEL);
        screenPresent = true;
    }

    void TearDown() override { hwqcSetLine(nullptr); }

    // Sends the bytes and runs the task until it has nothing left; returns its answers.
    static std::vector<std::uint8_t> station(const std::vector<std::uint8_t>& bytes)
    {
        for (std::uint8_t byte : bytes) {
            hwqcReceiveByte(byte);
        }
        while (hwqcTaskPass(0)) {
        }
        std::vector<std::uint8_t> result = answers;
        answers.clear();
        return result;
    }

    static std::uint16_t pixel(int x, int y) { return screen[y * 800 + x]; }

    static std::vector<std::uint8_t> u32Bytes(std::uint32_t value)
    {
        return {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
    }

    static std::vector<std::uint8_t> frame(std::uint8_t command, std::vector<std::uint8_t> payload)
    {
        payload.insert(payload.begin(), {'>', command});
        return payload;
    }
};

TEST_F(ProductionTest, SetPixelWritesWhiteAtXPlusYTimes800)
{
    EXPECT_EQ(station({'>', 0x13, 0x0A, 0x00, 0x14, 0x00}), std::vector<std::uint8_t>{0});
    EXPECT_EQ(pixel(10, 20), 0xFFFF);
    EXPECT_EQ(std::count(screen.begin(), screen.end(), SENTINEL), 800 * 480 - 1);
}

TEST_F(ProductionTest, DrawingOffTheScreenOrWithoutFrameBufferDrawsNothingAndFails)
{
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool screenPresent;
    };
    const Case cases[] = {
        {"x = 800", {'>', 0x13, 0x20, 0x03, 0x00, 0x00}, true},
        {"y = 480", {'>', 0x13, 0x00, 0x00, 0xE0, 0x01}, true},
        {"x = 65535", {'>', 0x13, 0xFF, 0xFF, 0x00, 0x00}, true},
        {"pixel, no buffer", {'>', 0x13, 0x0A, 0x00, 0x14, 0x00}, false},
        {"fill, no buffer", {'>', 0x11, 0x00, 0xF8}, false},
        {"pattern, no buffer", {'>', 0x12, 0x01}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        screenPresent = c.screenPresent;
        EXPECT_EQ(station(c.bytes), std::vector<std::uint8_t>{1});
        EXPECT_EQ(std::count(screen.begin(), screen.end(), SENTINEL), 800 * 480);
    }
}

TEST_F(ProductionTest, FillAndPatternsCoverTheScreen)
{
    EXPECT_EQ(station({'>', 0x11, 0x1F, 0x00}), std::vector<std::uint8_t>{0});
    EXPECT_EQ(std::count(screen.begin(), screen.end(), 0x001F), 800 * 480);

    struct Case
    {
        std::uint8_t pattern;
        int cellWidth;
        int cellHeight;
        std::uint16_t second;
    };
    const Case cases[] = {{0, 10, 10, 0x07E0}, {1, 30, 30, 0x001F}, {7, 50, 20, 0x001F}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.pattern));
        EXPECT_EQ(station({'>', 0x12, c.pattern}), std::vector<std::uint8_t>{0});
        EXPECT_EQ(pixel(0, 0), 0xF800); // the top-left cell is red
        EXPECT_EQ(pixel(c.cellWidth - 1, c.cellHeight - 1), 0xF800);
        EXPECT_EQ(pixel(c.cellWidth, 0), c.second);
        EXPECT_EQ(pixel(0, c.cellHeight), c.second);
        EXPECT_EQ(pixel(c.cellWidth, c.cellHeight), 0xF800);
        EXPECT_EQ(pixel(799, 479), ((799 / c.cellWidth + 479 / c.cellHeight) % 2) ? c.second : 0xF800);
        EXPECT_EQ(std::count(screen.begin(), screen.end(), 0xF800) + std::count(screen.begin(), screen.end(), c.second),
                  800 * 480);
    }
}

TEST_F(ProductionTest, AnswersOfTheOtherCommands)
{
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::vector<std::uint8_t> answers;
    };
    const Case cases[] = {
        {"enquiry", {0x05}, {0}},
        {"0x40", {'>', 0x40}, {0}},
        {"0x41", {'>', 0x41}, {0}},
        {"brightness", {'>', 0x50, 80}, {0}},
        {"0x60", {'>', 0x60, 1, 2, 3, 4, 5}, {1}},
        {"0x61", {'>', 0x61, 1, 2, 3, 4}, {1}},
        {"measure: 25000 / 1000", {'>', 0x80}, {25}},
        {"unknown command", {'>', 0x99}, {}},
        {"stray byte", {0x42}, {}},
        {"two frames back to back", {'>', 0x40, '>', 0x60, 0, 0, 0, 0, 0}, {0, 1}},
        // ENQ inside a frame is payload: x = 5, y = 5.
        {"ENQ as payload", {'>', 0x13, 0x05, 0x00, 0x05, 0x00}, {0}},
        // A new '>' does not restart a frame: it is payload (x = 0x3E01, off the screen)
        // until the frame is complete; the ENQ after it is a frame of its own.
        {"interrupted frame", {'>', 0x13, 0x01, '>', 0x80, 0x00, 0x05}, {1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(station(c.bytes), c.answers);
    }
    EXPECT_EQ(pixel(5, 5), 0xFFFF);
}

TEST_F(ProductionTest, AFullQueueDropsFurtherCommands)
{
    for (int i = 0; i < 3; i++) {
        hwqcReceiveByte(0x05);
    }
    EXPECT_EQ(station({}), (std::vector<std::uint8_t>{0, 0}));
}

TEST_F(ProductionTest, VariantAcceptsOnlyItsOwnByte)
{
    EXPECT_EQ(hwqcVariant(), 5);
    EXPECT_EQ(station({'>', 0x62, 4}), std::vector<std::uint8_t>{0});
    EXPECT_EQ(hwqcVariant(), 4);
    // A 5 left in the buffer after the payload does not make 9 acceptable.
    station({'>', 0x60, 0, 5, 5, 5, 5});
    EXPECT_EQ(station({'>', 0x62, 9}), std::vector<std::uint8_t>{1});
    EXPECT_EQ(hwqcVariant(), 4);
    EXPECT_EQ(station({'>', 0x62, 5}), std::vector<std::uint8_t>{0});
    EXPECT_EQ(hwqcVariant(), 5);
}

TEST_F(ProductionTest, ClockCheckAllowsLessThanTwoSeconds)
{
    helpers::DateTime now;
    ASSERT_TRUE(helpers::readRtc(now));
    // One second ahead stays within two even if the clock ticks meanwhile; two behind never is.
    EXPECT_EQ(station(frame(0x71, u32Bytes(now.getTimestamp() + 1))), std::vector<std::uint8_t>{0});
    EXPECT_EQ(station(frame(0x71, u32Bytes(now.getTimestamp() - 2))), std::vector<std::uint8_t>{1});
    EXPECT_EQ(station(frame(0x71, u32Bytes(now.getTimestamp() + 3600))), std::vector<std::uint8_t>{1});
    EXPECT_EQ(station(frame(0x70, u32Bytes(now.getTimestamp()))), std::vector<std::uint8_t>{0});
}

TEST(ProductionTestStartUp, TheTriggerIsEnquiryAmongTheFirstThreeBytes)
{
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool requested;
    };
    const Case cases[] = {
        {"silent line", {}, false},
        {"enquiry first", {0x05}, true},
        {"enquiry third", {0x00, 0x11, 0x05}, true},
        {"enquiry fourth", {0x00, 0x11, 0x22, 0x05}, false},
        {"other bytes", {'>', 0x13}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hwqcInit();
        for (std::uint8_t byte : c.bytes) {
            hwqcReceiveByte(byte);
        }
        EXPECT_EQ(hwqcIsRequested(), c.requested);
    }
}
} // namespace
