#ifndef SIMULATOR_DEVICE_SEEDTABLES_HPP
#define SIMULATOR_DEVICE_SEEDTABLES_HPP

#include <cstdint>

// Start values the device side writes into the data-point table once, generated from
// model/dpt/seeds.tsv. Each record is {u32 table index, value} with no padding, the value
// in the form dptSet takes for the entry's type.
struct SimSeedTable
{
    const unsigned char* records;
    std::uint16_t count;
    std::uint8_t valueSize;
};

constexpr unsigned SIM_SEED_TABLE_COUNT = 7;
constexpr unsigned SIM_SEED_INDEX_SIZE = 4;
extern const SimSeedTable simSeedTables[SIM_SEED_TABLE_COUNT];

#endif
