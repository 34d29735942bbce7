// The screenshot tour's check: a tour picture of the page its road should reach passes beside
// the headless picture of that page id; a road that ends elsewhere fails, naming its page.
#include "support/PictureFile.hpp"
#include "support/TourCheck.hpp"
#include "support/screen/RoadWalk.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
using quillon::test::Picture;

const double LARGEST_SHARE = 0.09; // as scripts/tour.sh

const roads::Road& roadNamed(const std::string& page)
{
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        if (page == roads::table()[i].page) {
            return roads::table()[i];
        }
    }
    ADD_FAILURE() << "no road to " << page;
    return roads::table()[0];
}

// The headless application after the road's first touches and more frames, as a later
// screenshot of the program would find it.
Picture drawnAlong(const roads::Road& road, uint32_t touches, uint32_t laterFrames)
{
    test::AppTestBed shell;
    shell.bed.frame().setCounting(false);
    roads::walk(shell, road.touches, touches);
    shell.bed.ticks(laterFrames);
    Picture picture;
    picture.width = 800;
    picture.height = 480;
    picture.pixels = shell.bed.frame().pixels();
    return picture;
}

// As the program's F3 writes it: 24 bits, bottom row first, channels widened by a shift.
void writeScreenshot(const fs::path& path, const Picture& picture)
{
    const uint32_t rowBytes = static_cast<uint32_t>(picture.width * 3 + 3) & ~3u;
    const uint32_t size = 54 + rowBytes * static_cast<uint32_t>(picture.height);
    uint8_t header[54] = {'B', 'M'};
    auto put32 = [&header](int offset, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            header[offset + i] = static_cast<uint8_t>(value >> (8 * i));
        }
    };
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(picture.width));
    put32(22, static_cast<uint32_t>(picture.height));
    header[26] = 1;
    header[28] = 24;
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(header, 1, sizeof(header), file);
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint16_t c = picture.at(x, y);
            row[x * 3 + 0] = static_cast<uint8_t>((c & 0x1F) << 3);
            row[x * 3 + 1] = static_cast<uint8_t>(((c >> 5) & 0x3F) << 2);
            row[x * 3 + 2] = static_cast<uint8_t>((c >> 11) << 3);
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    ASSERT_EQ(std::fclose(file), 0);
}

class TourCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A scratch folder of this process's own: copies of the test may run side by side.
        scratch = fs::temp_directory_path() / ("quillon-tour-check-" + std::to_string(getpid()));
        fs::remove_all(scratch);
        fs::create_directories(scratch / "tour");
        fs::create_directories(scratch / "headless");
        const roads::Road& menu = roadNamed("mainMenuPage");
        const roads::Road& language = roadNamed("languagePage");
        ASSERT_TRUE(quillon::test::writePng((scratch / "headless/14-mainMenuPage.png").string(),
                                            drawnAlong(menu, menu.touchCount, 0)));
        ASSERT_TRUE(quillon::test::writePng((scratch / "headless/72-languagePage.png").string(),
                                            drawnAlong(language, language.touchCount, 0)));
        // The program's pictures come a little later: its clock and live values may have moved.
        writeScreenshot(scratch / "tour/14-mainMenuPage.bmp", drawnAlong(menu, menu.touchCount, 200));
    }
    void TearDown() override { fs::remove_all(scratch); }

    fs::path scratch;
};

TEST_F(TourCheckTest, RightRoadsPass)
{
    const roads::Road& language = roadNamed("languagePage");
    writeScreenshot(scratch / "tour/72-languagePage.bmp", drawnAlong(language, language.touchCount, 200));

    const quillon::test::TourCheck check =
        quillon::test::checkTour((scratch / "tour").string(), (scratch / "headless").string(), LARGEST_SHARE);

    EXPECT_TRUE(check.failures.empty()) << check.failures.front();
    EXPECT_EQ(check.compared, 2);
    EXPECT_LE(check.largestPassingShare, LARGEST_SHARE);
}

// The road to the language page without its last touch stops on the settings menu, a tile page
// like it (7.5 % of the pixels differ): its title tells it apart.
TEST_F(TourCheckTest, ARoadThatEndsElsewhereFailsNamingItsPage)
{
    const roads::Road& language = roadNamed("languagePage");
    writeScreenshot(scratch / "tour/72-languagePage.bmp", drawnAlong(language, language.touchCount - 1, 200));

    const quillon::test::TourCheck check =
        quillon::test::checkTour((scratch / "tour").string(), (scratch / "headless").string(), LARGEST_SHARE);

    ASSERT_EQ(check.failures.size(), 1u);
    EXPECT_NE(check.failures[0].find("languagePage (page id 72)"), std::string::npos) << check.failures[0];
    EXPECT_EQ(check.largestPassingPage, "mainMenuPage");
}

// The stratification chart follows the host's hour: a chart that differs wholly still passes on
// that page, where the same difference on another page fails.
TEST_F(TourCheckTest, OnlyTheStratificationChartIsLeftOut)
{
    const Picture headless = drawnAlong(roadNamed("mainMenuPage"), roadNamed("mainMenuPage").touchCount, 0);
    Picture shown = headless;
    const quillon::test::HostTimeArea& chart = quillon::test::HOST_TIME_AREAS[0];
    for (int y = chart.top; y < chart.top + chart.height; ++y) {
        for (int x = chart.left; x < chart.left + chart.width; ++x) {
            shown.pixels[static_cast<size_t>(y) * shown.width + x] ^= 0xFFFF;
        }
    }
    for (const char* name : {"44-stratificationPage", "42-cylinderHistoryPage"}) {
        ASSERT_TRUE(quillon::test::writePng((scratch / "headless" / (std::string(name) + ".png")).string(), headless));
        writeScreenshot(scratch / "tour" / (std::string(name) + ".bmp"), shown);
    }

    const quillon::test::TourCheck check =
        quillon::test::checkTour((scratch / "tour").string(), (scratch / "headless").string(), LARGEST_SHARE);

    EXPECT_EQ(check.compared, 3);
    ASSERT_EQ(check.failures.size(), 1u);
    EXPECT_NE(check.failures[0].find("cylinderHistoryPage (page id 42)"), std::string::npos) << check.failures[0];
}

TEST_F(TourCheckTest, APageWithoutItsHeadlessPictureFails)
{
    writeScreenshot(scratch / "tour/15-tileSelectorPage.bmp", drawnAlong(roadNamed("mainMenuPage"), 1, 0));

    const quillon::test::TourCheck check =
        quillon::test::checkTour((scratch / "tour").string(), (scratch / "headless").string(), LARGEST_SHARE);

    ASSERT_EQ(check.failures.size(), 1u);
    EXPECT_NE(check.failures[0].find("tileSelectorPage (page id 15): no headless picture"), std::string::npos)
        << check.failures[0];
}
} // namespace
