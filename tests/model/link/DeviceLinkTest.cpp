#include "../dpt/TableFixture.hpp"

#include <algorithm>

namespace
{
std::vector<std::uint32_t> handledRows;
std::vector<std::uint8_t> handledData;

void recordCall(std::uint32_t row, const std::uint8_t* data)
{
    handledRows.push_back(row);
    handledData.assign(data, data + LINK_RESPONSE_BUFFER_SIZE);
}

DeviceFrame makeFrame(std::uint8_t service, std::uint8_t function, std::uint16_t address,
                      std::vector<std::uint8_t> data, int used = -1)
{
    DeviceFrame frame{};
    frame.bytes[0] = service;
    frame.bytes[1] = function;
    frame.bytes[2] = static_cast<std::uint8_t>(address >> 8);
    frame.bytes[3] = static_cast<std::uint8_t>(address);
    frame.bytes[4] = static_cast<std::uint8_t>(data.size());
    std::copy(data.begin(), data.end(), frame.bytes + 5);
    frame.used = static_cast<std::uint16_t>(used >= 0 ? used : 5 + static_cast<int>(data.size()));
    return frame;
}

class DeviceLink : public TableFixture
{
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        handledRows.clear();
        handledData.clear();
        linkSetResponseHandler(recordCall);
        linkSetPeerRequestHandler(nullptr);
    }

    void TearDown() override
    {
        linkSetResponseHandler(nullptr);
        linkSetPeerRequestHandler(nullptr);
        TableFixture::TearDown();
    }

    void fillTx(int frames)
    {
        DeviceFrame filler = makeFrame(0, 2, 0x0100, {0});
        for (int i = 0; i < frames; ++i) {
            ASSERT_EQ(linkSendBack(filler), 1);
        }
    }
};
} // namespace

TEST_F(DeviceLink, NeighbouringReadsMergeIntoOneFrame)
{
    ASSERT_EQ(linkQueueRead(0x1000), 1);
    ASSERT_EQ(linkQueueRead(0x0FFE), 1);
    ASSERT_EQ(linkQueueRead(0x1005), 1);
    linkTaskPass(0);
    const std::vector<DeviceFrame> frames = takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(linkClassify(frames[0], frames[0].used), MSG_READ_REQUEST);
    EXPECT_EQ(linkFrameAddress(frames[0], frames[0].used), 0x0FFE);
    EXPECT_EQ(linkFrameLength(frames[0], frames[0].used), 8);
    EXPECT_EQ(frames[0].used, 5);
    EXPECT_TRUE(takeReads().empty()) << "both neighbours were taken";
}

TEST_F(DeviceLink, MergeStaysWithinFiftyBytes)
{
    struct Case
    {
        std::uint16_t second;
        std::uint16_t address;
        std::uint8_t length;
        bool merged;
    };
    const Case cases[] = {
        {0x1031, 0x1000, 50, true},  // 0x31 + 1 = 50 bytes
        {0x1032, 0x1000, 1, false},  // 51 bytes: goes back to the queue
        {0x1000, 0x1000, 1, true},   // a duplicate vanishes
        {0x0FFE, 0x0FFE, 3, true},   // below: the frame starts earlier
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        ASSERT_EQ(linkQueueRead(0x1000), 1);
        ASSERT_EQ(linkQueueRead(c.second), 1);
        linkTaskPass(0);
        const std::vector<DeviceFrame> frames = takeFrames();
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(linkFrameAddress(frames[0], frames[0].used), c.address);
        EXPECT_EQ(linkFrameLength(frames[0], frames[0].used), c.length);
        const std::vector<std::uint16_t> rest = takeReads();
        EXPECT_EQ(rest.empty(), c.merged);
    }
}

TEST_F(DeviceLink, MergeWithALongerFirstEntryKeepsTheLargerLength)
{
    DeviceFrame frame{};
    frame.used = static_cast<std::uint16_t>(linkBuildHeader(MSG_READ_REQUEST, frame, 0x0700, 12));
    EXPECT_TRUE(linkMergeRead(frame, 0x0700, 1));
    EXPECT_EQ(frame.bytes[4], 12);
    EXPECT_TRUE(linkMergeRead(frame, 0x0702, 4));
    EXPECT_EQ(frame.bytes[4], 12);
    EXPECT_FALSE(linkMergeRead(frame, 0x06CF, 1)) << "0x31 + 12 = 61 bytes";
}

