#include <quillon/Bitmap.hpp>
#include <quillon/hal/HAL.hpp>

#include <string.h>

namespace quillon
{
const BitmapRecord* Bitmap::bitmaps = nullptr;
uint16_t Bitmap::numberOfBitmaps = 0;
CacheTableEntry* Bitmap::cacheTable = nullptr;
uint8_t* Bitmap::nextFreeCache = nullptr;
uint32_t Bitmap::freeCacheBytes = 0;
uint32_t Bitmap::cacheSize = 0;

namespace
{
uint32_t paddedToFour(uint32_t bytes)
{
    return (bytes + 3u) & ~3u;
}

bool blockCopy(void* destination, const void* source, uint32_t bytes)
{
    HAL* hal = HAL::getInstance();
    if (hal != nullptr) {
        return hal->blockCopy(destination, source, bytes);
    }
    memcpy(destination, source, bytes); // before the HAL exists (start-up, tests)
    return true;
}

// The places the assertions report are part of the messages tools look for.
const char* const ASSERT_PATH = "framework/source/quillon/Bitmap";
} // namespace

bool Bitmap::copyToCache(BitmapId id, const uint8_t* pixels, uint32_t pixelBytes, uint32_t pixelSpace,
                         const uint8_t* alpha, uint32_t alphaBytes, uint32_t alphaSpace)
{
    if (freeCacheBytes < pixelSpace + alphaSpace) {
        return false;
    }
    bool copied = blockCopy(nextFreeCache, pixels, pixelBytes);
    if (copied && alphaBytes > 0) {
        copied = blockCopy(nextFreeCache + pixelSpace, alpha, alphaBytes);
    }
    if (copied) {
        cacheTable[id].data = nextFreeCache;
        nextFreeCache += pixelSpace + alphaSpace;
        freeCacheBytes -= pixelSpace + alphaSpace;
    }
    return copied;
}

void Bitmap::registerBitmapDatabase(const BitmapRecord* records, uint16_t count, uint8_t* cacheStorage,
                                    uint32_t size)
{
    if (bitmaps != nullptr) {
        return; // the first registration holds
    }
    bitmaps = records;
    numberOfBitmaps = count;
    setCache(cacheStorage, size);
}

Bitmap::Registration Bitmap::getRegistration()
{
    return Registration{bitmaps, numberOfBitmaps, cacheTable, nextFreeCache, freeCacheBytes, cacheSize};
}

void Bitmap::setRegistration(const Registration& registration)
{
    bitmaps = registration.records;
    numberOfBitmaps = registration.count;
    cacheTable = registration.cacheTable;
    nextFreeCache = registration.nextFreeCache;
    freeCacheBytes = registration.freeCacheBytes;
    cacheSize = registration.cacheSize;
}

void Bitmap::clearCache()
{
    if (cacheTable == nullptr) {
        return;
    }
    const uint32_t tableBytes = numberOfBitmaps * sizeof(CacheTableEntry);
    nextFreeCache = reinterpret_cast<uint8_t*>(cacheTable) + tableBytes;
    freeCacheBytes = cacheSize - tableBytes;
    for (uint16_t id = 0; id < numberOfBitmaps; ++id) {
        cacheTable[id].data = nullptr;
    }
}

void Bitmap::setCache(uint8_t* storage, uint32_t size)
{
    if (cacheTable != nullptr || size == 0 || storage == nullptr) {
        return;
    }
    QUILLON_ASSERT_AT(size > numberOfBitmaps * sizeof(CacheTableEntry) && "Insufficient cache storage", ASSERT_PATH,
                      30);
    cacheTable = reinterpret_cast<CacheTableEntry*>(storage);
    cacheSize = size;
    clearCache();
}

bool Bitmap::cacheBitmap(BitmapId id)
{
    if (cacheTable == nullptr || id >= numberOfBitmaps) {
        return false;
    }
    if (cacheTable[id].data != nullptr) {
        return true;
    }
    const BitmapRecord& r = bitmaps[id];
    const uint32_t pixels = static_cast<uint32_t>(r.width) * r.height;
    const uint8_t format = r.format & 0x03;
    if (format == BITMAP_ARGB8888) {
        return copyToCache(id, r.data, pixels * 4, pixels * 4, nullptr, 0, 0);
    }
    QUILLON_ASSERT_AT(format == BITMAP_RGB565 && "Caching only supported for RGB565 and ARGB8888", ASSERT_PATH, 91);
    const uint32_t alphaBytes = r.alphaData != nullptr ? pixels : 0;
    return copyToCache(id, r.data, pixels * 2, paddedToFour(pixels * 2), r.alphaData, alphaBytes,
                       paddedToFour(alphaBytes));
}

void Bitmap::cacheAll()
{
    for (uint16_t id = 0; id < numberOfBitmaps; ++id) {
        const bool cached = cacheBitmap(id);
        QUILLON_ASSERT_AT(cached && "Not all bitmaps could be cached!", ASSERT_PATH, 103);
    }
}

const uint8_t* Bitmap::getData() const
{
    // BITMAP_NONE lies outside every database and gives null.
    QUILLON_ASSERT_AT(bitmaps != nullptr && "Bitmap database has not been initialized.", ASSERT_PATH, 125);
    const BitmapRecord* r = record();
    if (r == nullptr) {
        return nullptr;
    }
    if (cacheTable != nullptr && cacheTable[bitmapId].data != nullptr) {
        return cacheTable[bitmapId].data;
    }
    return r->data;
}

const uint8_t* Bitmap::getAlphaData() const
{
    const BitmapRecord* r = record();
    if (r == nullptr || r->alphaData == nullptr) {
        return nullptr;
    }
    if (cacheTable != nullptr && cacheTable[bitmapId].data != nullptr) {
        return cacheTable[bitmapId].data + paddedToFour(static_cast<uint32_t>(r->width) * r->height * 2);
    }
    return r->alphaData;
}
} // namespace quillon
