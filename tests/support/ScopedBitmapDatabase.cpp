#include "ScopedBitmapDatabase.hpp"

namespace quillon
{
namespace test
{
ScopedBitmapDatabase::ScopedBitmapDatabase(const BitmapRecord* records, uint16_t count, uint8_t* cacheStorage,
                                           uint32_t cacheSize)
    : previous(Bitmap::getRegistration())
{
    Bitmap::setRegistration(Bitmap::Registration{}); // the first registration holds: start from none
    Bitmap::registerBitmapDatabase(records, count, cacheStorage, cacheSize);
}

ScopedBitmapDatabase::~ScopedBitmapDatabase()
{
    Bitmap::setRegistration(previous);
}
} // namespace test
} // namespace quillon
