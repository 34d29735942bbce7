#include "model/dpt/TableFixture.hpp"
#include "model/rpc/RPCCodingParameter.hpp"
#include "model/rpc/RPCDispatcher.hpp"

#include <cstring>
#include <vector>

using model::RPCCodingParameter;

namespace
{
std::vector<std::uint8_t> answer(std::uint8_t group, std::uint8_t number, std::uint16_t address, std::int16_t value)
{
    std::vector<std::uint8_t> bytes(model::RPC_RESPONSE_SIZE, 0);
    bytes[0] = group;
    bytes[1] = number;
    bytes[2] = address & 0xFF;
    bytes[3] = address >> 8;
    bytes[4] = static_cast<std::uint16_t>(value) & 0xFF;
    bytes[5] = static_cast<std::uint16_t>(value) >> 8;
    bytes[6] = 0xF6, bytes[7] = 0xFF; // minimum -10
    bytes[8] = 100, bytes[9] = 0;
    const float factor = 0.5f;
    std::memcpy(&bytes[10], &factor, 4);
    bytes[14] = 5, bytes[15] = 21; // next
    bytes[16] = 6, bytes[17] = 19; // previous
    return bytes;
}

class CodingParameter : public TableFixture
{
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        coding.activate();
    }
    void TearDown() override
    {
        coding.deactivate();
        TableFixture::TearDown();
    }
    void respond(const std::vector<std::uint8_t>& bytes)
    {
        model::RPCDispatcher::getInstance().route(model::RPC_GET, bytes.data());
    }
    // The data of the call frames sent, latest first.
    std::vector<std::vector<std::uint8_t>> sent()
    {
        std::vector<std::vector<std::uint8_t>> calls;
        for (const DeviceFrame& frame : takeFrames()) {
            const std::uint8_t length = linkFrameLength(frame, frame.used);
            calls.emplace_back(frame.bytes + 5, frame.bytes + 5 + length);
        }
        return calls;
    }

    RPCCodingParameter coding;
};
} // namespace

TEST(CodingParameterTable, HoldsEveryParameterOnce)
{
    EXPECT_EQ(model::findCodingParameter(0x27A0), 0u);
    EXPECT_EQ(model::findCodingParameter(0xCF28), model::CODING_PARAMETER_COUNT - 1);
    EXPECT_EQ(model::findCodingParameter(0x27AA), model::CODING_PARAMETER_COUNT);
    for (std::uint32_t row = 0; row < model::CODING_PARAMETER_COUNT; ++row) {
        EXPECT_EQ(model::findCodingParameter(model::codingParameter(row).address), row);
    }
}

TEST(CodingParameterTable, EachCircuitHasItsOwnRowsAndValueLists)
{
    struct Case
    {
        uint16_t address;
        uint32_t row;
        uint32_t kind;
        uint32_t valueList;
    };
    const Case cases[] = {
        {0x27A0, 0, model::CodingParameterRecord::CHOICE, 1},
        {0x37A0, 34, model::CodingParameterRecord::CHOICE, 49},
        {0x47A0, 68, model::CodingParameterRecord::CHOICE, 97},
        {0x37A6, 40, model::CodingParameterRecord::NUMERIC_SPECIAL, 53},
        {0x47E2, 90, model::CodingParameterRecord::NUMERIC_SPECIAL, 113},
        {0x47FB, 101, model::CodingParameterRecord::NUMERIC, 0},
        {0x5704, 102, model::CodingParameterRecord::NUMERIC, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        ASSERT_EQ(model::findCodingParameter(c.address), c.row);
        const model::CodingParameterRecord& record = model::codingParameter(c.row);
        EXPECT_EQ(record.kind, c.kind);
        EXPECT_EQ(record.valueList, c.valueList);
    }
    const model::CodingParameterRecord& correction = model::codingParameter(90);
    EXPECT_EQ(correction.offset, -50);
    EXPECT_FLOAT_EQ(correction.factor, 0.1f);
    EXPECT_EQ(model::codingParameter(40).unitText, model::codingParameter(6).unitText);
    EXPECT_EQ(model::codingValueList(113).count, 1u);
    EXPECT_EQ(model::codingValueList(113).pairs[0].value, 50u);
}

TEST_F(CodingParameter, NothingBeforeTheFirstAnswer)
{
    EXPECT_EQ(coding.getState(), RPCCodingParameter::NO_ANSWER);
    EXPECT_FALSE(coding.readNext());
    EXPECT_FALSE(coding.readPrevious());
    EXPECT_FALSE(coding.readAgain());
    EXPECT_FALSE(coding.writeValue(3));
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(coding.getValue(), 0);
    EXPECT_EQ(coding.getAddress(), 0);
    EXPECT_EQ(coding.getFactor(), 1.0f);
    EXPECT_FALSE(coding.hasRow());
    EXPECT_EQ(coding.getNameText(), 0xFFFF);
    EXPECT_EQ(coding.getRowFactor(), 1.0f);
}

TEST_F(CodingParameter, AnswerWithAKnownParameter)
{
    EXPECT_TRUE(coding.read(7, 4, 1, nullptr));
    EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{{7, 4, 1, 1}}));
    respond(answer(4, 1, 0x27A0, 1));
    EXPECT_EQ(coding.getState(), RPCCodingParameter::KNOWN_PARAMETER);
    EXPECT_TRUE(coding.hasRow());
    EXPECT_NE(coding.getNameText(), 0xFFFF);
    EXPECT_EQ(coding.getUnitText(), 0xFFFF);
    EXPECT_EQ(coding.getValue(), 1);
    EXPECT_EQ(coding.getMinimum(), -10);
    EXPECT_EQ(coding.getMaximum(), 100);
    EXPECT_EQ(coding.getFactor(), 0.5f);
    EXPECT_EQ(coding.getNumber(), 1);
    EXPECT_EQ(coding.getAddress(), 0x27A0);
    // A choice: the listed values have a text, others none.
    EXPECT_NE(coding.getCurrentValueText(), 0xFFFF);
    EXPECT_NE(coding.getValueText(2), 0xFFFF);
    EXPECT_EQ(coding.getValueText(3), 0xFFFF);

    respond(answer(4, 20, 0x37E2, 50)); // temperature correction of the second circuit
    EXPECT_EQ(coding.getOffset(), -50);
    EXPECT_FLOAT_EQ(coding.getRowFactor(), 0.1f);
    EXPECT_NE(coding.getValueText(50), 0xFFFF);
    respond(answer(4, 3, 0x27A3, 50)); // a number: no value texts
    EXPECT_EQ(coding.getValueText(50), 0xFFFF);
}