TEST_F(DeviceLink, NoReadWhileOnlyFourSlotsAreFree)
{
    fillTx(66);
    ASSERT_EQ(linkQueueRead(0x0100), 1);
    linkTaskPass(0);
    EXPECT_EQ(rtosQueueMessagesWaiting(txQueue), 66u);

    DeviceFrame frame;
    ASSERT_EQ(rtosQueueReceive(txQueue, &frame, RTOS_NO_WAIT, 0), RTOS_PASS);
    linkTaskPass(0);
    EXPECT_EQ(rtosQueueMessagesWaiting(txQueue), 66u) << "with five free the read goes out";
}

TEST_F(DeviceLink, ClassifiesByServiceAndFunction)
{
    struct Case
    {
        std::uint8_t service, function;
        std::uint16_t used;
        LinkMessageKind kind;
    };
    const Case cases[] = {
        {0, 1, 5, MSG_READ_REQUEST},   {1, 1, 6, MSG_READ_RESPONSE},   {0, 2, 6, MSG_WRITE_REQUEST},
        {1, 2, 5, MSG_WRITE_ACK},      {2, 2, 6, MSG_WRITE_UNCONFIRMED}, {3, 2, 5, MSG_WRITE_REFUSED},
        {3, 1, 5, MSG_READ_REFUSED},   {0, 7, 9, MSG_CALL_REQUEST},    {1, 7, 23, MSG_CALL_RESPONSE},
        {0x10, 1, 5, MSG_INVALID},     {0, 0xE1, 5, MSG_READ_REQUEST}, {2, 1, 5, MSG_INVALID},
        {2, 7, 5, MSG_INVALID},        {3, 7, 5, MSG_INVALID},         {4, 1, 5, MSG_INVALID},
        {0, 3, 5, MSG_INVALID},        {0, 1, 4, MSG_INVALID},         {0, 1, 64, MSG_READ_REQUEST},
        {0, 1, 65, MSG_INVALID},       {1, 1, 0xFFFF, MSG_INVALID},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        DeviceFrame frame = makeFrame(c.service, c.function, 0x0100, {});
        EXPECT_EQ(linkClassify(frame, c.used), c.kind);
    }
    DeviceFrame shortFrame = makeFrame(0, 1, 0x1234, {1, 2});
    EXPECT_EQ(linkFrameAddress(shortFrame, 4), 0);
    EXPECT_EQ(linkFrameLength(shortFrame, 4), 0);
    EXPECT_EQ(linkFrameAddress(shortFrame, 5), 0x1234);
}

TEST_F(DeviceLink, BuildsHeaders)
{
    DeviceFrame frame{};
    EXPECT_EQ(linkBuildHeader(MSG_READ_REFUSED, frame, 0xA2B3, 7), 5u);
    EXPECT_EQ(frame.bytes[0], 3);
    EXPECT_EQ(frame.bytes[1], 1);
    EXPECT_EQ(frame.bytes[2], 0xA2);
    EXPECT_EQ(frame.bytes[3], 0xB3);
    EXPECT_EQ(frame.bytes[4], 7);
    frame.bytes[4] = 99;
    EXPECT_EQ(linkBuildHeader(MSG_INVALID, frame, 0x0102, 7), 5u);
    EXPECT_EQ(frame.bytes[0], 0);
    EXPECT_EQ(frame.bytes[1], 0);
    EXPECT_EQ(frame.bytes[4], 99) << "only the address and zero codes";
    EXPECT_EQ(linkHeaderSize(), 5u);
}

TEST_F(DeviceLink, StoresReadResponsesEntryByEntry)
{
    // 0x0FFE, 0x0FFF (no entry: skipped), 0x1000, 0x1001..0x1004 (skipped), 0x1005
    linkHandleFrame(makeFrame(1, 1, 0x0FFE, {11, 99, 22, 99, 99, 99, 99, 33}), 13);
    EXPECT_EQ(bytes[24], 11);
    EXPECT_EQ(bytes[25], 22);
    EXPECT_EQ(bytes[26], 33);
    EXPECT_EQ(table[9].countdown, 180) << "each stored entry reloads its countdown";

    // Incomplete: used below 5 + length.
    linkHandleFrame(makeFrame(1, 1, 0x0FFE, {44, 0, 55}), 7);
    EXPECT_EQ(bytes[24], 11);

    // An entry that does not fit what remains ends the walk.
    linkHandleFrame(makeFrame(1, 1, 0x0400, {1, 2, 3}), 8);
    std::uint32_t value = 1;
    ASSERT_EQ(dptGet(3, &value), 1);
    EXPECT_EQ(value, 0u);
}

