#include "framework/lcd/FixtureBitmaps.hpp"

#include <quillon/Bitmap.hpp>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace quillon;
using namespace quillon::test;

TEST(BitmapDeathTest, UnregisteredDatabaseAsserts)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_DEATH(Bitmap(0).getWidth(),
                 "Bitmap database has not been initialized.\", file framework/include/quillon/Bitmap, line 201");
    EXPECT_DEATH(Bitmap(0).getHeight(), "initialized.\", file framework/include/quillon/Bitmap, line 216");
    EXPECT_DEATH(Bitmap(0).getId(), "initialized.\", file framework/include/quillon/Bitmap, line 147");
    EXPECT_DEATH(Bitmap(0).hasAlphaData(), "initialized.\", file framework/include/quillon/Bitmap, line 208");
    EXPECT_DEATH(Bitmap(0).getSolidRect(), "initialized.\", file framework/include/quillon/Bitmap, line 260");
    EXPECT_DEATH(Bitmap(0).getData(), "initialized.\", file framework/source/quillon/Bitmap, line 125");
    // These answer without a database.
    EXPECT_FALSE(Bitmap(0).hasNonSolidArea());
    EXPECT_EQ(Bitmap(0).getFormat(), BITMAP_RGB565);
}

TEST(Bitmap, RecordsGiveSizesAndRectangles)
{
    const FixtureBitmaps database;
    const Bitmap framed(fixture::FRAMED);
    EXPECT_EQ(framed.getId(), fixture::FRAMED);
    EXPECT_EQ(framed.getWidth(), 6);
    EXPECT_EQ(framed.getHeight(), 4);
    EXPECT_EQ(framed.getRect(), Rectangle(0, 0, 6, 4));
    EXPECT_EQ(framed.getSolidRect(), Rectangle(1, 1, 4, 2));
    EXPECT_TRUE(framed.hasAlphaData());
    EXPECT_TRUE(framed.hasNonSolidArea());
    EXPECT_EQ(framed.getFormat(), BITMAP_RGB565);
    EXPECT_EQ(framed.getData(), fixture::records[fixture::FRAMED].data);
    EXPECT_EQ(framed.getAlphaData(), fixture::framedAlpha);

    const Bitmap line(fixture::OPAQUE_LINE);
    EXPECT_EQ(line.getSolidRect(), Rectangle(0, 0, 5, 1)); // reserved height bits ignored
    EXPECT_FALSE(line.hasNonSolidArea());
    EXPECT_FALSE(line.hasAlphaData());
    EXPECT_EQ(line.getAlphaData(), nullptr);
    EXPECT_EQ(Bitmap(fixture::ARGB).getFormat(), BITMAP_ARGB8888);
}

TEST(Bitmap, NoneAndIdsOutsideAreEmpty)
{
    const FixtureBitmaps database;
    const Bitmap none(BITMAP_NONE);
    EXPECT_EQ(none.getData(), nullptr);
    EXPECT_EQ(none.getAlphaData(), nullptr);
    EXPECT_EQ(none.getWidth(), 0);
    EXPECT_EQ(none.getHeight(), 0);
    EXPECT_EQ(Bitmap().getId(), BITMAP_NONE);
    const Bitmap outside(fixture::COUNT);
    EXPECT_EQ(outside.getWidth(), 0);
    EXPECT_EQ(outside.getRect(), Rectangle());
    EXPECT_EQ(outside.getSolidRect(), Rectangle());
    EXPECT_FALSE(outside.hasAlphaData());
    EXPECT_FALSE(outside.hasNonSolidArea());
}

TEST(Bitmap, SecondRegistrationIsIgnored)
{
    const FixtureBitmaps database;
    const BitmapRecord other[1] = {{fixture::bytes(fixture::opaqueLinePixels), nullptr, 77, 1, 0, 0, 77, 1, 0}};
    Bitmap::registerBitmapDatabase(other, 1);
    EXPECT_EQ(Bitmap::getCount(), fixture::COUNT);
    EXPECT_EQ(Bitmap(0).getWidth(), 3);
}

