#include "model/rpc/CodingParameterTable.hpp"

#include <array>

namespace model
{
namespace
{
// Texts of our own text table. The names, units and value texts of the rows not listed here
// are the empty text; no screen shows those rows.
constexpr uint16_t TEXT_EMPTY = 0;
constexpr uint16_t TEXT_NONE = CODING_NO_TEXT;
constexpr uint16_t TEXT_DEGREES_CELSIUS = 514;
constexpr uint16_t TEXT_LITRES_PER_MINUTE = 1258;
constexpr uint16_t TEXT_GENERAL = 814;
constexpr uint16_t TEXT_HEATING_CIRCUIT_1 = 964;
constexpr uint16_t TEXT_HEATING_CIRCUIT_2 = 965;
constexpr uint16_t TEXT_HEATING_CIRCUIT_3 = 966;
constexpr uint16_t TEXT_DHW = 1159;
constexpr uint16_t TEXT_SOLAR = 1201;
constexpr uint16_t TEXT_UNKNOWN = 1410;
constexpr uint16_t TEXT_BOILER = 1411;
constexpr uint16_t TEXT_ALL_PARAMETERS = 1412;
constexpr uint16_t TEXT_COMBUSTION_CONTROLLER = 1413;
constexpr uint16_t TEXT_REMOTE_CONTROL = 1414;
constexpr uint16_t TEXT_WITHOUT_REMOTE_CONTROL = 1415;
constexpr uint16_t TEXT_WITH_TELVO_200 = 1416;
constexpr uint16_t TEXT_WITH_TELVO_300 = 1417;
constexpr uint16_t TEXT_FROST_PROTECTION_LIMITS = 1418;
constexpr uint16_t TEXT_SEE_SERVICE_MANUAL = 1419;
constexpr uint16_t TEXT_SUMMER_ECONOMY_LIMIT = 1420;
constexpr uint16_t TEXT_NO_VALUE = 1421; // "None"
constexpr uint16_t TEXT_ROOM_TEMPERATURE_CORRECTION = 1422;
constexpr uint16_t TEXT_KELVIN = 1423;
constexpr uint16_t TEXT_SOLAR_FLOW_RATE = 1424;

// Remote control: without, with either of the two remote units.
constexpr CodingValuePair REMOTE_CONTROL[] = {
    {0, TEXT_WITHOUT_REMOTE_CONTROL}, {1, TEXT_WITH_TELVO_200}, {2, TEXT_WITH_TELVO_300}};
// Summer economy limit: 36 means none.
constexpr CodingValuePair SUMMER_LIMIT[] = {{36, TEXT_NO_VALUE}};
// Room temperature correction: 50 (0 K after the offset) means none.
constexpr CodingValuePair ROOM_CORRECTION[] = {{50, TEXT_NO_VALUE}};

// Each heating-circuit block has list rows of its own, 48 apart, over the same pairs.
constexpr uint32_t CIRCUIT_LIST_STRIDE = 48;

constexpr std::array<CodingValueList, CODING_VALUE_LIST_COUNT> makeValueLists()
{
    std::array<CodingValueList, CODING_VALUE_LIST_COUNT> lists{};
    for (uint32_t block = 0; block < 3; ++block) {
        const uint32_t base = block * CIRCUIT_LIST_STRIDE;
        lists[base + 1] = {3, REMOTE_CONTROL, 0};
        lists[base + 5] = {1, SUMMER_LIMIT, 0};
        lists[base + 17] = {1, ROOM_CORRECTION, 0};
    }
    return lists;
}

constexpr std::array<CodingValueList, CODING_VALUE_LIST_COUNT> VALUE_LISTS = makeValueLists();

const uint16_t GROUP_TEXTS[CODING_GROUP_COUNT] = {
    TEXT_UNKNOWN, TEXT_BOILER, TEXT_DHW, TEXT_GENERAL, TEXT_HEATING_CIRCUIT_1, TEXT_HEATING_CIRCUIT_2,
    TEXT_HEATING_CIRCUIT_3, TEXT_NONE, TEXT_NONE, TEXT_SOLAR, TEXT_ALL_PARAMETERS, TEXT_NONE, TEXT_NONE,
    TEXT_NONE, TEXT_NONE, TEXT_COMBUSTION_CONTROLLER, TEXT_NONE,
};

// The rows of the first heating circuit; the second's and third's are the same at addresses
// 0x1000 and 0x2000 higher, over their own value lists.
// {address, 0, kind, name, unit, offset, 0, factor, value list}
constexpr uint32_t CIRCUIT_PARAMETER_COUNT = 34;
constexpr uint16_t CIRCUIT_ADDRESS_STRIDE = 0x1000;
constexpr CodingParameterRecord CIRCUIT_PARAMETERS[CIRCUIT_PARAMETER_COUNT] = {
    {0x27A0, 0, 2, TEXT_REMOTE_CONTROL, TEXT_NONE, 0, 0, 1.0f, 1},
    {0x27A1, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27A2, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27A3, 0, 1, TEXT_FROST_PROTECTION_LIMITS, TEXT_SEE_SERVICE_MANUAL, 0, 0, 1.0f, 0},
    {0x27A4, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27A5, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27A6, 0, 3, TEXT_SUMMER_ECONOMY_LIMIT, TEXT_DEGREES_CELSIUS, 0, 0, 1.0f, 5},
    {0x27A7, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27A8, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27A9, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27B0, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27B2, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27B5, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27C5, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27C6, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27D3, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27D4, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27D5, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27D6, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27D7, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27D8, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27E1, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27E2, 0, 3, TEXT_ROOM_TEMPERATURE_CORRECTION, TEXT_KELVIN, -50, 0, 0.1f, 17},
    {0x27E5, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27E6, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27E7, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27E8, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27E9, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27F1, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27F2, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27F8, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27F9, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27FA, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x27FB, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
};

// The rows after the three circuit blocks.
constexpr uint32_t OTHER_PARAMETER_COUNT = CODING_PARAMETER_COUNT - 3 * CIRCUIT_PARAMETER_COUNT;
constexpr CodingParameterRecord OTHER_PARAMETERS[OTHER_PARAMETER_COUNT] = {
    {0x5704, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5706, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x570D, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x570E, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5710, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5711, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5713, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5714, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5715, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5721, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5723, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5724, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5728, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x572E, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x572F, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5730, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5731, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x5738, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6705, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6709, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x670A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6719, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x671A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6756, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6757, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6758, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6759, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x675A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x675B, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x675E, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x675F, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6760, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6762, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6765, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6767, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x676C, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x676D, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x676F, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6771, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6772, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x6773, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7700, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x772A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x772D, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7732, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7733, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7734, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7735, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7736, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7739, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x773A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x773B, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x773C, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x773D, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x773E, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x773F, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x774B, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7751, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7752, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7753, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7754, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x776E, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7776, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7777, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7778, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7779, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x777B, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x777F, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7780, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7781, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7782, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7786, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7787, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7788, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x778A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x778F, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7790, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7792, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7793, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7794, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7795, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7797, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7798, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x7799, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x779A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x779B, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x779C, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0x779F, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF00, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF01, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF02, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF03, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF04, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF05, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF06, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF07, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF08, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF09, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF0A, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF0B, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF0C, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF0D, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF0E, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF0F, 0, 1, TEXT_SOLAR_FLOW_RATE, TEXT_LITRES_PER_MINUTE, 0, 0, 0.1f, 0},
    {0xCF10, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF11, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF12, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF20, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF22, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF23, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF24, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF25, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF26, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF27, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
    {0xCF28, 0, 1, TEXT_EMPTY, TEXT_NONE, 0, 0, 1.0f, 0},
};

constexpr std::array<CodingParameterRecord, CODING_PARAMETER_COUNT> makeParameters()
{
    std::array<CodingParameterRecord, CODING_PARAMETER_COUNT> parameters{};
    uint32_t row = 0;
    for (uint32_t block = 0; block < 3; ++block) {
        for (const CodingParameterRecord& circuitRow : CIRCUIT_PARAMETERS) {
            CodingParameterRecord& parameter = parameters[row++];
            parameter = circuitRow;
            parameter.address = static_cast<uint16_t>(circuitRow.address + block * CIRCUIT_ADDRESS_STRIDE);
            if (circuitRow.valueList != 0) {
                parameter.valueList = circuitRow.valueList + block * CIRCUIT_LIST_STRIDE;
            }
        }
    }
    for (const CodingParameterRecord& otherRow : OTHER_PARAMETERS) {
        parameters[row++] = otherRow;
    }
    return parameters;
}

constexpr std::array<CodingParameterRecord, CODING_PARAMETER_COUNT> PARAMETERS = makeParameters();
} // namespace

const CodingParameterRecord& codingParameter(uint32_t row)
{
    return PARAMETERS[row < CODING_PARAMETER_COUNT ? row : 0];
}

uint32_t findCodingParameter(uint16_t address)
{
    for (uint32_t row = 0; row < CODING_PARAMETER_COUNT; ++row) {
        if (PARAMETERS[row].address == address) {
            return row;
        }
    }
    return CODING_PARAMETER_COUNT;
}

const CodingValueList& codingValueList(uint32_t index)
{
    return VALUE_LISTS[index < CODING_VALUE_LIST_COUNT ? index : 0];
}

uint16_t codingGroupText(uint8_t group)
{
    return GROUP_TEXTS[group % CODING_GROUP_COUNT];
}

uint16_t codingUnknownGroupText()
{
    return TEXT_UNKNOWN;
}
} // namespace model
