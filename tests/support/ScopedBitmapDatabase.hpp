#ifndef QUILLON_TEST_SCOPEDBITMAPDATABASE_HPP
#define QUILLON_TEST_SCOPEDBITMAPDATABASE_HPP

#include <quillon/Bitmap.hpp>

#include <cstdint>

namespace quillon
{
namespace test
{
// A bitmap database registered for one test: while it lives it is the only one (with its
// cache, if given); on destruction whatever was registered before is back. So every test
// finds its own bitmaps, also when the whole binary runs in one process.
class ScopedBitmapDatabase
{
public:
    ScopedBitmapDatabase(const BitmapRecord* records, uint16_t count, uint8_t* cacheStorage = nullptr,
                         uint32_t cacheSize = 0);
    ~ScopedBitmapDatabase();

    ScopedBitmapDatabase(const ScopedBitmapDatabase&) = delete;
    ScopedBitmapDatabase& operator=(const ScopedBitmapDatabase&) = delete;

private:
    Bitmap::Registration previous;
};
} // namespace test
} // namespace quillon

#endif
