#include "simulator/device/DeviceSimulator.hpp"

namespace
{
constexpr std::uint16_t CALL_ADDRESS = 0xA280;
constexpr std::uint32_t FACTOR_ONE = 0x3F800000;     // 1.0f
constexpr std::uint32_t FACTOR_HUNDRED = 0x42C80000; // 100.0f

struct Coding
{
    std::uint8_t request[4];
    std::uint8_t group, number;
    std::uint16_t address;
    std::int16_t value, minimum, maximum;
    std::uint32_t factorBits;
    std::uint8_t nextGroup, nextNumber, previousGroup, previousNumber;
};

constexpr void put16(std::uint8_t* out, std::uint16_t value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

// A call to 0xA280 with four request bytes, answered by an 18-byte coding answer.
constexpr SimCannedRecord canned(const Coding& c, bool anyRequest)
{
    SimCannedRecord record{};
    const std::uint8_t header[] = {0x00, 0x07, CALL_ADDRESS >> 8, CALL_ADDRESS & 0xFF, 4};
    for (int i = 0; i < 5; ++i) {
        record.request[i] = header[i];
    }
    for (int i = 0; i < 4; ++i) {
        record.request[5 + i] = c.request[i];
    }
    record.compareLength = anyRequest ? 4 : 9;

    std::uint8_t* r = record.response.bytes;
    r[0] = 0x01;
    r[1] = 0x07;
    r[2] = CALL_ADDRESS >> 8;
    r[3] = CALL_ADDRESS & 0xFF;
    r[4] = 18;
    std::uint8_t* data = r + 5;
    data[0] = c.group;
    data[1] = c.number;
    put16(data + 2, c.address);
    put16(data + 4, static_cast<std::uint16_t>(c.value));
    put16(data + 6, static_cast<std::uint16_t>(c.minimum));
    put16(data + 8, static_cast<std::uint16_t>(c.maximum));
    put16(data + 10, static_cast<std::uint16_t>(c.factorBits));
    put16(data + 12, static_cast<std::uint16_t>(c.factorBits >> 16));
    data[14] = c.nextGroup;
    data[15] = c.nextNumber;
    data[16] = c.previousGroup;
    data[17] = c.previousNumber;
    record.response.used = 5 + 18;
    return record;
}
} // namespace

const SimCannedRecord simCannedTable[SIM_CANNED_COUNT] = {
    canned({{2, 9, 10, 1}, 9, 10, 0xCF0A, 5, 0, 40, FACTOR_ONE, 9, 11, 9, 9}, false),
    canned({{2, 9, 32, 1}, 9, 32, 0xCF20, 2, 0, 9, FACTOR_ONE, 9, 34, 9, 18}, false),
    canned({{2, 9, 8, 1}, 9, 8, 0xCF08, 90, 10, 90, FACTOR_ONE, 9, 9, 9, 7}, false),
    canned({{2, 2, 103, 1}, 2, 103, 0x6767, 40, 0, 60, FACTOR_ONE, 2, 111, 2, 101}, false),
    canned({{2, 1, 33, 1}, 1, 33, 0x5721, 82, 0, 100, FACTOR_HUNDRED, 1, 35, 1, 21}, false),
    canned({{2, 1, 35, 1}, 1, 35, 0x5723, 0, 0, 24, FACTOR_ONE, 1, 36, 1, 33}, false),
    canned({{2, 4, 197, 1}, 4, 197, 0x27C5, 20, 1, 127, FACTOR_ONE, 4, 198, 4, 9}, false),
    canned({{2, 5, 197, 1}, 5, 197, 0x37C5, 20, 1, 127, FACTOR_ONE, 5, 198, 5, 169}, false),
    canned({{2, 6, 197, 1}, 6, 197, 0x47C5, 20, 1, 127, FACTOR_ONE, 6, 198, 6, 169}, false),
    canned({{2, 4, 198, 1}, 4, 198, 0x27C6, 74, 10, 127, FACTOR_ONE, 4, 211, 4, 197}, false),
    canned({{2, 5, 198, 1}, 5, 198, 0x37C6, 74, 10, 127, FACTOR_ONE, 5, 211, 5, 197}, false),
    canned({{2, 6, 198, 1}, 6, 198, 0x47C6, 74, 10, 127, FACTOR_ONE, 6, 211, 6, 197}, false),
    canned({{0, 0, 0, 0}, 3, 0, 0x7700, 10, 0, 10, FACTOR_ONE, 3, 127, 3, 155}, true),
};
