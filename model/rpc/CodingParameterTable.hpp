#ifndef MODEL_RPC_CODINGPARAMETERTABLE_HPP
#define MODEL_RPC_CODINGPARAMETERTABLE_HPP

#include <stdint.h>

namespace model
{
// What the panel knows of a coding parameter of the device, found by its device address.
struct CodingParameterRecord
{
    enum Kind : uint32_t
    {
        NUMERIC = 1,
        CHOICE = 2,           // a value from its value list
        NUMERIC_SPECIAL = 3,  // a number; some values have a text of their own
    };

    uint16_t address;
    uint16_t reserved1;
    uint32_t kind;
    uint16_t nameText;
    uint16_t unitText; // CODING_NO_TEXT for none
    int16_t offset;
    uint16_t reserved2;
    float factor;
    uint32_t valueList; // index into the value lists; 0 in numeric rows
};
static_assert(sizeof(CodingParameterRecord) == 24, "a coding-parameter row is 24 bytes");

struct CodingValuePair
{
    uint16_t value;
    uint16_t text;
};

struct CodingValueList
{
    uint32_t count;
    const CodingValuePair* pairs;
    uint32_t unused;
};

constexpr uint32_t CODING_PARAMETER_COUNT = 217; // also "no row"
constexpr uint32_t CODING_VALUE_LIST_COUNT = 146;
constexpr uint32_t CODING_GROUP_COUNT = 17;
constexpr uint16_t CODING_NO_TEXT = 0xFFFF;

const CodingParameterRecord& codingParameter(uint32_t row);
// The first row of the address; CODING_PARAMETER_COUNT when there is none.
uint32_t findCodingParameter(uint16_t address);
const CodingValueList& codingValueList(uint32_t index); // an empty list beyond the table
// The text of a parameter group, by group modulo 17; CODING_NO_TEXT for an unnamed one.
uint16_t codingGroupText(uint8_t group);
// The text shown for a group without a name.
uint16_t codingUnknownGroupText();
} // namespace model

#endif
