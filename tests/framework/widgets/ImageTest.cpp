#include "framework/PrintRectangle.hpp"
#include "framework/widgets/WidgetBitmaps.hpp"

#include <quillon/widgets/Image.hpp>
#include <support/TestFrame.hpp>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::test;
using namespace quillon::test::widgetbitmaps;

namespace
{
const Color SENTINEL = 0x1234;
}

TEST(Image, WithoutBitmapNeedsNoDatabase)
{
    const Image image; // may be a member built before the database is registered
    EXPECT_EQ(image.getRect(), Rectangle());
    EXPECT_EQ(image.getOpaqueArea(), Rectangle());
    EXPECT_EQ(image.getAlpha(), 255);
    EXPECT_EQ(image.getType(), 8);
}

TEST(Image, TakesTheSizeOfItsBitmap)
{
    const WidgetBitmaps database;
    Image image{Bitmap(BUTTON_UP)};
    image.setXY(5, 6);
    EXPECT_EQ(image.getRect(), Rectangle(5, 6, 100, 40));
    image.setBitmap(Bitmap(ROUNDED));
    EXPECT_EQ(image.getRect(), Rectangle(5, 6, 10, 10));
    image.setBitmap(Bitmap(BITMAP_NONE));
    EXPECT_EQ(image.getRect(), Rectangle(5, 6, 0, 0));
}

TEST(Image, OpaqueAreaIsTheSolidRectangleAtFullAlpha)
{
    const WidgetBitmaps database;
    Image image{Bitmap(ROUNDED)};
    EXPECT_EQ(image.getOpaqueArea(), Rectangle(2, 2, 6, 6));
    image.setAlpha(254);
    EXPECT_EQ(image.getOpaqueArea(), Rectangle());
}

TEST(Image, DrawsTheBitmapPartAtItsPosition)
{
    const WidgetBitmaps database;
    TestFrame frame(SENTINEL);
    Image image{Bitmap(ROUNDED)};
    image.setXY(50, 60);
    frame.draw(image);
    EXPECT_EQ(frame.count(ROUNDED_COLOR), 6 * 6); // the transparent ring leaves the frame alone
    EXPECT_EQ(frame.at(50, 60), SENTINEL);
    EXPECT_EQ(frame.at(52, 62), ROUNDED_COLOR);
    EXPECT_EQ(frame.at(57, 67), ROUNDED_COLOR);
    EXPECT_EQ(frame.at(58, 67), SENTINEL);

    frame.fill(SENTINEL);
    image.setWidth(30); // a wider widget draws no more than its bitmap
    frame.draw(image, Rectangle(0, 0, 30, 4));
    EXPECT_EQ(frame.count(ROUNDED_COLOR), 6 * 2);
    EXPECT_EQ(frame.maxWritesPerPixel(), 1);
}
