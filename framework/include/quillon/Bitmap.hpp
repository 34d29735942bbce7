#ifndef QUILLON_BITMAP_HPP
#define QUILLON_BITMAP_HPP

#include <quillon/Assert.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace quillon
{
typedef uint16_t BitmapId;
const BitmapId BITMAP_NONE = 0xFFFF;

// Pixel formats of BitmapRecord::format (bits 0-1).
enum BitmapFormat : uint8_t
{
    BITMAP_RGB565 = 0,
    BITMAP_ARGB8888 = 1
};

// One compiled-in bitmap, as generated.
struct BitmapRecord
{
    const uint8_t* data;      // RGB565: width x height 16-bit pixels; ARGB8888: 32-bit pixels
    const uint8_t* alphaData; // RGB565 only: width x height bytes, 0 transparent..255 opaque; null for none
    uint16_t width;
    uint16_t height;
    int16_t solidX;           // largest rectangle whose pixels are all opaque, bitmap coordinates
    int16_t solidY;
    uint16_t solidWidth;
    uint16_t solidHeight;     // bits 0-13; bits 14-15 reserved (0)
    uint8_t format;           // BitmapFormat in bits 0-1; other bits reserved (0)
};

// One entry per bitmap at the start of the cache storage: its cached copy, null when not cached.
struct CacheTableEntry
{
    const uint8_t* data;
};

// A handle to a registered bitmap; copied by value. Ids outside the database are empty.
class Bitmap
{
public:
    static const uint16_t SOLID_HEIGHT_MASK = 0x3FFF;

    explicit Bitmap(BitmapId id = BITMAP_NONE) : bitmapId(id) {}

    BitmapId getId() const;
    uint16_t getWidth() const;
    uint16_t getHeight() const;
    Rectangle getRect() const { return Rectangle(0, 0, static_cast<int16_t>(getWidth()), static_cast<int16_t>(getHeight())); }
    Rectangle getSolidRect() const;
    bool hasAlphaData() const;
    bool hasNonSolidArea() const;
    BitmapFormat getFormat() const;
    // The cached copy when cached; null for BITMAP_NONE.
    const uint8_t* getData() const;
    // Null for BITMAP_NONE and for bitmaps without an alpha plane.
    const uint8_t* getAlphaData() const;

    bool operator==(const Bitmap& other) const { return bitmapId == other.bitmapId; }
    bool operator!=(const Bitmap& other) const { return bitmapId != other.bitmapId; }

    // The first registration holds; later ones are ignored. The cache storage is optional.
    static void registerBitmapDatabase(const BitmapRecord* records, uint16_t count, uint8_t* cacheStorage = nullptr,
                                       uint32_t cacheSize = 0);
    static void setCache(uint8_t* storage, uint32_t size);
    static void clearCache();
    // False when there is no cache, no room in it, or no such bitmap.
    [[nodiscard]] static bool cacheBitmap(BitmapId id);
    static void cacheAll();
    static uint16_t getCount() { return numberOfBitmaps; }

    // The whole registration: database and cache. The program registers once; a test that
    // needs a database of its own takes what is there and puts it back afterwards.
    struct Registration
    {
        const BitmapRecord* records;
        uint16_t count;
        CacheTableEntry* cacheTable;
        uint8_t* nextFreeCache;
        uint32_t freeCacheBytes;
        uint32_t cacheSize;
    };
    static Registration getRegistration();
    // An all-null registration leaves no database, as before the first registration.
    static void setRegistration(const Registration& registration);

private:
    // Copies a bitmap's pixels (and alpha plane) into the cache; the spaces are padded sizes.
    [[nodiscard]] static bool copyToCache(BitmapId id, const uint8_t* pixels, uint32_t pixelBytes,
                                          uint32_t pixelSpace, const uint8_t* alpha, uint32_t alphaBytes,
                                          uint32_t alphaSpace);
    // Null outside the database, and before one is registered.
    const BitmapRecord* record() const
    {
        return bitmaps != nullptr && bitmapId < numberOfBitmaps ? &bitmaps[bitmapId] : nullptr;
    }

    BitmapId bitmapId;

    static const BitmapRecord* bitmaps;
    static uint16_t numberOfBitmaps;
    static CacheTableEntry* cacheTable;
    static uint8_t* nextFreeCache;
    static uint32_t freeCacheBytes;
    static uint32_t cacheSize;
};

inline bool Bitmap::hasNonSolidArea() const
{
    const BitmapRecord* r = record();
    return r != nullptr && (r->solidWidth < r->width || (r->solidHeight & SOLID_HEIGHT_MASK) < r->height);
}

inline BitmapFormat Bitmap::getFormat() const
{
    const BitmapRecord* r = record();
    return r != nullptr ? static_cast<BitmapFormat>(r->format & 0x03) : BITMAP_RGB565;
}

// The places these assertions report are part of the messages tools look for.
#define QUILLON_BITMAP_HEADER_ASSERT(line) \
    QUILLON_ASSERT_AT(bitmaps != nullptr && "Bitmap database has not been initialized.", \
                      "framework/include/quillon/Bitmap", line)

inline BitmapId Bitmap::getId() const
{
    QUILLON_BITMAP_HEADER_ASSERT(147);
    return bitmapId;
}

inline uint16_t Bitmap::getWidth() const
{
    QUILLON_BITMAP_HEADER_ASSERT(201);
    const BitmapRecord* r = record();
    return r != nullptr ? r->width : 0;
}

inline bool Bitmap::hasAlphaData() const
{
    QUILLON_BITMAP_HEADER_ASSERT(208);
    const BitmapRecord* r = record();
    return r != nullptr && r->alphaData != nullptr;
}

inline uint16_t Bitmap::getHeight() const
{
    QUILLON_BITMAP_HEADER_ASSERT(216);
    const BitmapRecord* r = record();
    return r != nullptr ? r->height : 0;
}

inline Rectangle Bitmap::getSolidRect() const
{
    QUILLON_BITMAP_HEADER_ASSERT(260);
    const BitmapRecord* r = record();
    if (r == nullptr) {
        return Rectangle();
    }
    return Rectangle(r->solidX, r->solidY, static_cast<int16_t>(r->solidWidth),
                     static_cast<int16_t>(r->solidHeight & SOLID_HEIGHT_MASK));
}
} // namespace quillon

#undef QUILLON_BITMAP_HEADER_ASSERT

#endif
