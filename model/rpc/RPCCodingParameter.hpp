#ifndef MODEL_RPC_RPCCODINGPARAMETER_HPP
#define MODEL_RPC_RPCCODINGPARAMETER_HPP

#include "model/rpc/CodingParameterTable.hpp"
#include "model/rpc/RPCGetProperty.hpp"
#include "model/rpc/RPCPutProperty.hpp"

namespace model
{
// Reads and writes the device's coding parameters through call rows 0 and 1. The get
// request bytes are: first byte, group, number, direction (+1 or -1).
//
// Answer, low byte first: 0 group, 1 number, 2-3 address, 4-5 value, 6-7 minimum,
// 8-9 maximum, 10-13 factor (f32), 14-15 next group and number, 16-17 previous ones.
class RPCCodingParameter : public RPCGetProperty, public IRPCResponseListener
{
public:
    enum State : uint32_t
    {
        NO_ANSWER = 0,
        KNOWN_PARAMETER = 1,
        UNKNOWN_PARAMETER = 2, // answered, but the address has no row of ours
    };
    static constexpr uint8_t GROUP_ALL_PARAMETERS = 10;

    RPCCodingParameter();

    bool onResponse(const uint8_t* buffer) override;
    void onRPCResponse(uint32_t, const uint8_t*) override {}

    bool read(uint8_t first, uint8_t group, uint8_t number, IRPCResponseListener* listener);
    // Steps from the last answer; false before the first.
    bool readNext();
    bool readPrevious();
    bool readAgain();
    // The group to ask for when the answer names the given one: under "all parameters"
    // the circuits have groups of their own.
    uint8_t mapGroup(uint8_t answerGroup) const;
    // Writes through the put call and has the table read the value back at once.
    bool writeValue(int16_t value);

    uint32_t getState() const { return state; }
    int16_t getValue() const;
    int16_t getMinimum() const;
    int16_t getMaximum() const;
    uint8_t getNumber() const;
    uint16_t getAddress() const;
    float getFactor() const;

    bool hasRow() const { return row < CODING_PARAMETER_COUNT; }
    uint16_t getNameText() const;
    uint16_t getUnitText() const;
    int16_t getOffset() const;
    float getRowFactor() const;
    uint16_t getValueText(int16_t value) const;
    uint16_t getCurrentValueText() const;
    uint16_t getGroupText() const;

    void reset();

private:
    static constexpr uint32_t NEXT = 14;
    static constexpr uint32_t PREVIOUS = 16;
    static constexpr uint32_t CURRENT = 0;

    bool readStep(uint32_t answerPosition, int8_t direction);
    void evaluateAnswer();
    uint16_t answerWord(uint32_t position) const;
    uint16_t answerAddress() const { return answerWord(2); }

    uint32_t state;
    const uint8_t* answer;
    RPCPutProperty put;
    uint32_t row;
};
} // namespace model

#endif
