#include "BitmapDatabase.hpp"

void BitmapDatabase::registerDatabase()
{
    // The bitmaps are read in place; this program keeps no cached copies.
    quillon::Bitmap::registerBitmapDatabase(getTable(), getCount(), nullptr, 0);
}
