#include "guicontrols/RotatingIcon.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <memory>

using namespace guicontrols;
using namespace guicontrols::test;

TEST_F(WidgetTest, RotatingIconShowsANewFrameEveryTenTicks)
{
    RotatingIcon icon;
    EXPECT_EQ(icon.getBitmap().getId(), 200);
    EXPECT_EQ(icon.getRect(), quillon::Rectangle(0, 0, 64, 64));
    icon.setRotating(true);
    EXPECT_TRUE(icon.isVisible());
    std::vector<std::pair<int, quillon::BitmapId>> changes;
    quillon::BitmapId shown = icon.getBitmap().getId();
    for (int tick = 1; tick <= 50; ++tick) {
        quillon::Bitmap before = icon.getBitmap();
        frame.frames(1);
        if (tick % 10 == 0) {
            changes.push_back({tick, icon.getBitmap().getId()});
        } else {
            EXPECT_EQ(icon.getBitmap().getId(), before.getId()) << tick;
        }
        shown = icon.getBitmap().getId();
    }
    const std::vector<std::pair<int, quillon::BitmapId>> expected = {
        {10, 200}, {20, 201}, {30, 202}, {40, 203}, {50, 200}};
    EXPECT_EQ(changes, expected);

    // Stopped at tick 55, started again: it goes on where it stopped.
    frame.frames(5);
    icon.setRotating(false);
    EXPECT_FALSE(icon.isVisible());
    frame.frames(30);
    EXPECT_EQ(icon.getBitmap().getId(), shown);
    icon.setRotating(true);
    frame.frames(4);
    EXPECT_EQ(icon.getBitmap().getId(), 200);
    frame.frames(1);
    EXPECT_EQ(icon.getBitmap().getId(), 201);
}

// Started twice and stopped once, or destroyed while rotating: never left ticking.
TEST_F(WidgetTest, RotatingIconKeepsOneRegistration)
{
    RotatingIcon icon(7);
    EXPECT_EQ(icon.getFlag(), 7u);
    icon.setRotating(true);
    icon.setRotating(true);
    EXPECT_EQ(application.timerWidgetCount(), 1);
    icon.setRotating(false);
    frame.frames(12);
    EXPECT_EQ(application.timerWidgetCount(), 0);
    EXPECT_EQ(icon.getBitmap().getId(), 200);

    icon.setRotating(true);
    application.clearAllTimerWidgets(); // as a page switch does
    icon.setRotating(true);
    EXPECT_EQ(application.timerWidgetCount(), 1);
    {
        std::unique_ptr<RotatingIcon> other(new RotatingIcon());
        other->setRotating(true);
        EXPECT_EQ(application.timerWidgetCount(), 2);
    }
    frame.frames(1);
    EXPECT_EQ(application.timerWidgetCount(), 1);
    icon.setFrames(210, 211, 210, 211);
    frame.frames(10);
    EXPECT_EQ(icon.getBitmap().getId(), 210);
}
