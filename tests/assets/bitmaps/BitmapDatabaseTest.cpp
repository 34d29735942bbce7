#include "BitmapDatabase.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using quillon::BitmapRecord;

const BitmapRecord& record(int id)
{
    return BitmapDatabase::getTable()[id];
}

uint8_t alphaAt(const BitmapRecord& r, int x, int y)
{
    return r.alphaData == nullptr ? 255 : r.alphaData[y * r.width + x];
}

uint16_t pixelAt(const BitmapRecord& r, int x, int y)
{
    const uint8_t* p = r.data + 2 * (y * r.width + x);
    return static_cast<uint16_t>(p[0] | (p[1] << 8)); // little-endian
}

bool allOpaque(const BitmapRecord& r, int x0, int y0, int width, int height)
{
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) {
            if (alphaAt(r, x, y) != 255) {
                return false;
            }
        }
    }
    return true;
}

TEST(BitmapDatabase, HoldsTheRecordsOfAllIds)
{
    ASSERT_EQ(BitmapDatabase::getCount(), 239);
    ASSERT_EQ(BitmapDatabase::getCount(), BitmapDatabase::BITMAP_COUNT);
    for (int id = 0; id < 239; ++id) {
        SCOPED_TRACE(id);
        const BitmapRecord& r = record(id);
        EXPECT_NE(r.data, nullptr);
        EXPECT_GT(r.width, 0);
        EXPECT_GT(r.height, 0);
        EXPECT_EQ(r.format, quillon::BITMAP_RGB565);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(r.data) % 2, 0u); // read as 16-bit words
    }
}

// Every size the screens depend on.
TEST(BitmapDatabase, HasTheSizesTheLayoutsUse)
{
    struct Size { int id, width, height; };
    const Size sizes[] = {
        {0, 134, 69}, {1, 134, 69}, {2, 142, 70}, {3, 142, 70}, {4, 142, 70}, {5, 180, 65}, {6, 180, 65},
        {7, 224, 140}, {8, 224, 140}, {9, 224, 140}, {13, 658, 71}, {14, 658, 71}, {15, 658, 71}, {16, 71, 71},
        {17, 71, 71}, {18, 71, 71}, {19, 80, 80}, {20, 80, 80}, {21, 80, 80}, {22, 97, 194}, {23, 97, 194},
        {24, 97, 194}, {25, 97, 244}, {26, 97, 244}, {27, 97, 244}, {28, 97, 302}, {29, 97, 302},
        {30, 288, 258}, {31, 130, 278}, {32, 110, 34}, {33, 110, 34}, {34, 110, 34}, {35, 110, 34},
        {36, 184, 225}, {37, 110, 34}, {38, 110, 34}, {39, 110, 34}, {40, 110, 34}, {41, 130, 215},
        {42, 130, 152}, {43, 130, 126}, {44, 162, 278}, {45, 49, 83}, {46, 60, 60}, {47, 40, 80},
        {48, 68, 143}, {49, 61, 52}, {50, 33, 83}, {51, 68, 62}, {52, 60, 85}, {53, 65, 47}, {54, 80, 287},
        {65, 18, 18}, {66, 18, 18}, {67, 18, 18}, {68, 220, 208}, {76, 64, 64}, {80, 64, 64}, {81, 64, 64},
        {93, 76, 76}, {95, 26, 22}, {104, 36, 26}, {108, 32, 32}, {117, 61, 27}, {118, 64, 28},
        {140, 32, 32}, {141, 32, 32}, {153, 32, 32}, {154, 32, 32}, {155, 48, 48}, {159, 26, 26},
        {170, 64, 64}, {177, 45, 45}, {183, 64, 64}, {186, 26, 21}, {189, 32, 32}, {200, 64, 64},
        {201, 64, 64}, {202, 64, 64}, {203, 64, 64}, {206, 35, 33}, {215, 439, 31}, {216, 74, 214},
        {217, 62, 286}, {218, 135, 214}, {219, 58, 75}, {220, 58, 75}, {221, 131, 70}, {222, 131, 70},
        {223, 70, 4}, {224, 70, 1}, {225, 70, 4}, {226, 539, 55}, {227, 600, 46}, {228, 111, 69},
        {229, 111, 69}, {230, 4, 69}, {231, 570, 69}, {232, 570, 69}, {233, 536, 114}, {234, 134, 257},
        {235, 124, 221}, {236, 76, 53}, {237, 76, 53}, {238, 36, 11},
    };
    for (const Size& s : sizes) {
        SCOPED_TRACE(s.id);
        EXPECT_EQ(record(s.id).width, s.width);
        EXPECT_EQ(record(s.id).height, s.height);
    }
}

