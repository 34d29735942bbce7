#include "support/ScopedBitmapDatabase.hpp"
#include "support/TestHAL.hpp"

#include <platform/driver/lcd/LCD16bpp.hpp>
#include <quillon/hal/NoDMA.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace quillon;
using namespace quillon::test;

namespace
{
const uint16_t KEY = 0xABCD;
const size_t MEMORY_PIXELS = 800 * 480 * 3; // the test HAL's buffers and animation storage

uint32_t nextRandom(uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

// Empty when equal, else where the first difference lies in the frame-buffer memory.
std::string firstDifference(const std::vector<uint16_t>& actual, const std::vector<uint16_t>& expected)
{
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin());
    if (at.first == actual.end()) {
        return "";
    }
    const size_t index = static_cast<size_t>(at.first - actual.begin());
    return "buffer " + std::to_string(index / (800 * 480)) + " at (" + std::to_string(index % 800) + ", " +
           std::to_string(index / 800 % 480) + ")";
}

// A source block in every form the renderer copies: RGB565 pixels (some of them the key
// colour), an alpha plane with transparent, partial and opaque values, and ARGB8888 pixels.
struct Block
{
    Block(int16_t width, int16_t height, uint32_t seed) : width(width), height(height)
    {
        const size_t count = static_cast<size_t>(width) * height;
        for (size_t i = 0; i < count; ++i) {
            const uint32_t value = nextRandom(seed);
            pixels.push_back(value % 7 == 0 ? KEY : static_cast<uint16_t>(value));
            const uint32_t kind = (value >> 16) % 4;
            alpha.push_back(static_cast<uint8_t>(kind == 0 ? 0 : (kind == 1 ? 255 : value >> 3)));
            argb.push_back((static_cast<uint32_t>(alpha.back()) << 24) | (nextRandom(seed) & 0xFFFFFF));
        }
    }

    // The block as a landscape display shows what a portrait one draws: display (x, y) is
    // frame-buffer (y, 480 - 1 - x), so source pixel (x, y) goes to (y, width - 1 - x).
    Block turned() const
    {
        Block result(height, width, 0);
        for (int16_t y = 0; y < height; ++y) {
            for (int16_t x = 0; x < width; ++x) {
                const size_t from = static_cast<size_t>(y) * width + x;
                const size_t to = static_cast<size_t>(width - 1 - x) * height + y;
                result.pixels[to] = pixels[from];
                result.alpha[to] = alpha[from];
                result.argb[to] = argb[from];
            }
        }
        return result;
    }

    // A rectangle of this block in the turned one.
    Rectangle turnedRect(const Rectangle& r) const
    {
        return Rectangle(r.y, static_cast<int16_t>(width - r.x - r.width), r.height, r.width);
    }

    BitmapRecord record(BitmapFormat format, bool withAlphaPlane, const Rectangle& solid) const
    {
        const uint8_t* data = format == BITMAP_ARGB8888 ? reinterpret_cast<const uint8_t*>(argb.data())
                                                        : reinterpret_cast<const uint8_t*>(pixels.data());
        return BitmapRecord{data,
                            withAlphaPlane ? alpha.data() : nullptr,
                            static_cast<uint16_t>(width),
                            static_cast<uint16_t>(height),
                            solid.x,
                            solid.y,
                            static_cast<uint16_t>(solid.width),
                            static_cast<uint16_t>(solid.height),
                            format};
    }

    int16_t width;
    int16_t height;
    std::vector<uint16_t> pixels;
    std::vector<uint8_t> alpha;
    std::vector<uint32_t> argb;
};

// One drawing, done once on a portrait display and once, turned, on the landscape one.
class Orientation : public ::testing::Test
{
protected:
    enum : BitmapId
    {
        ALPHA_PLANE,
        ALPHA_PLANE_TURNED,
        KEYED,
        KEYED_TURNED,
        ARGB,
        ARGB_TURNED,
        COUNT
    };

    Orientation() : block(30, 60, 7), turned(block.turned())
    {
        // The solid rectangle must hold opaque pixels only: make them so in both.
        const Rectangle solid(4, 10, 20, 40);
        for (int16_t y = solid.y; y < solid.bottom(); ++y) {
            for (int16_t x = solid.x; x < solid.right(); ++x) {
                const size_t from = static_cast<size_t>(y) * block.width + x;
                const size_t to = static_cast<size_t>(block.width - 1 - x) * block.height + y;
                block.pixels[from] = turned.pixels[to] = static_cast<uint16_t>(0x1000 + x);
                block.alpha[from] = turned.alpha[to] = 255;
            }
        }
        records[ALPHA_PLANE] = block.record(BITMAP_RGB565, true, solid);
        records[ALPHA_PLANE_TURNED] = turned.record(BITMAP_RGB565, true, block.turnedRect(solid));
        records[KEYED] = block.record(BITMAP_RGB565, false, solid);
        records[KEYED_TURNED] = turned.record(BITMAP_RGB565, false, block.turnedRect(solid));
        records[ARGB] = block.record(BITMAP_ARGB8888, false, Rectangle());
        records[ARGB_TURNED] = turned.record(BITMAP_ARGB8888, false, Rectangle());
        uint32_t seed = 99;
        for (uint16_t& pixel : background) {
            pixel = static_cast<uint16_t>(nextRandom(seed));
        }
    }

