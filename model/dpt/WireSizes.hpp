#ifndef MODEL_DPT_WIRESIZES_HPP
#define MODEL_DPT_WIRESIZES_HPP

#include <cstdint>

// Bytes on the wire of each value type, by type number. The table and its generator both read
// it here: storage the generator sizes is what the table later copies into.
constexpr std::uint8_t DP_WIRE_SIZES[] = {1, 1, 2, 2, 4, 4, 1, 2, 2, 4, 8, 8, 12, 9, 32, 4, 4, 16, 22,
                                          16, 48, 32, 9, 2, 2, 6, 16, 32, 9, 16, 12, 22, 24, 42, 48, 48, 42, 1};

// 0 for a type beyond the list.
constexpr std::uint32_t dpWireSize(std::uint32_t type)
{
    return type < sizeof(DP_WIRE_SIZES) ? DP_WIRE_SIZES[type] : 0;
}

#endif