TEST(BitmapDatabase, AlphaPlaneOnlyWhereSomePixelIsNotOpaque)
{
    for (int id = 0; id < 239; ++id) {
        SCOPED_TRACE(id);
        const BitmapRecord& r = record(id);
        if (r.alphaData != nullptr) {
            EXPECT_FALSE(allOpaque(r, 0, 0, r.width, r.height));
        }
    }
}

// The solid rectangle lies inside the bitmap, holds only opaque pixels and cannot grow
// by a row or column on any side.
TEST(BitmapDatabase, SolidRectangleIsOpaqueAndCannotGrow)
{
    for (int id = 0; id < 239; ++id) {
        SCOPED_TRACE(id);
        const BitmapRecord& r = record(id);
        const int x = r.solidX;
        const int y = r.solidY;
        const int w = r.solidWidth;
        const int h = r.solidHeight & quillon::Bitmap::SOLID_HEIGHT_MASK;
        EXPECT_EQ(r.solidHeight & ~quillon::Bitmap::SOLID_HEIGHT_MASK, 0);
        ASSERT_GE(x, 0);
        ASSERT_GE(y, 0);
        ASSERT_LE(x + w, r.width);
        ASSERT_LE(y + h, r.height);
        if (w == 0 || h == 0) {
            EXPECT_TRUE(w == 0 && h == 0 && x == 0 && y == 0);
            continue;
        }
        EXPECT_TRUE(allOpaque(r, x, y, w, h));
        EXPECT_FALSE(x > 0 && allOpaque(r, x - 1, y, 1, h));
        EXPECT_FALSE(x + w < r.width && allOpaque(r, x + w, y, 1, h));
        EXPECT_FALSE(y > 0 && allOpaque(r, x, y - 1, w, 1));
        EXPECT_FALSE(y + h < r.height && allOpaque(r, x, y + h, w, 1));
        if (r.alphaData == nullptr) {
            EXPECT_TRUE(x == 0 && y == 0 && w == r.width && h == r.height);
        }
    }
}

TEST(BitmapDatabase, SamplesHaveTheirAlphaPlaneAndSolidRectangle)
{
    struct Case {
        int id;
        bool alpha;
        int solidX, solidY, solidWidth, solidHeight;
    };
    const Case cases[] = {
        {13, false, 0, 0, 658, 71}, // opaque list button
        {0, false, 0, 0, 134, 69},  // opaque bottom-bar button
        {12, true, 1, 0, 2, 1},     // 4 x 1 sliver with see-through ends
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const BitmapRecord& r = record(c.id);
        EXPECT_EQ(r.alphaData != nullptr, c.alpha);
        EXPECT_EQ(r.solidX, c.solidX);
        EXPECT_EQ(r.solidY, c.solidY);
        EXPECT_EQ(r.solidWidth, c.solidWidth);
        EXPECT_EQ(r.solidHeight, c.solidHeight);
    }
    EXPECT_EQ(record(12).width, 4);
    EXPECT_EQ(record(12).height, 1);
}

// Check overlays cover the whole button and show only their marks.
TEST(BitmapDatabase, CheckOverlaysAreClearInTheMiddle)
{
    for (int id : {3, 8, 11, 14, 17, 20}) {
        SCOPED_TRACE(id);
        const BitmapRecord& r = record(id);
        ASSERT_NE(r.alphaData, nullptr);
        EXPECT_EQ(alphaAt(r, r.width / 2, r.height / 2), 0);
        EXPECT_LT(r.solidWidth * (r.solidHeight & quillon::Bitmap::SOLID_HEIGHT_MASK), r.width * r.height / 4);
    }
}

