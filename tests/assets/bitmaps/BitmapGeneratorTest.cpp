#include "BitmapSet.hpp"
#include "Manifest.hpp"
#include "Rgb565Image.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

namespace {

using namespace bitmapgen;

bool contains(const std::vector<std::string>& errors, const std::string& part)
{
    for (const std::string& error : errors) {
        if (error.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Slow but plainly right: every rectangle, the largest all-set one.
long bruteForceLargestArea(const std::vector<bool>& cells, int width, int height)
{
    long best = 0;
    for (int y0 = 0; y0 < height; ++y0) {
        for (int x0 = 0; x0 < width; ++x0) {
            for (int y1 = y0; y1 < height; ++y1) {
                for (int x1 = x0; x1 < width; ++x1) {
                    bool full = true;
                    for (int y = y0; y <= y1 && full; ++y) {
                        for (int x = x0; x <= x1 && full; ++x) {
                            full = cells[static_cast<size_t>(y) * width + x];
                        }
                    }
                    if (full) {
                        best = std::max(best, static_cast<long>(x1 - x0 + 1) * (y1 - y0 + 1));
                    }
                }
            }
        }
    }
    return best;
}

TEST(LargestOpaqueRect, MatchesAnExhaustiveSearch)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const int width = 1 + static_cast<int>(random() % 9);
        const int height = 1 + static_cast<int>(random() % 9);
        const unsigned density = 50 + random() % 50; // percent of opaque cells
        std::vector<bool> cells(static_cast<size_t>(width) * height);
        for (size_t i = 0; i < cells.size(); ++i) {
            cells[i] = random() % 100 < density;
        }
        const SolidRect r = largestOpaqueRect(cells, width, height);
        ASSERT_EQ(static_cast<long>(r.width) * r.height, bruteForceLargestArea(cells, width, height));
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                ASSERT_TRUE(cells[static_cast<size_t>(y) * width + x]);
            }
        }
    }
}

TEST(LargestOpaqueRect, EmptyAndFullMasks)
{
    const SolidRect none = largestOpaqueRect(std::vector<bool>(12, false), 4, 3);
    EXPECT_EQ(none.width * none.height, 0);
    EXPECT_EQ(none.x, 0);
    EXPECT_EQ(none.y, 0);
    const SolidRect all = largestOpaqueRect(std::vector<bool>(12, true), 4, 3);
    EXPECT_EQ(all.x, 0);
    EXPECT_EQ(all.y, 0);
    EXPECT_EQ(all.width, 4);
    EXPECT_EQ(all.height, 3);
}

TEST(Rgb565Image, KeepsAlphaOnlyWhenNeededAndDropsLowBits)
{
    Raster raster;
    raster.width = 2;
    raster.height = 1;
    raster.pixels = {Rgba{236, 236, 236, 255}, Rgba{255, 0, 0, 255}};
    Rgb565Image opaque = toRgb565Image(raster);
    EXPECT_TRUE(opaque.alpha.empty());
    EXPECT_EQ(opaque.pixels[0], 0xEF7D);
    EXPECT_EQ(opaque.pixels[1], 0xF800);
    EXPECT_EQ(opaque.solid.width, 2);

    raster.pixels[1] = Rgba{255, 0, 0, 0};
    Rgb565Image partly = toRgb565Image(raster);
    ASSERT_EQ(partly.alpha.size(), 2u);
    EXPECT_EQ(partly.alpha[1], 0);
    EXPECT_EQ(partly.pixels[1], 0); // nothing of it shows
    EXPECT_EQ(partly.solid.width, 1);
    EXPECT_EQ(partly.solid.height, 1);
}

