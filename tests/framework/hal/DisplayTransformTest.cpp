#include <gtest/gtest.h>
#include <quillon/hal/DisplayTransform.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/hal/NoDMA.hpp>
#include <support/NullLCD.hpp>
#include <support/TestHAL.hpp>

using namespace quillon;
using namespace quillon::test;

TEST(DisplayTransform, IdentityInTheNativeOrientation)
{
    NoDMA dma;
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr);
    int16_t x = 10, y = 20;
    DisplayTransform::touchToLogical(x, y);
    DisplayTransform::pointToFrameBuffer(x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    Rectangle r(10, 20, 30, 40);
    DisplayTransform::rectToFrameBuffer(r);
    EXPECT_EQ(r, Rectangle(10, 20, 30, 40));
}

// Portrait use of the landscape panel: logical 480 x 800 on a native 800 x 480 buffer.
TEST(DisplayTransform, RotatesIntoTheNativeFrameBuffer)
{
    NoDMA dma;
    NullLCD lcd;
    TestHAL hal(dma, lcd, nullptr);
    hal.setDisplayOrientation(HAL::ORIENTATION_PORTRAIT);
    hal.updateDisplayOrientation();

    int16_t x = 10, y = 20;
    DisplayTransform::pointToFrameBuffer(x, y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 469);

    Rectangle r(10, 20, 30, 40); // logical columns 10..39, rows 20..59
    DisplayTransform::rectToFrameBuffer(r);
    EXPECT_EQ(r, Rectangle(20, 440, 40, 30));

    Rectangle inFrame(0, 0, 5, 1);
    DisplayTransform::rectToFrameBuffer(inFrame, Rectangle(0, 0, 100, 50));
    EXPECT_EQ(inFrame, Rectangle(0, 95, 1, 5));

    x = 100;
    y = 7; // a touch at panel 100, 7
    DisplayTransform::touchToLogical(x, y);
    EXPECT_EQ(x, 472);
    EXPECT_EQ(y, 100);
}
