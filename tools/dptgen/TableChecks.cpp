#include "TableSource.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <utility>

// The rules the device's data description keeps; a table that breaks one would give
// the model's fixed indexes the wrong values.
namespace
{
constexpr unsigned ROW_COUNT = 1016;
constexpr unsigned NEVER = 65535;

std::string hex(unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "0x%04X", value);
    return text;
}

struct Block
{
    unsigned firstAddress, lastAddress, firstRow, lastRow;
    std::set<unsigned> types;
};

const Block BLOCKS[] = {
    {0x00F7, 0x0E04, 0, 50, {0, 4, 7, 8, 15, 16}},
    {0x2000, 0x2906, 51, 103, {0, 1, 6, 8, 10, 11, 17, 18}},
    {0x3000, 0x3906, 104, 156, {0, 1, 6, 8, 10, 11, 17, 18}},
    {0x4000, 0x4906, 157, 209, {0, 1, 6, 8, 10, 11, 17, 18}},
    {0x5300, 0x6300, 210, 238, {0, 2, 4, 5, 8, 19, 23}},
    {0x6500, 0x6911, 239, 265, {0, 2, 7, 20, 24}},
    {0x7300, 0x73B4, 266, 277, {0, 2, 36}},
    {0x7400, 0x74AA, 278, 296, {0, 4, 12, 21}},
    {0x7500, 0x8900, 297, 355, {0, 4, 9, 13, 15, 24}},
    {0x9000, 0x9398, 356, 586, {4}},
    {0xA000, 0xA102, 587, 590, {0, 15, 22}},
    {0xB000, 0xB5A0, 591, 621, {35}},
    {0xCF02, 0xD0DA, 622, 650, {0, 2, 4, 14, 25, 26, 27}},
    {0xE02B, 0xE112, 651, 674, {0, 3, 4, 5, 29, 31, 33}},
    {0xE200, 0xEF28, 675, 951, {4, 30, 32, 34}},
    {0xFF01, 0xFF02, 952, 953, {0}},
    {0xF100, 0xFC70, 954, 1015, {35}},
};

struct PeriodClass
{
    unsigned normal, fast, rows;
    std::set<int> countdowns; // empty: any
};

const PeriodClass CLASSES[] = {
    {1800, 30, 601, {20}},
    {180, 20, 224, {0, 1, 2, 3, 4, 5, 6, 7}},
    {180, 5, 107, {1, 2, 3, 4}},
    {180, 30, 44, {0, 1, 2, 3, 4, 5, 6, 7}},
    {400, 30, 28, {1, 5, 7}},
    {400, 20, 4, {4, 7}},
    {20, 20, 2, {1, 10}},
    {NEVER, NEVER, 2, {}},
    {60, 5, 1, {10}},
    {400, 400, 1, {10}},
    {180, 10, 1, {5}},
    {30, 30, 1, {0}},
};

struct TellingRows
{
    unsigned firstRow, lastRow, firstAddress, step, type, normal, fast;
    int countdown; // -1: not fixed
};

const TellingRows TELLING[] = {
    {0, 4, 0x00F7, 1, 0, 400, 30, 1},
    {5, 5, 0x00FE, 1, 0, 400, 30, 1},
    {6, 6, 0x00FF, 1, 0, 400, 30, 1},
    {7, 7, 0x0810, 1, 7, 180, 20, 1},
    {30, 30, 0x09A4, 1, 4, 60, 5, 10},
    {31, 31, 0x09A8, 1, 0, 20, 20, -1},
    {32, 32, 0x09A9, 1, 0, 400, 400, 10},
    {33, 33, 0x0A0D, 1, 0, 20, 20, -1},
    {221, 221, 0x5600, 1, 23, NEVER, NEVER, 4},
    {267, 267, 0x7310, 1, 0, 30, 30, 0},
    {275, 277, 0x7360, 42, 36, 180, 20, 5},
    {278, 287, 0x7400, 12, 12, 180, 20, 5},
    {288, 288, 0x7480, 1, 21, 180, 30, 5},
    {293, 293, 0x74A7, 1, 0, NEVER, NEVER, 5},
    {298, 307, 0x7507, 9, 13, 180, 20, 5},
    {356, 586, 0x9000, 4, 4, 1800, 30, 20},
    {655, 660, 0xE074, 2, 3, 180, 20, -1},
    {952, 952, 0xFF01, 1, 0, 180, 20, 0},
    {953, 953, 0xFF02, 1, 0, 180, 20, -1},
};

