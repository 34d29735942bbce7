#ifndef QUILLON_TESTS_FIXTUREBITMAPS_HPP
#define QUILLON_TESTS_FIXTUREBITMAPS_HPP

#include <quillon/Bitmap.hpp>
#include <support/ScopedBitmapDatabase.hpp>

#include <cstdint>

namespace quillon
{
namespace test
{
// Bitmaps in the generated record format, registered per test with FixtureBitmaps.
namespace fixture
{
enum : BitmapId
{
    SMALL_WITH_ALPHA = 0, // 3 x 3, alpha plane, solid centre pixel
    FRAMED = 1,           // 6 x 4, alpha plane; its solid rectangle (1, 1, 4, 2) is copied plainly
    KEYED = 2,            // 4 x 2, no alpha plane, key pixels outside the solid left half
    ARGB = 3,             // 3 x 2, 32-bit pixels
    OPAQUE_LINE = 4,      // 5 x 1, all solid; reserved bits set in solidHeight
    SPARSE_ALPHA = 5,     // 9 x 2, alpha plane with lone non-zero values
    COUNT = 6
};

const uint16_t KEY = 0xABCD;

alignas(4) const uint16_t smallPixels[9] = {0x1111, 0x2222, 0x3333, 0x4444, 0x5555, 0x6666, 0x7777, 0x8888, 0x9999};
alignas(4) const uint8_t smallAlpha[9] = {0, 64, 0, 64, 255, 64, 0, 64, 0};

alignas(4) const uint16_t framedPixels[24] = {
    0xF800, 0xF800, 0xF800, 0xF800, 0xF800, 0xF800, //
    0xF800, 0x07E0, 0x07E0, 0x07E0, 0x07E0, 0xF800, //
    0xF800, 0x07E0, 0x07E0, 0x07E0, 0x07E0, 0xF800, //
    0xF800, 0xF800, 0xF800, 0xF800, 0xF800, 0xF800,
};
// Inside the solid rectangle the plane says 0x10 on purpose: a plain copy ignores it.
alignas(4) const uint8_t framedAlpha[24] = {
    128, 128, 128, 128, 128, 128, //
    128, 0x10, 0x10, 0x10, 0x10, 128, //
    128, 0x10, 0x10, 0x10, 0x10, 128, //
    128, 128, 128, 128, 128, 128,
};

alignas(4) const uint16_t keyedPixels[8] = {0x001F, 0x001F, KEY, 0x07E0, //
                                            0x001F, 0x001F, 0x07E0, KEY};

alignas(4) const uint32_t argbPixels[6] = {0xFF0000FF, 0x00FFFFFF, 0x80FF0000, //
                                           0xFFFFFFFF, 0x40000000, 0xFF123456};

alignas(4) const uint16_t opaqueLinePixels[5] = {1, 2, 3, 4, 5};

alignas(4) const uint16_t sparsePixels[18] = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0x07E0,
                                              0xFFFF, 0xFFFF, 0xFFFF, 0x001F, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
alignas(4) const uint8_t sparseAlpha[18] = {0, 0, 0, 0, 0, 0, 0, 0, 255, //
                                            0, 0, 0, 255, 0, 0, 0, 0, 0};

inline const uint8_t* bytes(const void* data)
{
    return static_cast<const uint8_t*>(data);
}

const BitmapRecord records[COUNT] = {
    {bytes(smallPixels), smallAlpha, 3, 3, 1, 1, 1, 1, BITMAP_RGB565},
    {bytes(framedPixels), framedAlpha, 6, 4, 1, 1, 4, 2, BITMAP_RGB565},
    {bytes(keyedPixels), nullptr, 4, 2, 0, 0, 2, 2, BITMAP_RGB565},
    {bytes(argbPixels), nullptr, 3, 2, 0, 0, 0, 0, BITMAP_ARGB8888},
    {bytes(opaqueLinePixels), nullptr, 5, 1, 0, 0, 5, 0xC001, BITMAP_RGB565},
    {bytes(sparsePixels), sparseAlpha, 9, 2, 0, 0, 0, 0, BITMAP_RGB565},
};
} // namespace fixture

// The fixture bitmaps, registered for as long as this lives.
class FixtureBitmaps : public ScopedBitmapDatabase
{
public:
    FixtureBitmaps() : ScopedBitmapDatabase(fixture::records, fixture::COUNT) {}
};
} // namespace test
} // namespace quillon

#endif
