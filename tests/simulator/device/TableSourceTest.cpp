#include "TableSource.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

// The generator's reading and rule checks on the project's data files, and on copies
// broken one rule at a time.
namespace
{
const std::string TABLE = std::string(DPT_SOURCE_DIR) + "/datapoints.tsv";
const std::string SEEDS = std::string(DPT_SOURCE_DIR) + "/seeds.tsv";

bool mentions(const std::vector<std::string>& errors, const std::string& part)
{
    for (const std::string& error : errors) {
        if (error.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

class TableSource : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<std::string> errors;
        rows = readTable(TABLE, errors);
        seeds = readSeeds(SEEDS, rows, errors);
        ASSERT_TRUE(errors.empty()) << errors.front();
    }

    std::vector<std::string> check() const
    {
        std::vector<std::string> errors;
        checkTable(rows, errors);
        checkSeeds(seeds, rows, errors);
        return errors;
    }

    std::vector<Row> rows;
    std::vector<Seed> seeds;
};
} // namespace

TEST_F(TableSource, OurDataKeepsEveryRule)
{
    const std::vector<std::string> errors = check();
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(rows.size(), 1016u);
    EXPECT_EQ(seeds.size(), 618u);
}

TEST_F(TableSource, EachBrokenRuleIsReported)
{
    struct Case
    {
        const char* what;
        void (*breakIt)(std::vector<Row>&, std::vector<Seed>&);
        const char* message;
    };
    const Case cases[] = {
        {"duplicate address", [](std::vector<Row>& r, std::vector<Seed>&) { r[1].address = r[0].address; },
         "appears twice"},
        {"out of order", [](std::vector<Row>& r, std::vector<Seed>&) { std::swap(r[40].address, r[41].address); },
         "does not ascend"},
        {"overlap", [](std::vector<Row>& r, std::vector<Seed>&) { r[20].type = 17; }, "overlap row 21"},
        {"period class count", [](std::vector<Row>& r, std::vector<Seed>&) { r[400].normal = 180, r[400].fast = 20; },
         "1800/30: 600 rows"},
        {"countdown outside its class", [](std::vector<Row>& r, std::vector<Seed>&) { r[400].countdown = 3; },
         "row 400: countdown 3"},
        {"telling row", [](std::vector<Row>& r, std::vector<Seed>&) { r[952].countdown = 2; }, "row 952 must be"},
        {"block types", [](std::vector<Row>& r, std::vector<Seed>&) { r[600].type = 34; },
         "block 0xB000 holds other dp_types"},
        {"circuit layout", [](std::vector<Row>& r, std::vector<Seed>&) { r[150].type = 1; },
         "breaks the circuit layout"},
        {"missing row", [](std::vector<Row>& r, std::vector<Seed>&) { r.pop_back(); }, "1015 rows"},
        {"time program start", [](std::vector<Row>& r, std::vector<Seed>&) { r[51].initial[0] = 0; },
         "starts with 30 B0 FF FF"},
        {"seed count", [](std::vector<Row>&, std::vector<Seed>& s) { s.erase(s.begin() + 10); },
         "seed table 2 has 313"},
        {"seed type", [](std::vector<Row>&, std::vector<Seed>& s) { s[0].index = 7; }, "wrong type for table 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Row> savedRows = rows;
        std::vector<Seed> savedSeeds = seeds;
        c.breakIt(rows, seeds);
        const std::vector<std::string> errors = check();
        EXPECT_TRUE(mentions(errors, c.message)) << (errors.empty() ? "no error" : errors.front());
        rows = savedRows;
        seeds = savedSeeds;
    }
}

TEST(TableSourceValues, ParsesEachValueForm)
{
    // A short scratch table, checked only for its parsing; named per process, so that runs at once
    // never read each other's half-written file.
    const std::string path = ::testing::TempDir() + "dpt-values-" + std::to_string(getpid()) + ".tsv";
    FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("# comment\n"
               "0\t0x0100\t2\t180\t20\t0\t0x1234\tknown\ta\n"
               "1\t0x0102\t30\t180\t20\t0\ti16:-2,300\tknown\tb\n"
               "2\t0x0110\t27\t180\t20\t0\t01 text:ab c\tknown\tc\n"
               "3\t0x0130\t36\t180\t20\t0\tutf16:Hi\tknown\td\n"
               "4\t0x0160\t7\t180\t20\t0\t47.5\tknown\te\n"
               "5\t0x0162\t0\t180\t20\t0\t256\tknown\tf\n"
               "6\t0x0163\t15\t180\t20\t0\t01 02 03 04 05\tknown\tg\n",
               file);
    std::fclose(file);
    std::vector<std::string> errors;
    const std::vector<Row> parsed = readTable(path, errors);
    ASSERT_EQ(parsed.size(), 7u);
    EXPECT_EQ(parsed[0].initial, (std::vector<std::uint8_t>{0x34, 0x12}));
    EXPECT_EQ(parsed[1].initial.size(), 12u);
    EXPECT_EQ(parsed[1].initial[0], 0xFE);
    EXPECT_EQ(parsed[1].initial[1], 0xFF);
    EXPECT_EQ(parsed[1].initial[2], 44);
    EXPECT_EQ(parsed[1].initial[3], 1);
    EXPECT_EQ(parsed[2].initial[0], 1);
    EXPECT_EQ(parsed[2].initial[1], 'a');
    EXPECT_EQ(parsed[2].initial[3], ' ');
    EXPECT_EQ(parsed[2].initial[5], 0);
    EXPECT_EQ(parsed[3].initial[0], 'H');
    EXPECT_EQ(parsed[3].initial[1], 0);
    EXPECT_EQ(parsed[3].initial[2], 'i');
    EXPECT_EQ(parsed[4].initialFloat, 47.5f);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_TRUE(mentions(errors, "bad number '256' for type 0"));
    EXPECT_TRUE(mentions(errors, "exceeds the type's 4"));
    std::remove(path.c_str());
}