void checkOrder(const std::vector<Row>& rows, std::vector<std::string>& errors)
{
    std::set<unsigned> seen;
    for (const Row& row : rows) {
        if (!seen.insert(row.address).second) {
            errors.push_back("row " + std::to_string(row.index) + ": address " + hex(row.address) +
                             " appears twice");
        }
    }
    if (!seen.empty() && (*seen.begin() != 0x00F7 || *seen.rbegin() != 0xFF02)) {
        errors.push_back("addresses must run from 0x00F7 to 0xFF02");
    }
    // Rows ascend by address; rows 952 and 953 stand out of order between two blocks.
    unsigned previous = 0;
    for (const Row& row : rows) {
        if (row.index == 952 || row.index == 953) {
            continue;
        }
        if (row.index > 0 && row.address <= previous) {
            errors.push_back("row " + std::to_string(row.index) + ": address " + hex(row.address) +
                             " does not ascend");
        }
        previous = row.address;
    }
    // No value may run into the next one: a merged read covers the bytes between entries.
    std::vector<const Row*> byAddress;
    for (const Row& row : rows) {
        byAddress.push_back(&row);
    }
    std::sort(byAddress.begin(), byAddress.end(),
              [](const Row* a, const Row* b) { return a->address < b->address; });
    for (std::size_t i = 0; i + 1 < byAddress.size(); ++i) {
        const Row& a = *byAddress[i];
        if (a.address + wireSize(a.type) > byAddress[i + 1]->address) {
            errors.push_back("row " + std::to_string(a.index) + ": " + std::to_string(wireSize(a.type)) +
                             " bytes at " + hex(a.address) + " overlap row " +
                             std::to_string(byAddress[i + 1]->index) + " at " +
                             hex(byAddress[i + 1]->address));
        }
    }
}

void checkBlocks(const std::vector<Row>& rows, std::vector<std::string>& errors)
{
    for (const Block& block : BLOCKS) {
        std::set<unsigned> types;
        for (unsigned i = block.firstRow; i <= block.lastRow && i < rows.size(); ++i) {
            const Row& row = rows[i];
            types.insert(row.type);
            if (row.address < block.firstAddress || row.address > block.lastAddress) {
                errors.push_back("row " + std::to_string(i) + ": address " + hex(row.address) +
                                 " outside its block " + hex(block.firstAddress) + "-" +
                                 hex(block.lastAddress));
            }
        }
        if (block.lastRow < rows.size() && (rows[block.firstRow].address != block.firstAddress ||
                                            rows[block.lastRow].address != block.lastAddress)) {
            errors.push_back("block " + hex(block.firstAddress) + "-" + hex(block.lastAddress) +
                             " must start and end with its rows " + std::to_string(block.firstRow) +
                             " and " + std::to_string(block.lastRow));
        }
        if (types != block.types) {
            errors.push_back("block " + hex(block.firstAddress) + " holds other dp_types than it should");
        }
    }
    // The three heating-circuit blocks share one layout, 0x1000 apart.
    for (unsigned offset = 0; offset < 53 && 209 < rows.size(); ++offset) {
        const Row& first = rows[51 + offset];
        for (unsigned circuit = 1; circuit < 3; ++circuit) {
            const Row& other = rows[51 + 53 * circuit + offset];
            if (other.address != first.address + 0x1000 * circuit || other.type != first.type ||
                other.normal != first.normal || other.fast != first.fast) {
                errors.push_back("row " + std::to_string(other.index) + " breaks the circuit layout of row " +
                                 std::to_string(first.index));
            }
        }
        const bool fast5 = first.type == 10 || first.type == 11 || first.type == 17 || first.type == 0;
        if (first.fast == 5 && !fast5) {
            errors.push_back("row " + std::to_string(first.index) + ": only time programs, dates, the "
                             "status block and u8 values are polled fast at 5 s");
        }
        if (first.normal != 180 || (first.fast != 5 && first.fast != 20)) {
            errors.push_back("row " + std::to_string(first.index) + ": circuit rows are 180/5 or 180/20");
        }
        if ((first.type == 10 || first.type == 11 || first.type == 17) &&
            (first.normal != 180 || first.fast != 5)) {
            errors.push_back("row " + std::to_string(first.index) + " must be 180/5");
        }
    }
    unsigned fastBytes = 0;
    for (unsigned i = 51; i <= 103 && i < rows.size(); ++i) {
        fastBytes += rows[i].type == 0 && rows[i].fast == 5;
    }
    if (fastBytes != 11) {
        errors.push_back("a circuit block needs 11 u8 rows at 180/5, has " + std::to_string(fastBytes));
    }
    unsigned rawRows = 0;
    for (const Row& row : rows) {
        rawRows += row.type == 3;
    }
    if (rawRows != 6) {
        errors.push_back("there must be six dp_type 3 rows");
    }
}