    // The whole memory behind the HAL after draw, from the same background.
    template <class Draw>
    std::vector<uint16_t> drawn(uint32_t orientation, Draw draw)
    {
        std::copy(background.begin(), background.end(), hal.frameBufferBlock());
        hal.setDisplayOrientation(orientation);
        hal.updateDisplayOrientation();
        draw();
        hal.setDisplayOrientation(HAL::ORIENTATION_LANDSCAPE);
        hal.updateDisplayOrientation();
        return std::vector<uint16_t>(hal.frameBufferBlock(), hal.frameBufferBlock() + MEMORY_PIXELS);
    }

    // Portrait positions of the block: inside, over the right and bottom edges (display y 700
    // and more lies past the end of a landscape frame buffer), over the left and top edges.
    struct Place
    {
        int16_t x, y;
    };
    static constexpr Place PLACES[4] = {{10, 20}, {465, 770}, {-7, 300}, {200, -10}};

    // Where the turned block goes on the landscape display.
    Place landscapePlace(const Place& p) const
    {
        return Place{p.y, static_cast<int16_t>(480 - p.x - block.width)};
    }

    Block block;
    Block turned;
    BitmapRecord records[COUNT];
    std::vector<uint16_t> background = std::vector<uint16_t>(MEMORY_PIXELS);
    NoDMA dma;
    LCD16bpp lcd;
    TestHAL hal{dma, lcd, nullptr};
};

constexpr Orientation::Place Orientation::PLACES[4];
} // namespace

TEST_F(Orientation, PortraitCopyLandsWhereTheTurnedDisplayShowsIt)
{
    std::vector<uint16_t> portrait = drawn(HAL::ORIENTATION_PORTRAIT, [&] {
        lcd.copyRect(block.pixels.data(), Rectangle(10, 20, 30, 60), Rectangle(0, 0, 30, 60), 255, false);
    });
    // Display (10, 20) is frame-buffer (20, 469); the block's top-right pixel is at (20, 440).
    EXPECT_EQ(portrait[440 * 800 + 20], block.pixels[29]);
    EXPECT_EQ(portrait[469 * 800 + 20], block.pixels[0]);
    EXPECT_EQ(portrait[440 * 800 + 79], block.pixels[59 * 30 + 29]);

    struct Case
    {
        Rectangle part;
        uint8_t alpha;
        bool keyed;
    };
    const Case cases[] = {
        {Rectangle(0, 0, 30, 60), 255, false},
        {Rectangle(0, 0, 30, 60), 128, false},
        {Rectangle(3, 5, 21, 44), 255, true}, // a part, keyed
        {Rectangle(3, 5, 21, 44), 77, true},
        {Rectangle(5, 7, 20, 30), 200, false},
    };
    for (const Place& place : PLACES) {
        const Place turnedPlace = landscapePlace(place);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "at " << place.x << ", " << place.y << ", case " << (&c - cases));
            const std::vector<uint16_t> expected = drawn(HAL::ORIENTATION_LANDSCAPE, [&] {
                lcd.copyRect(turned.pixels.data(), Rectangle(turnedPlace.x, turnedPlace.y, 60, 30),
                             block.turnedRect(c.part), c.alpha, c.keyed);
            });
            const std::vector<uint16_t> actual = drawn(HAL::ORIENTATION_PORTRAIT, [&] {
                lcd.copyRect(block.pixels.data(), Rectangle(place.x, place.y, 30, 60), c.part, c.alpha, c.keyed);
            });
            EXPECT_NE(expected, background); // something was drawn
            EXPECT_EQ(firstDifference(actual, expected), "");
        }
    }
}

// Alpha-plane, keyed and ARGB8888 bitmaps, each with its solid rectangle and the strips
// around it, whole and in part.
TEST_F(Orientation, PortraitBitmapsMatchTheTurnedLandscapeDrawing)
{
    const ScopedBitmapDatabase database(records, COUNT);
    struct Case
    {
        BitmapId bitmap;
        Rectangle part;
        uint8_t alpha;
    };
    const Case cases[] = {
        {ALPHA_PLANE, Rectangle(0, 0, 30, 60), 255},
        {ALPHA_PLANE, Rectangle(0, 0, 30, 60), 150},
        {ALPHA_PLANE, Rectangle(2, 15, 25, 40), 255},
        {KEYED, Rectangle(0, 0, 30, 60), 255},
        {KEYED, Rectangle(6, 3, 24, 50), 90},
        {ARGB, Rectangle(0, 0, 30, 60), 255},
        {ARGB, Rectangle(1, 2, 20, 50), 180},
    };
    for (const Place& place : PLACES) {
        const Place turnedPlace = landscapePlace(place);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "at " << place.x << ", " << place.y << ", case " << (&c - cases));
            const std::vector<uint16_t> expected = drawn(HAL::ORIENTATION_LANDSCAPE, [&] {
                lcd.drawBitmapPart(Bitmap(static_cast<BitmapId>(c.bitmap + 1)), turnedPlace.x, turnedPlace.y,
                                   block.turnedRect(c.part), c.alpha, true);
            });
            const std::vector<uint16_t> actual = drawn(HAL::ORIENTATION_PORTRAIT, [&] {
                lcd.drawBitmapPart(Bitmap(c.bitmap), place.x, place.y, c.part, c.alpha, true);
            });
            EXPECT_NE(expected, background);
            EXPECT_EQ(firstDifference(actual, expected), "");
        }
    }
}
