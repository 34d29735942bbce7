#include "simulator/board/Board.hpp"

#include <array>

namespace
{
// Byte-wise table of a reflected polynomial, built at compile time.
template <class Word>
constexpr std::array<Word, 256> makeReflectedTable(Word polynomial)
{
    std::array<Word, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        Word crc = static_cast<Word>(i);
        for (int bit = 0; bit < 8; ++bit) {
            crc = static_cast<Word>((crc & 1) ? (crc >> 1) ^ polynomial : crc >> 1);
        }
        table[i] = crc;
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> CRC16_TABLE = makeReflectedTable<std::uint16_t>(0xA001);
constexpr std::array<std::uint32_t, 256> CRC32_TABLE = makeReflectedTable<std::uint32_t>(0xEDB88320u);
} // namespace

std::uint16_t boardCrc16(const void* bytes, std::uint16_t count)
{
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    std::uint16_t crc = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        crc = static_cast<std::uint16_t>(CRC16_TABLE[(crc ^ data[i]) & 0xFF] ^ (crc >> 8));
    }
    return crc;
}

std::uint32_t boardCrc32(const void* bytes, std::uint16_t count)
{
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint16_t i = 0; i < count; ++i) {
        crc = CRC32_TABLE[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

std::uint8_t boardChecksum8(const void* bytes, std::uint16_t count)
{
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    std::uint8_t sum = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        sum = static_cast<std::uint8_t>(sum + data[i]);
    }
    return sum;
}