TEST_F(DeviceLink, AnswersDeviceWritesWithAckOrRefusal)
{
    linkHandleFrame(makeFrame(0, 2, 0x0101, {5}), 6);
    std::vector<DeviceFrame> frames = takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(linkClassify(frames[0], frames[0].used), MSG_WRITE_REFUSED);
    EXPECT_EQ(frames[0].used, 5);
    EXPECT_EQ(linkFrameAddress(frames[0], 5), 0x0101);
    EXPECT_EQ(linkFrameLength(frames[0], 5), 1);

    linkHandleFrame(makeFrame(0, 2, 0x0100, {5}), 6);
    frames = takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(linkClassify(frames[0], frames[0].used), MSG_WRITE_ACK);
    EXPECT_EQ(bytes[0], 5);

    linkHandleFrame(makeFrame(2, 2, 0x0100, {6}), 6);
    EXPECT_TRUE(takeFrames().empty()) << "an unconfirmed write gets no answer";
    EXPECT_EQ(bytes[0], 6);
}

TEST_F(DeviceLink, AnswersDeviceReadsFromTheTable)
{
    bytes[25] = 0x42;
    bytes[26] = 0x43;
    DeviceFrame request = makeFrame(0, 1, 0x1000, {}, 5);
    request.bytes[4] = 6;
    linkHandleFrame(request, 5);
    const std::vector<DeviceFrame> frames = takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    const DeviceFrame& answer = frames[0];
    EXPECT_EQ(linkClassify(answer, answer.used), MSG_READ_RESPONSE);
    EXPECT_EQ(answer.used, 11);
    EXPECT_EQ(linkFrameAddress(answer, answer.used), 0x1000);
    const std::uint8_t expected[] = {0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0x43};
    EXPECT_TRUE(std::equal(expected, expected + 6, answer.bytes + 5));

    request.bytes[2] = 0x01; // 0x0101: no entry there
    request.bytes[3] = 0x01;
    linkHandleFrame(request, 5);
    EXPECT_TRUE(takeFrames().empty());
}

TEST_F(DeviceLink, DeviceReadsThatDoNotFitAFrameAreNotAnswered)
{
    struct Case
    {
        std::uint16_t address;
        std::uint8_t length;
        bool answered;
    };
    const Case cases[] = {
        {0x0100, 59, true},
        {0x0100, 60, false},  // beyond the 59 data bytes
        {0x0100, 255, false},
        {0x06D0, 48, true},   // stops just before the 12-byte entry at 0x0700
        {0x06D0, 49, false},  // that entry would run to byte 65
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        DeviceFrame request = makeFrame(0, 1, c.address, {}, 5);
        request.bytes[4] = c.length;
        linkHandleFrame(request, 5);
        const std::vector<DeviceFrame> frames = takeFrames();
        ASSERT_EQ(frames.size(), c.answered ? 1u : 0u);
        if (c.answered) {
            EXPECT_EQ(frames[0].used, 5 + c.length);
        }
    }
}

TEST_F(DeviceLink, ReadRefusalStopsPolling)
{
    linkHandleFrame(makeFrame(3, 1, 0x0600, {}, 5), 5);
    EXPECT_EQ(table[5].currentPeriod, DPT_NEVER_POLLED);
}

TEST_F(DeviceLink, CallResponsesReachTheHandler)
{
    std::vector<std::uint8_t> data(18);
    for (int i = 0; i < 18; ++i) {
        data[i] = static_cast<std::uint8_t>(i + 1);
    }
    linkHandleFrame(makeFrame(1, 7, 0xA280, data), 23);
    ASSERT_EQ(handledRows, std::vector<std::uint32_t>{0});
    EXPECT_EQ(handledData[0], 1);
    EXPECT_EQ(handledData[17], 18);
    EXPECT_TRUE(std::all_of(handledData.begin() + 18, handledData.end(), [](std::uint8_t b) { return b == 0; }));

    handledRows.clear();
    linkHandleFrame(makeFrame(1, 7, 0xA280, std::vector<std::uint8_t>(17, 1)), 22);
    linkHandleFrame(makeFrame(1, 7, 0xA299, data), 23);
    EXPECT_TRUE(handledRows.empty()) << "short answers and unknown calls are dropped";
}

