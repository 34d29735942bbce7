#include "framework/PrintRectangle.hpp"
#include "framework/widgets/WidgetBitmaps.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/AnimatedImage.hpp>
#include <support/TestApplication.hpp>

#include <gtest/gtest.h>

#include <vector>

using namespace quillon;
using namespace quillon::test;
using namespace quillon::test::widgetbitmaps;

namespace
{
class AnimatedImageTest : public ::testing::Test
{
protected:
    void doneCalled(const AnimatedImage& source) { done.push_back(&source); }

    // Runs application ticks and notes the ticks on which the bitmap shown changed.
    std::vector<std::pair<int, BitmapId>> run(AnimatedImage& image, int ticks)
    {
        std::vector<std::pair<int, BitmapId>> shown;
        BitmapId last = image.getBitmap().getId();
        for (int tick = 1; tick <= ticks; ++tick) {
            application.onTick();
            if (image.getBitmap().getId() != last) {
                last = image.getBitmap().getId();
                shown.push_back({tick, last});
            }
        }
        return shown;
    }

    WidgetBitmaps database;
    TestApplication application;
    std::vector<const AnimatedImage*> done;
    Callback<AnimatedImageTest, const AnimatedImage&> doneCallback{this, &AnimatedImageTest::doneCalled};
};

typedef std::vector<std::pair<int, BitmapId>> Shown;
} // namespace

TEST_F(AnimatedImageTest, ConstructedStoppedOnItsFirstFrame)
{
    AnimatedImage image(FRAME_FIRST, FRAME_LAST, 3);
    EXPECT_EQ(image.getBitmap().getId(), FRAME_FIRST);
    EXPECT_EQ(image.getRect(), Rectangle(0, 0, 8, 8));
    EXPECT_FALSE(image.isRunning());
    EXPECT_EQ(image.getType(), 3);
    EXPECT_TRUE(run(image, 10).empty());
}

TEST_F(AnimatedImageTest, RunsForwardOnceAndStopsOnTheLastFrame)
{
    AnimatedImage image(FRAME_FIRST, FRAME_LAST, 3);
    image.setDoneAction(doneCallback);
    image.startAnimation(false, false, false);
    EXPECT_EQ(application.timerWidgetCount(), 1);
    // Frame 10 is already shown, so the first change is seen on tick 6.
    const Shown shown = run(image, 30);
    EXPECT_EQ(shown, (Shown{{6, 11}, {9, 12}, {12, 13}}));
    EXPECT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0], &image);
    EXPECT_FALSE(image.isRunning());
    EXPECT_EQ(application.timerWidgetCount(), 0);
}

TEST_F(AnimatedImageTest, ShowsEachFrameEveryIntervalTicks)
{
    // Count the redraws of the image: one per frame shown, ticks 3, 6, 9 and 12.
    struct Counting : AnimatedImage
    {
        Counting() : AnimatedImage(FRAME_FIRST, FRAME_LAST, 3) {}
        void setBitmap(const Bitmap& bitmap) override
        {
            shownIds.push_back(bitmap.getId());
            AnimatedImage::setBitmap(bitmap);
        }
        std::vector<BitmapId> shownIds;
    } image;
    std::vector<int> ticks;
    image.startAnimation(false, true, false);
    for (int tick = 1; tick <= 20; ++tick) {
        const size_t before = image.shownIds.size();
        application.onTick();
        if (image.shownIds.size() != before) {
            ticks.push_back(tick);
        }
    }
    EXPECT_EQ(ticks, (std::vector<int>{3, 6, 9, 12}));
    EXPECT_EQ(image.shownIds, (std::vector<BitmapId>{10, 11, 12, 13}));
    EXPECT_EQ(image.getBitmap().getId(), FRAME_LAST);
}

TEST_F(AnimatedImageTest, ReverseAndLoop)
{
    AnimatedImage image(FRAME_FIRST, FRAME_LAST, 1);
    image.setDoneAction(doneCallback);
    image.startAnimation(true, true, true);
    EXPECT_EQ(run(image, 6), (Shown{{1, 13}, {2, 12}, {3, 11}, {4, 10}, {5, 13}, {6, 12}}));
    EXPECT_EQ(done.size(), 1u); // after every pass
    EXPECT_TRUE(image.isRunning());
    EXPECT_EQ(application.timerWidgetCount(), 1);
}

TEST_F(AnimatedImageTest, PauseKeepsTheFrameStopGoesBackToTheStart)
{
    AnimatedImage image(FRAME_FIRST, FRAME_LAST, 1);
    image.startAnimation(false, true, false);
    run(image, 2); // 10, 11 shown; 12 next
    image.togglePause();
    EXPECT_FALSE(image.isRunning());
    EXPECT_TRUE(run(image, 5).empty());
    image.togglePause();
    EXPECT_EQ(run(image, 1), (Shown{{1, 12}}));

    image.stopAnimation();
    EXPECT_EQ(image.getBitmap().getId(), 12); // shown until the next frame
    image.startAnimation(false, false, false);
    EXPECT_EQ(run(image, 1), (Shown{{1, 10}}));
}

TEST_F(AnimatedImageTest, WithoutBothEndsItNeverStarts)
{
    AnimatedImage image(FRAME_FIRST, BITMAP_NONE, 1);
    image.startAnimation(false, true, false);
    EXPECT_FALSE(image.isRunning());
    EXPECT_EQ(application.timerWidgetCount(), 0);
}

// The tick count is 8 bits: an interval of 0 is met only when it wraps.
TEST_F(AnimatedImageTest, IntervalZeroShowsAFrameEvery256Ticks)
{
    AnimatedImage image(FRAME_FIRST, FRAME_LAST, 3);
    image.setFrameInterval(0);
    image.startAnimation(false, true, false);
    EXPECT_EQ(run(image, 600), (Shown{{512, 11}}));
}
