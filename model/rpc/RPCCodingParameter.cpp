#include "model/rpc/RPCCodingParameter.hpp"

#include "model/dpt/DataPointTable.hpp"

#include <string.h>

namespace model
{
RPCCodingParameter::RPCCodingParameter()
    : RPCGetProperty(), state(NO_ANSWER), answer(response), put(), row(CODING_PARAMETER_COUNT)
{
}

bool RPCCodingParameter::onResponse(const uint8_t* buffer)
{
    if (!RPCGetProperty::onResponse(buffer)) {
        return false;
    }
    evaluateAnswer();
    return true;
}

void RPCCodingParameter::evaluateAnswer()
{
    row = findCodingParameter(answerAddress());
    state = hasRow() ? KNOWN_PARAMETER : UNKNOWN_PARAMETER;
}

bool RPCCodingParameter::read(uint8_t first, uint8_t group, uint8_t number, IRPCResponseListener* listener)
{
    return setAndSend(first, group, number, 1, listener);
}

bool RPCCodingParameter::readNext()
{
    return readStep(NEXT, 1);
}

bool RPCCodingParameter::readPrevious()
{
    return readStep(PREVIOUS, -1);
}

bool RPCCodingParameter::readAgain()
{
    return readStep(CURRENT, 1);
}

bool RPCCodingParameter::readStep(uint32_t answerPosition, int8_t direction)
{
    if (state == NO_ANSWER) {
        return false;
    }
    const uint8_t storedGroup = byte1;
    byte1 = mapGroup(answer[answerPosition]);
    byte2 = answer[answerPosition + 1];
    byte3 = direction;
    const bool sent = send();
    byte1 = storedGroup;
    return sent;
}

uint8_t RPCCodingParameter::mapGroup(uint8_t answerGroup) const
{
    if (byte1 != GROUP_ALL_PARAMETERS) {
        return byte1;
    }
    switch (answerGroup) {
    case 4:
        return 11;
    case 5:
        return 12;
    case 6:
        return 13;
    default:
        return GROUP_ALL_PARAMETERS;
    }
}

bool RPCCodingParameter::writeValue(int16_t value)
{
    if (state == NO_ANSWER) {
        return false;
    }
    const uint16_t raw = static_cast<uint16_t>(value);
    response[4] = static_cast<uint8_t>(raw & 0xFF);
    response[5] = static_cast<uint8_t>(raw >> 8);
    const uint16_t address = answerAddress();
    const bool sent = put.setAndSend(byte0, mapGroup(answer[0]), byte2, address, value, nullptr);
    if (sent) {
        static_cast<void>(dptRequestRead(dptFindAddress(address))); // refused outside the table
    }
    return sent;
}

uint16_t RPCCodingParameter::answerWord(uint32_t position) const
{
    return static_cast<uint16_t>(answer[position] | (answer[position + 1] << 8));
}

int16_t RPCCodingParameter::getValue() const
{
    return state == NO_ANSWER ? 0 : static_cast<int16_t>(answerWord(4));
}

int16_t RPCCodingParameter::getMinimum() const
{
    return state == NO_ANSWER ? 0 : static_cast<int16_t>(answerWord(6));
}

int16_t RPCCodingParameter::getMaximum() const
{
    return state == NO_ANSWER ? 0 : static_cast<int16_t>(answerWord(8));
}

uint8_t RPCCodingParameter::getNumber() const
{
    return state == NO_ANSWER ? 0 : answer[1];
}

uint16_t RPCCodingParameter::getAddress() const
{
    if (state == NO_ANSWER) {
        return 0;
    }
    const uint16_t address = answerAddress();
    return address == 0 && hasRow() ? codingParameter(row).address : address;
}

float RPCCodingParameter::getFactor() const
{
    if (state == NO_ANSWER) {
        return 1.0f;
    }
    float factor = 0.0f;
    memcpy(&factor, answer + 10, sizeof(factor)); // the device's byte order is ours
    return factor;
}

uint16_t RPCCodingParameter::getNameText() const
{
    return hasRow() ? codingParameter(row).nameText : CODING_NO_TEXT;
}

uint16_t RPCCodingParameter::getUnitText() const
{
    return hasRow() ? codingParameter(row).unitText : CODING_NO_TEXT;
}

int16_t RPCCodingParameter::getOffset() const
{
    return hasRow() ? codingParameter(row).offset : 0;
}

float RPCCodingParameter::getRowFactor() const
{
    return hasRow() ? codingParameter(row).factor : 1.0f;
}

uint16_t RPCCodingParameter::getValueText(int16_t value) const
{
    if (!hasRow() || codingParameter(row).kind == CodingParameterRecord::NUMERIC) {
        return CODING_NO_TEXT;
    }
    const CodingValueList& list = codingValueList(codingParameter(row).valueList);
    for (uint32_t pair = 0; pair < list.count; ++pair) {
        if (list.pairs[pair].value == static_cast<uint16_t>(value)) {
            return list.pairs[pair].text;
        }
    }
    return CODING_NO_TEXT;
}

uint16_t RPCCodingParameter::getCurrentValueText() const
{
    return getValueText(getValue());
}

uint16_t RPCCodingParameter::getGroupText() const
{
    const uint16_t text = codingGroupText(state == NO_ANSWER ? byte1 : answer[0]);
    return text == CODING_NO_TEXT ? codingUnknownGroupText() : text;
}

void RPCCodingParameter::reset()
{
    memset(response, 0, sizeof(response));
    state = NO_ANSWER;
    row = CODING_PARAMETER_COUNT;
}
} // namespace model