TEST_F(DeviceLink, LongActuatorResponseIsCutToTheBuffer)
{
    std::vector<std::uint8_t> data(59);
    for (int i = 0; i < 59; ++i) {
        data[i] = static_cast<std::uint8_t>(100 + i);
    }
    linkHandleFrame(makeFrame(1, 7, 0xA053, data), 64);
    ASSERT_EQ(handledRows, std::vector<std::uint32_t>{4});
    EXPECT_EQ(handledData[0], 100);
    EXPECT_EQ(handledData[35], 135);

    handledRows.clear();
    linkHandleFrame(makeFrame(1, 7, 0xA053, {7, 8}), 7);
    ASSERT_EQ(handledRows, std::vector<std::uint32_t>{4});
    EXPECT_EQ(handledData[1], 8);
    EXPECT_EQ(handledData[2], 0);
}

TEST_F(DeviceLink, CallRequestsFromTheDeviceNeedAHandler)
{
    linkHandleFrame(makeFrame(0, 7, 0xA280, {1, 2, 3, 4}), 9);
    EXPECT_TRUE(handledRows.empty()) << "no peer-request handler";
    linkSetPeerRequestHandler(recordCall);
    linkHandleFrame(makeFrame(0, 7, 0xA280, {1, 2, 3}), 8);
    EXPECT_TRUE(handledRows.empty()) << "shorter than the call's request";
    linkHandleFrame(makeFrame(0, 7, 0xA280, {1, 2, 3, 4}), 9);
    EXPECT_EQ(handledRows, std::vector<std::uint32_t>{0});
    EXPECT_EQ(handledData[3], 4);
}

TEST_F(DeviceLink, CallSendersBuildTheirFrames)
{
    struct Case
    {
        int result;
        std::uint16_t address;
        std::vector<std::uint8_t> data;
    };
    const std::uint8_t extra[58] = {9};
    const Case cases[] = {
        {linkCallGet(2, 9, 10, 1), 0xA280, {2, 9, 10, 1}},
        {linkCallPut(1, 2, 3, 0x1234, -2), 0xA281, {1, 2, 3, 1, 0x34, 0x12, 0xFE, 0xFF}},
        {linkCallFactorySettings(5), 0xA051, {5}},
        {linkCallFunctionCode(6), 0xA052, {6}},
        {linkCallFunctionCodeWithData(6, extra, 2), 0xA052, {6, 9, 0}},
        {linkCallActuator(), 0xA053, {}},
        {linkCallSubscriberCheck(7), 0xA010, {7}},
    };
    std::vector<DeviceFrame> frames = takeFrames();
    std::reverse(frames.begin(), frames.end()); // each went to the front
    ASSERT_EQ(frames.size(), sizeof(cases) / sizeof(cases[0]));
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const DeviceFrame& frame = frames[&c - cases];
        EXPECT_EQ(c.result, 1);
        EXPECT_EQ(linkClassify(frame, frame.used), MSG_CALL_REQUEST);
        EXPECT_EQ(linkFrameAddress(frame, frame.used), c.address);
        EXPECT_EQ(frame.used, 5 + c.data.size());
        EXPECT_TRUE(std::equal(c.data.begin(), c.data.end(), frame.bytes + 5));
    }
}

TEST_F(DeviceLink, CallsAndWritesThatDoNotFitAFrameAreRefused)
{
    const std::uint8_t data[64] = {};
    EXPECT_EQ(linkCallFunctionCodeWithData(1, data, 58), 1);
    EXPECT_EQ(linkCallFunctionCodeWithData(1, data, 59), 0);
    EXPECT_EQ(linkSendCall(0xA052, data, 59), 1);
    EXPECT_EQ(linkSendCall(0xA052, data, 60), 0);
    EXPECT_EQ(linkSendWrite(0x0100, data, 60), 0);
    EXPECT_EQ(takeFrames().size(), 2u);

    linkSetTxQueue(nullptr);
    EXPECT_EQ(linkCallActuator(), 0);
}

TEST_F(DeviceLink, CallTable)
{
    EXPECT_EQ(linkCallAddress(0), 0xA280);
    EXPECT_EQ(linkCallRequestLength(1), 8);
    EXPECT_EQ(linkCallResponseLength(0), 18);
    EXPECT_EQ(linkCallAddress(6), 0xA054);
    EXPECT_EQ(linkCallAddress(7), 0);
    EXPECT_EQ(linkCallResponseLength(7), 0);
    EXPECT_EQ(linkFindCall(0xA010), 5u);
    EXPECT_EQ(linkFindCall(0x1234), 7u);
    EXPECT_EQ(linkCall(7, nullptr), 0);
}