TEST(BitmapDatabase, PressedButtonsDifferFromReleasedOnes)
{
    const int pairs[][2] = {{0, 1}, {2, 4}, {5, 6}, {7, 9}, {13, 15}, {16, 18}, {19, 21},
                            {22, 24}, {25, 27}, {219, 220}, {221, 222}, {228, 229}, {231, 232}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair[0]);
        const BitmapRecord& released = record(pair[0]);
        const BitmapRecord& pressed = record(pair[1]);
        ASSERT_EQ(released.width, pressed.width);
        ASSERT_EQ(released.height, pressed.height);
        const int x = released.width / 2;
        const int y = released.height / 2;
        EXPECT_NE(pixelAt(released, x, y), pixelAt(pressed, x, y));
    }
}

// The busy frames are one picture turned a quarter further each time.
TEST(BitmapDatabase, BusyFramesAreQuarterTurns)
{
    for (int frame = 200; frame < 203; ++frame) {
        SCOPED_TRACE(frame);
        const BitmapRecord& a = record(frame);
        const BitmapRecord& b = record(frame + 1);
        ASSERT_EQ(a.width, 64);
        ASSERT_EQ(a.height, 64);
        ASSERT_NE(a.alphaData, nullptr);
        ASSERT_NE(b.alphaData, nullptr);
        int different = 0;
        int unchanged = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                // A quarter turn clockwise takes (x, y) to (63 - y, x).
                const int turned = std::abs(alphaAt(a, x, y) - alphaAt(b, 63 - y, x));
                different += turned > 16 ? 1 : 0;
                unchanged += pixelAt(a, x, y) != pixelAt(b, x, y) ? 0 : 1;
            }
        }
        EXPECT_LT(different, 20);
        EXPECT_LT(unchanged, 64 * 64 - 200); // the frames do differ
    }
}

TEST(BitmapDatabase, RegistersWithTheFramework)
{
    BitmapDatabase::registerDatabase();
    EXPECT_EQ(quillon::Bitmap::getCount(), 239);
    const quillon::Bitmap longButton(13);
    EXPECT_EQ(longButton.getWidth(), 658);
    EXPECT_FALSE(longButton.hasAlphaData());
    EXPECT_FALSE(longButton.hasNonSolidArea());
    const quillon::Bitmap overlay(14);
    EXPECT_TRUE(overlay.hasAlphaData());
    EXPECT_TRUE(overlay.hasNonSolidArea());
    EXPECT_EQ(quillon::Bitmap(12).getSolidRect(), quillon::Rectangle(1, 0, 2, 1));
}

} // namespace

namespace {
// The larger side of the biggest connected piece of visible ink (alpha above half): the
// size a pictogram reads at, whatever small parts lie around it.
int largestPieceSize(const BitmapRecord& r)
{
    std::vector<bool> seen(static_cast<size_t>(r.width * r.height), false);
    int largest = 0;
    for (int start = 0; start < r.width * r.height; ++start) {
        if (seen[start] || alphaAt(r, start % r.width, start / r.width) <= 127) {
            continue;
        }
        int left = r.width, right = -1, top = r.height, bottom = -1;
        std::vector<int> open{start};
        seen[start] = true;
        while (!open.empty()) {
            const int p = open.back();
            open.pop_back();
            const int x = p % r.width, y = p / r.width;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= r.width || ny >= r.height) {
                        continue;
                    }
                    const int n = ny * r.width + nx;
                    if (!seen[n] && alphaAt(r, nx, ny) > 127) {
                        seen[n] = true;
                        open.push_back(n);
                    }
                }
            }
        }
        largest = std::max(largest, std::max(right - left + 1, bottom - top + 1));
    }
    return largest;
}
} // namespace

// The three operating-program tiles (standby, hot water only, heating and hot water) show
// icons of one size: none a small picture beside two full ones.
TEST(BitmapDatabase, OperatingProgramIconsAreOfOneSize)
{
    const int standby = largestPieceSize(record(173));
    ASSERT_GT(standby, 0);
    for (int id : {120, 116}) {
        SCOPED_TRACE(id);
        EXPECT_GE(largestPieceSize(record(id)) * 10, standby * 8) << "standby " << standby;
    }
}