TEST(Manifest, ReportsMissingDoubledAndMalformedIds)
{
    struct Case {
        const char* text;
        const char* error; // nullptr: accepted
    };
    const Case cases[] = {
        {"# id\tname\twidth\theight\n0\ta\t4\t1\n1\tb\t2\t2\n2\tc\t3\t3\n", nullptr},
        {"0\ta\t4\t1\n2\tc\t3\t3\n", "id 1 is missing"},
        {"0\ta\t4\t1\n1\tb\t2\t2\n1\tb\t2\t2\n2\tc\t3\t3\n", "id 1 is listed more than once"},
        {"0\ta\t4\t1\n1\tb\t2\t2\n2\tc\t3\t3\n3\td\t1\t1\n", "id 3 is outside 0..2"},
        {"0\ta\t4\t1\n1\tb\t2\n2\tc\t3\t3\n", "line 2"},
        {"0\ta\t4\t1\n1\tB b\t2\t2\n2\tc\t3\t3\n", "line 2"},
        {"0\ta\t0\t1\n1\tb\t2\t2\n2\tc\t3\t3\n", "line 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<ManifestEntry> entries;
        std::vector<std::string> errors;
        const bool accepted = parseManifest(c.text, 3, entries, errors);
        if (c.error == nullptr) {
            EXPECT_TRUE(accepted);
            ASSERT_EQ(entries.size(), 3u);
            EXPECT_EQ(entries[0].fileName(), "000_a.svg");
        } else {
            EXPECT_FALSE(accepted);
            EXPECT_TRUE(contains(errors, c.error));
        }
    }
}

// A scratch folder of sources, removed again at the end of the test.
class SourceFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The process id keeps builds that test at the same time apart.
        folder = std::filesystem::temp_directory_path() /
                 ("bitmapgen-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "svg");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void write(const std::string& name, const std::string& text)
    {
        std::ofstream(folder / name) << text;
    }
    void writeSvg(const std::string& name, int width, int height)
    {
        write("svg/" + name, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
                                 "\" height=\"" + std::to_string(height) + "\"><rect width=\"1\" height=\"1\" "
                                 "fill=\"#fff\"/></svg>");
    }
    bool load(std::vector<std::string>& errors)
    {
        std::vector<ManifestEntry> entries;
        std::vector<Rgb565Image> images;
        return loadBitmapSet((folder / "manifest.tsv").string(), (folder / "svg").string(), 2, entries, images,
                             errors);
    }

    std::filesystem::path folder;
};

TEST_F(SourceFolder, RendersSourcesAtTheirManifestSize)
{
    write("manifest.tsv", "0\tdot\t3\t2\n1\tbar\t4\t1\n");
    writeSvg("000_dot.svg", 3, 2);
    writeSvg("001_bar.svg", 4, 1);
    std::vector<ManifestEntry> entries;
    std::vector<Rgb565Image> images;
    std::vector<std::string> errors;
    ASSERT_TRUE(loadBitmapSet((folder / "manifest.tsv").string(), (folder / "svg").string(), 2, entries, images,
                              errors));
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 3);
    EXPECT_EQ(images[0].height, 2);
    EXPECT_EQ(images[1].pixels[0], 0xFFFF);
    EXPECT_EQ(images[1].solid.width, 1); // only the first pixel is painted
}

TEST_F(SourceFolder, FailsOnASizeOtherThanTheManifests)
{
    write("manifest.tsv", "0\tdot\t3\t2\n1\tbar\t4\t1\n");
    writeSvg("000_dot.svg", 3, 2);
    writeSvg("001_bar.svg", 5, 1);
    std::vector<std::string> errors;
    EXPECT_FALSE(load(errors));
    EXPECT_TRUE(contains(errors, "001_bar.svg: renders at 5 x 1, the manifest says 4 x 1"));
}

TEST_F(SourceFolder, FailsOnAMissingOrSecondSource)
{
    write("manifest.tsv", "0\tdot\t3\t2\n1\tbar\t4\t1\n");
    writeSvg("000_dot.svg", 3, 2);
    writeSvg("000_other.svg", 3, 2);
    std::vector<std::string> errors;
    EXPECT_FALSE(load(errors));
    EXPECT_TRUE(contains(errors, "id 0 has 2 sources"));
    EXPECT_TRUE(contains(errors, "001_bar.svg is missing"));
}

} // namespace
