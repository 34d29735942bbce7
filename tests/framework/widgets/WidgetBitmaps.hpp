#ifndef QUILLON_TESTS_WIDGETBITMAPS_HPP
#define QUILLON_TESTS_WIDGETBITMAPS_HPP

#include "framework/lcd/FixtureBitmaps.hpp"
#include "support/ScopedBitmapDatabase.hpp"

#include <quillon/Bitmap.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quillon
{
namespace test
{
// The renderer's fixture bitmaps followed by the ones the widget tests need.
namespace widgetbitmaps
{
enum : BitmapId
{
    BUTTON_UP = fixture::COUNT, // 100 x 40, solid
    BUTTON_DOWN,                // 100 x 50, solid
    WIDE_UP,                    // 120 x 50, solid
    WIDE_DOWN,                  // 120 x 50, solid
    FRAME_FIRST,                // four 8 x 8 frames, ids 10 to 13
    FRAME_LAST = FRAME_FIRST + 3,
    ROUNDED,                    // 10 x 10, alpha plane, solid rectangle 2, 2, 6, 6
    COUNT
};
static_assert(FRAME_FIRST == 10 && FRAME_LAST == 13, "the animation frames are bitmaps 10 to 13");

const Color BUTTON_UP_COLOR = 0x0011;
const Color BUTTON_DOWN_COLOR = 0x0022;
const Color WIDE_UP_COLOR = 0x4208;
const Color WIDE_DOWN_COLOR = 0x8410;
const Color ROUNDED_COLOR = 0x07E0;
inline Color frameColor(BitmapId id)
{
    return static_cast<Color>(0x1000 + id);
}

struct Storage
{
    Storage()
    {
        for (uint16_t i = 0; i < fixture::COUNT; ++i) {
            records[i] = fixture::records[i];
        }
        solid(BUTTON_UP, 100, 40, BUTTON_UP_COLOR);
        solid(BUTTON_DOWN, 100, 50, BUTTON_DOWN_COLOR);
        solid(WIDE_UP, 120, 50, WIDE_UP_COLOR);
        solid(WIDE_DOWN, 120, 50, WIDE_DOWN_COLOR);
        for (BitmapId id = FRAME_FIRST; id <= FRAME_LAST; ++id) {
            solid(id, 8, 8, frameColor(id));
        }
        solid(ROUNDED, 10, 10, ROUNDED_COLOR);
        alpha.assign(100, 255);
        for (int i = 0; i < 10; ++i) { // a transparent ring two pixels wide
            for (int j = 0; j < 10; ++j) {
                if (i < 2 || i >= 8 || j < 2 || j >= 8) {
                    alpha[i * 10 + j] = 0;
                }
            }
        }
        records[ROUNDED].alphaData = alpha.data();
        records[ROUNDED].solidX = 2;
        records[ROUNDED].solidY = 2;
        records[ROUNDED].solidWidth = 6;
        records[ROUNDED].solidHeight = 6;
    }

    void solid(BitmapId id, uint16_t width, uint16_t height, Color color)
    {
        pixels[id].assign(static_cast<size_t>(width) * height, color);
        records[id] = BitmapRecord{reinterpret_cast<const uint8_t*>(pixels[id].data()),
                                   nullptr,
                                   width,
                                   height,
                                   0,
                                   0,
                                   width,
                                   height,
                                   BITMAP_RGB565};
    }

    std::vector<uint16_t> pixels[COUNT];
    std::vector<uint8_t> alpha;
    BitmapRecord records[COUNT];
};

inline Storage& storage()
{
    static Storage bitmaps;
    return bitmaps;
}
} // namespace widgetbitmaps

// The widget bitmaps, registered for as long as this lives.
class WidgetBitmaps : public ScopedBitmapDatabase
{
public:
    WidgetBitmaps() : ScopedBitmapDatabase(widgetbitmaps::storage().records, widgetbitmaps::COUNT) {}
};
} // namespace test
} // namespace quillon

#endif
