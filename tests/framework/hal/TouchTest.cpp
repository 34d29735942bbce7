#include "EventLog.hpp"

#include <gtest/gtest.h>
#include <quillon/hal/NoDMA.hpp>
#include <quillon/hal/TouchCalibration.hpp>
#include <support/NullLCD.hpp>
#include <support/ScriptedTouchController.hpp>
#include <support/TestHAL.hpp>

using namespace quillon;
using namespace quillon::test;
using Lines = std::vector<std::string>;

namespace
{
class Touch : public ::testing::Test
{
protected:
    Touch() : hal(dma, lcd, &touch) { hal.setListener(&log); }

    // One frame per queued sample, then the log.
    const Lines& run()
    {
        hal.frames(static_cast<uint32_t>(touch.queuedSamples()));
        return log.lines;
    }

    // Press at 100,100, drag to 110,100 and 130,100, rest there for the given frames, lift.
    void swipeThenLiftAfter(uint32_t framesAfterLastDrag)
    {
        touch.queueTouch(100, 100);
        touch.queueTouch(110, 100);
        touch.queueTouch(130, 100);
        for (uint32_t i = 1; i < framesAfterLastDrag; i++) {
            touch.queueTouch(130, 100);
        }
        touch.queueNoTouch();
    }

    NoDMA dma;
    NullLCD lcd;
    ScriptedTouchController touch;
    TestHAL hal;
    EventLog log;
};
} // namespace

TEST_F(Touch, PressDragsSwipeAndRelease)
{
    swipeThenLiftAfter(1);
    EXPECT_EQ(run(), (Lines{"press 100,100", "drag 100,100 -> 110,100", "drag 110,100 -> 130,100",
                            "swipe horizontal 20 at 130,100", "release 130,100"}));
}

TEST_F(Touch, RestingFingerIsNoDrag)
{
    touch.queueTouch(100, 100);
    touch.queueTouch(100, 100);
    EXPECT_EQ(run(), (Lines{"press 100,100"}));
    EXPECT_TRUE(hal.isTouching());
}

// The gesture tick of the drag's own frame is the first; the eighth clears the velocity.
TEST_F(Touch, ReleaseSwipesOnlyWithinSevenFramesOfTheLastDrag)
{
    struct Case { uint32_t framesAfterLastDrag; bool swipes; };
    const Case cases[] = {{7, true}, {8, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.framesAfterLastDrag);
        log.lines.clear();
        swipeThenLiftAfter(c.framesAfterLastDrag);
        Lines expected = {"press 100,100", "drag 100,100 -> 110,100", "drag 110,100 -> 130,100"};
        if (c.swipes) {
            expected.push_back("swipe horizontal 20 at 130,100");
        }
        expected.push_back("release 130,100");
        EXPECT_EQ(run(), expected);
        hal.frames(10); // let the velocity expire before the next case
    }
}

TEST_F(Touch, LastStepDecidesTheSwipe)
{
    struct Case { int dx; int dy; Lines expected; };
    const Case cases[] = {
        {3, 0, {"press 100,100", "drag 100,100 -> 103,100", "release 103,100"}},
        {4, 0, {"press 100,100", "drag 100,100 -> 104,100", "swipe horizontal 4 at 104,100", "release 104,100"}},
        {0, -4, {"press 100,100", "drag 100,100 -> 100,96", "swipe vertical -4 at 100,96", "release 100,96"}},
        {5, -6,
         {"press 100,100", "drag 100,100 -> 105,94", "swipe horizontal 5 at 105,94", "swipe vertical -6 at 105,94",
          "release 105,94"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(EventLog::point(c.dx, c.dy));
        log.lines.clear();
        touch.queueTouch(100, 100);
        touch.queueTouch(100 + c.dx, 100 + c.dy);
        touch.queueNoTouch();
        EXPECT_EQ(run(), c.expected);
        hal.frames(10);
    }
}

// The press does not clear the velocity, so a quick tap repeats the swipe at the tap.
TEST_F(Touch, TapRightAfterASwipeRepeatsIt)
{
    swipeThenLiftAfter(1);
    touch.queueTouch(300, 200);
    touch.queueNoTouch();
    const Lines& lines = run();
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{"press 300,200", "swipe horizontal 20 at 300,200", "release 300,200"}));
}

TEST_F(Touch, ControllerIsReadOnEveryNthTick)
{
    struct Case { uint8_t rate; uint32_t frames; uint32_t samples; };
    const Case cases[] = {{1, 6, 6}, {3, 6, 2}, {3, 8, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        NoDMA otherDma;
        ScriptedTouchController controller;
        TestHAL other(otherDma, lcd, &controller);
        other.setTouchSampleRate(c.rate);
        other.frames(c.frames);
        EXPECT_EQ(controller.sampleCount(), c.samples);
    }
}

TEST_F(Touch, KeysReachTheListenerOnce)
{
    hal.typeKey('a');
    hal.frames(2);
    EXPECT_EQ(log.lines, (Lines{"key 97"}));
}

TEST_F(Touch, RotatedDisplayTurnsTouchesIntoLogicalCoordinates)
{
    hal.setDisplayOrientation(HAL::ORIENTATION_PORTRAIT);
    hal.frame(); // applied at the start of the tick
    EXPECT_EQ(HAL::SCREEN_WIDTH, 480);
    EXPECT_EQ(HAL::SCREEN_HEIGHT, 800);
    EXPECT_EQ(HAL::FB_WIDTH, 800);
    EXPECT_EQ(HAL::FB_HEIGHT, 480);

    touch.queueTouch(10, 20);
    touch.queueNoTouch();
    EXPECT_EQ(run(), (Lines{"press 459,10", "release 459,10"}));

    hal.setDisplayOrientation(HAL::ORIENTATION_LANDSCAPE);
    hal.frame();
    EXPECT_EQ(HAL::SCREEN_WIDTH, 800);
    EXPECT_EQ(HAL::ORIENTATION_SWAPPED, 0u);
}

TEST(TouchCalibration, MapsPanelReadingsAffinely)
{
    TouchCalibration calibration;
    TouchCalibration::Point point = {100, 50};
    calibration.apply(point);
    EXPECT_EQ(point.x, 100); // off until set up
    EXPECT_EQ(point.y, 50);

    // Display = 2 x panel + (10, 20); panel readings of a 12-bit controller.
    const TouchCalibration::Point display[3] = {{10 + 2 * 100, 20 + 2 * 200}, {10 + 2 * 3000, 20 + 2 * 400},
                                                {10 + 2 * 1500, 20 + 2 * 3900}};
    const TouchCalibration::Point panel[3] = {{100, 200}, {3000, 400}, {1500, 3900}};
    calibration.setFromPoints(display, panel);
    ASSERT_TRUE(calibration.isActive());
    for (const TouchCalibration::Point reading : {TouchCalibration::Point{100, 50}, {4095, 4095}, {0, 0}}) {
        TouchCalibration::Point mapped = reading;
        calibration.apply(mapped);
        EXPECT_EQ(mapped.x, 10 + 2 * reading.x);
        EXPECT_EQ(mapped.y, 20 + 2 * reading.y);
    }

    const TouchCalibration::Point collinear[3] = {{0, 0}, {10, 10}, {20, 20}};
    calibration.setFromPoints(display, collinear);
    EXPECT_FALSE(calibration.isActive());
}
