#ifndef BITMAP_DATABASE_HPP
#define BITMAP_DATABASE_HPP

#include <quillon/Bitmap.hpp>

#include <stdint.h>

// The panel's compiled-in bitmaps, generated from assets/bitmaps at build time.
namespace BitmapDatabase
{
const uint16_t BITMAP_COUNT = 239;

// The records, ids 0 .. getCount() - 1.
const quillon::BitmapRecord* getTable();
uint16_t getCount();

// Registers the records with the framework, without cache storage.
void registerDatabase();
} // namespace BitmapDatabase

#endif
