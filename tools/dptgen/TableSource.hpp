#ifndef TOOLS_DPTGEN_TABLESOURCE_HPP
#define TOOLS_DPTGEN_TABLESOURCE_HPP

#include <cstdint>
#include <string>
#include <vector>

// One row of model/dpt/datapoints.tsv, its initial value already turned into bytes.
struct Row
{
    int line = 0;
    unsigned index = 0;
    unsigned address = 0;
    unsigned type = 0;
    unsigned normal = 0;
    unsigned fast = 0;
    int countdown = 0;
    bool hasInitial = false;
    float initialFloat = 0.0f;           // types 5..9
    std::vector<std::uint8_t> initial;   // other types: wire bytes, zero-padded
    std::string name;
};

// One record of model/dpt/seeds.tsv: the value in the form dptSet takes.
struct Seed
{
    int line = 0;
    unsigned table = 0;
    unsigned index = 0;
    std::vector<std::uint8_t> value;
};

unsigned wireSize(unsigned type); // 0 for an unknown type
bool isScaled(unsigned type);
bool isFloat(unsigned type);

// Parsing fills errors ("file:line: text") and never throws on bad data.
std::vector<Row> readTable(const std::string& path, std::vector<std::string>& errors);
std::vector<Seed> readSeeds(const std::string& path, const std::vector<Row>& rows,
                            std::vector<std::string>& errors);

// The table's rules: row count, address order, blocks, period classes, telling rows,
// seed table sizes. Adds one line per broken rule.
void checkTable(const std::vector<Row>& rows, std::vector<std::string>& errors);
void checkSeeds(const std::vector<Seed>& seeds, const std::vector<Row>& rows,
                std::vector<std::string>& errors);

#endif
