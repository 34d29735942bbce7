#include "simulator/device/DeviceModel.hpp"

#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

// The device side stepped by hand: panel frames in, simulated seconds, read responses out.
namespace
{
struct Answer
{
    std::uint16_t address;
    std::uint8_t value; // the byte at the checked position
    bool operator==(const Answer& other) const { return address == other.address && value == other.value; }
};

std::ostream& operator<<(std::ostream& out, const Answer& a)
{
    return out << std::hex << "0x" << a.address << "=" << std::dec << int(a.value);
}

class DeviceModelTest : public ::testing::Test
{
protected:
    DeviceModelTest() : device(keep, this)
    {
        dptInit(dptStaticTable(), dptStaticTableSize(), dptStaticAddressOrder());
        device.start();
    }

    static void keep(void* self, const DeviceFrame& frame)
    {
        static_cast<DeviceModelTest*>(self)->frames.push_back(frame);
    }

    static DeviceFrame frameOf(LinkMessageKind kind, std::uint16_t address, std::initializer_list<std::uint8_t> data)
    {
        DeviceFrame frame{};
        const std::vector<std::uint8_t> bytes(data);
        linkBuildHeader(kind, frame, address, static_cast<std::uint8_t>(bytes.size()));
        frame.used = static_cast<std::uint16_t>(linkAppendData(frame, bytes.data(), static_cast<std::uint32_t>(bytes.size())));
        return frame;
    }

    static DeviceFrame readOf(std::uint16_t address, std::uint8_t length)
    {
        DeviceFrame frame{};
        frame.used = static_cast<std::uint16_t>(linkBuildHeader(MSG_READ_REQUEST, frame, address, length));
        return frame;
    }

    bool write(std::uint16_t address, std::uint8_t value)
    {
        return device.receive(frameOf(MSG_WRITE_REQUEST, address, {value}));
    }

    // Every answer since the last call: its address and the byte at position (for the solar
    // record the pump speed, else the value).
    std::vector<Answer> answers()
    {
        std::vector<Answer> out;
        for (const DeviceFrame& f : frames) {
            EXPECT_EQ(linkClassify(f, f.used), MSG_READ_RESPONSE);
            const std::uint16_t address = linkFrameAddress(f, f.used);
            EXPECT_EQ(linkFrameLength(f, f.used), dptValueSizeAt(address));
            out.push_back({address, f.bytes[LINK_HEADER_SIZE + (address == 0x6580 ? 1 : 0)]});
        }
        frames.clear();
        return out;
    }

    std::vector<DeviceFrame> frames;
    DeviceModel device;
};

using Answers = std::vector<Answer>;
} // namespace

TEST_F(DeviceModelTest, EachRowAnswersAsTheTableSays)
{
    // One step: a write (address, value; address 0: none), then seconds, then the answers.
    struct Step
    {
        std::uint16_t address;
        std::uint8_t value;
        std::uint32_t seconds;
        Answers expected;
    };
    const std::uint32_t programme = DeviceModel::PROGRAMME_LIMIT_SECONDS;
    const std::uint32_t testOperation = DeviceModel::TEST_OPERATION_LIMIT_SECONDS;
    const std::uint32_t flow = DeviceModel::FLOW_TEST_SECONDS;
    const Step steps[] = {
        // Filling runs until it times out, then reads 0.
        {0x572F, 2, programme - 1, {}},
        {0, 0, 1, {{0x572F, 0}}},
        // Venting stopped by the panel: nothing to report, and no late end.
        {0x572F, 1, 10, {}},
        {0x572F, 0, programme, {}},
        // Test operation: active at once; the flow test reads sufficient after its seconds.
        {0x74A7, 1, flow, {}}, // no test operation running: no flow test
        {0x7580, 1, 0, {{0x571F, 1}}},
        {0x74A7, 1, flow - 1, {}},
        {0, 0, 1, {{0x74A8, 1}}},
        {0x7580, 0, 0, {{0x571F, 0}, {0x74A8, 0}}},
        // Left on, it switches itself off after its limit.
        {0x7580, 1, testOperation - 1, {{0x571F, 1}}},
        {0, 0, 1, {{0x7580, 0}, {0x571F, 0}}},
        // The rescue update runs, then reports "up to date".
        {0xD0DA, 1, DeviceModel::LAN_UPDATE_SECONDS - 1, {{0xD0DA, DeviceModel::LAN_UPDATE_RUNNING}}},
        {0, 0, 1, {{0xD0DA, DeviceModel::LAN_UPDATE_DONE}}},
        // Kept values answer nothing by themselves.
        {0xFF01, 1, 60, {}},
        {0x74AA, 1, 60, {}},
        {0x5711, 7, 60, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(&step - steps);
        if (step.address != 0) {
            EXPECT_TRUE(write(step.address, step.value));
        }
        device.advance(step.seconds);
        EXPECT_EQ(answers(), step.expected);
    }
}

TEST_F(DeviceModelTest, ReadsOfItsAddressesGetWhatItHolds)
{
    write(0xFF01, 1);
    EXPECT_TRUE(device.receive(readOf(0xFF01, 1)));
    EXPECT_EQ(answers(), (Answers{{0xFF01, 1}}));
    // A read over neighbours answers each of its own addresses inside it.
    EXPECT_TRUE(device.receive(readOf(0x74A6, 3)));
    EXPECT_EQ(answers(), (Answers{{0x74A7, 0}, {0x74A8, 0}}));
}

TEST_F(DeviceModelTest, CalibrationRunsThePumpAtItsSpeedUntilSwitchedOff)
{
    write(0xCF06, 55);
    EXPECT_TRUE(device.receive(frameOf(MSG_CALL_REQUEST, 0xA052, {DeviceModel::CALIBRATION_CODE, 1})));
    EXPECT_EQ(answers(), (Answers{{0x6580, 55}}));
    device.advance(3600);
    EXPECT_EQ(answers(), Answers{});
    EXPECT_TRUE(device.receive(frameOf(MSG_CALL_REQUEST, 0xA052, {DeviceModel::CALIBRATION_CODE, 0})));
    EXPECT_EQ(answers(), (Answers{{0x6580, 0}}));
}

TEST_F(DeviceModelTest, LeavesEveryOtherFrameAlone)
{
    EXPECT_FALSE(write(0x0810, 1));
    EXPECT_FALSE(device.receive(readOf(0x0810, 4)));
    EXPECT_FALSE(device.receive(frameOf(MSG_CALL_REQUEST, 0xA280, {2, 9, 10, 1})));
    EXPECT_FALSE(device.receive(frameOf(MSG_CALL_REQUEST, 0xA052, {96, 1})));
    EXPECT_FALSE(device.receive(frameOf(MSG_READ_RESPONSE, 0x572F, {2})));
    device.advance(DeviceModel::TEST_OPERATION_LIMIT_SECONDS);
    EXPECT_TRUE(answers().empty());
}