TEST_F(CodingParameter, AnswerWithAnUnknownAddress)
{
    respond(answer(3, 9, 0x1234, -7));
    EXPECT_EQ(coding.getState(), RPCCodingParameter::UNKNOWN_PARAMETER);
    EXPECT_FALSE(coding.hasRow());
    EXPECT_EQ(coding.getNameText(), 0xFFFF);
    EXPECT_EQ(coding.getUnitText(), 0xFFFF);
    EXPECT_EQ(coding.getOffset(), 0);
    EXPECT_EQ(coding.getCurrentValueText(), 0xFFFF);
    EXPECT_EQ(coding.getValue(), -7);
    EXPECT_EQ(coding.getAddress(), 0x1234);

    coding.reset();
    EXPECT_EQ(coding.getState(), RPCCodingParameter::NO_ANSWER);
    EXPECT_EQ(coding.getValue(), 0);
}

TEST_F(CodingParameter, StepsFromTheAnswer)
{
    struct Case { bool (RPCCodingParameter::*step)(); std::uint8_t storedGroup; std::vector<std::uint8_t> expected; };
    const Case cases[] = {
        {&RPCCodingParameter::readNext, 3, {7, 3, 21, 1}},
        {&RPCCodingParameter::readPrevious, 3, {7, 3, 19, 0xFF}},
        {&RPCCodingParameter::readAgain, 3, {7, 3, 2, 1}},
        // Under "all parameters", the answer's circuit groups 4, 5, 6 map to 11, 12, 13.
        {&RPCCodingParameter::readNext, 10, {7, 12, 21, 1}},
        {&RPCCodingParameter::readPrevious, 10, {7, 13, 19, 0xFF}},
        {&RPCCodingParameter::readAgain, 10, {7, 11, 2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        coding.read(7, c.storedGroup, 2, nullptr);
        sent();
        respond(answer(4, 2, 0x27A0, 0));
        EXPECT_TRUE((coding.*c.step)());
        EXPECT_EQ(sent(), std::vector<std::vector<std::uint8_t>>{c.expected});
        EXPECT_EQ(coding.mapGroup(9), c.storedGroup); // the stored group is back
    }
}

TEST_F(CodingParameter, GroupTexts)
{
    coding.read(0, 4, 0, nullptr);
    const std::uint16_t circuit1 = coding.getGroupText(); // from the stored group
    respond(answer(21, 1, 0x27A0, 0)); // 21 is group 4 modulo 17
    EXPECT_EQ(coding.getGroupText(), circuit1);
    respond(answer(7, 1, 0x27A0, 0)); // unnamed: the text of "unknown"
    const std::uint16_t unknown = coding.getGroupText();
    respond(answer(0, 1, 0x27A0, 0));
    EXPECT_EQ(coding.getGroupText(), unknown);
    EXPECT_NE(unknown, 0xFFFF);
}

TEST_F(CodingParameter, WriteValueSendsAPutAndReadsTheValueBack)
{
    coding.read(7, 10, 2, nullptr);
    sent();
    respond(answer(5, 2, 0x0100, 3)); // a table address the fixture knows
    EXPECT_TRUE(coding.writeValue(-300));
    EXPECT_EQ(coding.getValue(), -300);
    const std::vector<std::vector<std::uint8_t>> calls = sent();
    ASSERT_EQ(calls.size(), 1u);
    std::vector<std::uint8_t> expected = {7, 12, 2, 1, 0, 0, 0, 0};
    const std::uint16_t address = 0x0100;
    const std::int16_t value = -300;
    std::memcpy(&expected[4], &address, 2);
    std::memcpy(&expected[6], &value, 2);
    EXPECT_EQ(calls[0], expected);
    EXPECT_EQ(takeReads(), std::vector<std::uint16_t>{0x0100});

    respond(answer(5, 2, 0x7777, 3)); // not in the table: written, nothing to read back
    EXPECT_TRUE(coding.writeValue(1));
    EXPECT_EQ(sent().size(), 1u);
    EXPECT_TRUE(takeReads().empty());
}