void checkPeriods(const std::vector<Row>& rows, std::vector<std::string>& errors)
{
    std::map<std::pair<unsigned, unsigned>, unsigned> counts;
    for (const Row& row : rows) {
        ++counts[{row.normal, row.fast}];
        const PeriodClass* found = nullptr;
        for (const PeriodClass& c : CLASSES) {
            if (c.normal == row.normal && c.fast == row.fast) {
                found = &c;
            }
        }
        if (!found) {
            errors.push_back("row " + std::to_string(row.index) + ": period " + std::to_string(row.normal) +
                             "/" + std::to_string(row.fast) + " is no known class");
        } else if (!found->countdowns.empty() && !found->countdowns.count(row.countdown)) {
            errors.push_back("row " + std::to_string(row.index) + ": countdown " +
                             std::to_string(row.countdown) + " outside its class");
        }
        if (row.countdown < 0 || row.countdown > 20) {
            errors.push_back("row " + std::to_string(row.index) + ": countdown must be 0..20");
        }
    }
    for (const PeriodClass& c : CLASSES) {
        const unsigned count = counts[{c.normal, c.fast}];
        if (count != c.rows) {
            errors.push_back("period " + std::to_string(c.normal) + "/" + std::to_string(c.fast) + ": " +
                             std::to_string(count) + " rows, expected " + std::to_string(c.rows));
        }
    }
}

void checkTellingRows(const std::vector<Row>& rows, std::vector<std::string>& errors)
{
    for (const TellingRows& t : TELLING) {
        for (unsigned i = t.firstRow; i <= t.lastRow && i < rows.size(); ++i) {
            const Row& row = rows[i];
            const unsigned address = t.firstAddress + (i - t.firstRow) * t.step;
            if (row.address != address || row.type != t.type || row.normal != t.normal ||
                row.fast != t.fast || (t.countdown >= 0 && row.countdown != t.countdown)) {
                errors.push_back("row " + std::to_string(i) + " must be " + hex(address) + " type " +
                                 std::to_string(t.type) + " " + std::to_string(t.normal) + "/" +
                                 std::to_string(t.fast) + " countdown " + std::to_string(t.countdown));
            }
        }
    }
    if (rows.size() > 7 && !(rows[7].hasInitial && rows[7].initialFloat == 47.0f)) {
        errors.push_back("row 7 starts at 47.0");
    }
    static const std::uint8_t TIME_POINT_START[] = {0x30, 0xB0, 0xFF, 0xFF};
    for (const Row& row : rows) {
        if (row.type == 10 && (!row.hasInitial || std::memcmp(row.initial.data(), TIME_POINT_START, 4) != 0)) {
            errors.push_back("row " + std::to_string(row.index) + ": a time_point starts with 30 B0 FF FF");
        }
    }
}
} // namespace

void checkTable(const std::vector<Row>& rows, std::vector<std::string>& errors)
{
    if (rows.size() != ROW_COUNT) {
        errors.push_back("the table has " + std::to_string(rows.size()) + " rows, expected 1016");
        return;
    }
    for (unsigned i = 0; i < rows.size(); ++i) {
        if (rows[i].index != i) {
            errors.push_back("line " + std::to_string(rows[i].line) + ": index " +
                             std::to_string(rows[i].index) + " where " + std::to_string(i) + " belongs");
        }
        if (rows[i].type == 28) {
            errors.push_back("row " + std::to_string(i) + ": dp_type 28 is used by no entry");
        }
    }
    checkOrder(rows, errors);
    checkBlocks(rows, errors);
    checkPeriods(rows, errors);
    checkTellingRows(rows, errors);
}

void checkSeeds(const std::vector<Seed>& seeds, const std::vector<Row>& rows, std::vector<std::string>& errors)
{
    // Seven tables, each of one value kind, 618 records in all.
    struct Kind
    {
        unsigned records;
        std::set<unsigned> types;
    };
    static const Kind KINDS[8] = {{0, {}},      {5, {5}},   {314, {4}}, {5, {34}},
                                  {40, {32}},   {155, {30}}, {93, {35}}, {6, {11}}};
    unsigned counts[8] = {};
    unsigned previous = 1;
    std::set<std::pair<unsigned, unsigned>> seen;
    for (const Seed& seed : seeds) {
        const std::string at = "seed line " + std::to_string(seed.line) + ": ";
        if (seed.table < 1 || seed.table > 7) {
            errors.push_back(at + "table must be 1..7");
            continue;
        }
        if (seed.table < previous) {
            errors.push_back(at + "tables must come in order 1 to 7");
        }
        previous = seed.table;
        ++counts[seed.table];
        if (!KINDS[seed.table].types.count(rows[seed.index].type)) {
            errors.push_back(at + "row " + std::to_string(seed.index) + " has the wrong type for table " +
                             std::to_string(seed.table));
        }
        if (!seen.insert({seed.table, seed.index}).second) {
            errors.push_back(at + "row " + std::to_string(seed.index) + " seeded twice");
        }
    }
    unsigned total = 0;
    for (unsigned t = 1; t <= 7; ++t) {
        total += counts[t];
        if (counts[t] != KINDS[t].records) {
            errors.push_back("seed table " + std::to_string(t) + " has " + std::to_string(counts[t]) +
                             " records, expected " + std::to_string(KINDS[t].records));
        }
    }
    if (total != 618) {
        errors.push_back("there must be 618 seed records");
    }
}
