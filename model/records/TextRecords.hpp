#ifndef MODEL_RECORDS_TEXTRECORDS_HPP
#define MODEL_RECORDS_TEXTRECORDS_HPP

#include "model/records/RecordFields.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// Addresses, texts and names.

// In display order, byte 0 first.
struct mac_addr
{
    uint8_t bytes[6];
};
static_assert(sizeof(mac_addr) == 6, "mac_addr travels as 6 bytes");

// 8-bit characters, ended by a zero byte when shorter than the field.
template <uint32_t N>
struct narrow_text
{
    static constexpr uint32_t CAPACITY = N;

    char characters[N];

    // Widened to UTF-16 (Latin-1), cut at the capacity and always terminated.
    uint16_t toWide(quillon::WideChar* output, uint16_t capacity) const
    {
        if (output == nullptr || capacity == 0) {
            return 0;
        }
        uint16_t length = 0;
        while (length < N && length + 1u < capacity && characters[length] != 0) {
            output[length] = static_cast<uint8_t>(characters[length]);
            ++length;
        }
        output[length] = 0;
        return length;
    }
};
using lan_password = narrow_text<16>;
using lan_text = narrow_text<32>;
static_assert(sizeof(lan_password) == 16 && sizeof(lan_text) == 32, "LAN texts travel as 16 and 32 bytes");

// 21 UTF-16 units: at most 20 characters and a terminator.
struct heating_circuit_name
{
    static constexpr uint32_t UNITS = 21;

    uint8_t bytes[2 * UNITS];
    quillon::WideChar unit(uint32_t position) const { return model::readU16(bytes + 2 * position); }
};
static_assert(sizeof(heating_circuit_name) == 42, "heating_circuit_name travels as 42 bytes");

#endif