// Tests register databases of their own; each takes its cache along and puts back what was there.
TEST(Bitmap, ScopedDatabaseRestoresTheRegistrationItFound)
{
    const FixtureBitmaps database;
    {
        const BitmapRecord other[1] = {{fixture::bytes(fixture::opaqueLinePixels), nullptr, 5, 1, 0, 0, 5, 1, 0}};
        alignas(8) static uint8_t storage[64];
        const ScopedBitmapDatabase inner(other, 1, storage, sizeof(storage));
        EXPECT_EQ(Bitmap::getCount(), 1);
        EXPECT_EQ(Bitmap(0).getWidth(), 5);
        EXPECT_TRUE(Bitmap::cacheBitmap(0));
    }
    EXPECT_EQ(Bitmap::getCount(), fixture::COUNT);
    EXPECT_EQ(Bitmap(0).getWidth(), 3);
    EXPECT_FALSE(Bitmap::cacheBitmap(0)); // the outer registration had no cache
    EXPECT_EQ(Bitmap(0).getData(), fixture::records[0].data);
}

TEST(BitmapDeathTest, CacheMustBeLargerThanItsTable)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const FixtureBitmaps database;
    std::vector<uint8_t> storage(1024);
    // Exactly the table (count x 4 bytes on the target, a pointer per entry here) is too small.
    EXPECT_DEATH(Bitmap::setCache(storage.data(), fixture::COUNT * 4),
                 "Insufficient cache storage\", file framework/source/quillon/Bitmap, line 30");
    EXPECT_DEATH(Bitmap::setCache(storage.data(), fixture::COUNT * sizeof(CacheTableEntry)),
                 "Insufficient cache storage");
}

TEST(Bitmap, CachedCopiesArePaddedToFourBytes)
{
    const FixtureBitmaps database;
    alignas(8) static uint8_t storage[512];
    Bitmap::setCache(storage, 0); // size 0 is ignored
    EXPECT_FALSE(Bitmap::cacheBitmap(fixture::SMALL_WITH_ALPHA));
    Bitmap::setCache(storage, sizeof(storage));

    ASSERT_TRUE(Bitmap::cacheBitmap(fixture::SMALL_WITH_ALPHA));
    const Bitmap small(fixture::SMALL_WITH_ALPHA);
    const uint8_t* firstFree = storage + fixture::COUNT * sizeof(CacheTableEntry);
    EXPECT_EQ(small.getData(), firstFree);
    // 3 x 3 pixels: 18 bytes padded to 20, then 9 alpha bytes padded to 12.
    EXPECT_EQ(small.getAlphaData(), firstFree + 20);
    EXPECT_EQ(0, std::memcmp(small.getData(), fixture::smallPixels, sizeof(fixture::smallPixels)));
    EXPECT_EQ(0, std::memcmp(small.getAlphaData(), fixture::smallAlpha, sizeof(fixture::smallAlpha)));
    EXPECT_TRUE(Bitmap::cacheBitmap(fixture::SMALL_WITH_ALPHA)); // already cached: no second copy

    ASSERT_TRUE(Bitmap::cacheBitmap(fixture::ARGB));
    EXPECT_EQ(Bitmap(fixture::ARGB).getData(), firstFree + 20 + 12);
    EXPECT_FALSE(Bitmap::cacheBitmap(fixture::COUNT));
    EXPECT_FALSE(Bitmap::cacheBitmap(BITMAP_NONE));

    Bitmap::clearCache();
    EXPECT_EQ(small.getData(), fixture::records[fixture::SMALL_WITH_ALPHA].data);
    EXPECT_EQ(small.getAlphaData(), fixture::smallAlpha);
}

TEST(BitmapDeathTest, CacheAllAssertsWhenTheCacheIsFull)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const FixtureBitmaps database;
    alignas(8) static uint8_t storage[fixture::COUNT * sizeof(CacheTableEntry) + 40];
    // Set up inside the statement, so only the dying process holds this small cache.
    EXPECT_DEATH(
        {
            Bitmap::setCache(storage, sizeof(storage));
            Bitmap::cacheAll();
        },
        "Not all bitmaps could be cached!\", file framework/source/quillon/Bitmap, line 103");
}
