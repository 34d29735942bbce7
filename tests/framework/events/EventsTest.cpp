#include <gtest/gtest.h>
#include <quillon/events/ClickEvent.hpp>
#include <quillon/events/DragEvent.hpp>
#include <quillon/events/GestureEvent.hpp>

using namespace quillon;

TEST(Events, TypesAndFields)
{
    const ClickEvent click(ClickEvent::CANCEL, -3, 479);
    const DragEvent drag(DragEvent::DRAGGED, 10, 20, 4, 35);
    const GestureEvent swipe(GestureEvent::SWIPE_VERTICAL, -12, 100, 200);
    const Event* events[] = {&click, &drag, &swipe};
    EXPECT_EQ(events[0]->getEventType(), Event::EVENT_CLICK);
    EXPECT_EQ(events[1]->getEventType(), Event::EVENT_DRAG);
    EXPECT_EQ(events[2]->getEventType(), Event::EVENT_GESTURE);

    EXPECT_EQ(click.getType(), ClickEvent::CANCEL);
    EXPECT_EQ(click.getX(), -3);
    EXPECT_EQ(click.getY(), 479);

    EXPECT_EQ(drag.getDeltaX(), -6);
    EXPECT_EQ(drag.getDeltaY(), 15);
    EXPECT_EQ(drag.getOldX(), 10);
    EXPECT_EQ(drag.getNewY(), 35);

    GestureEvent copy(GestureEvent::SWIPE_HORIZONTAL, 0, 0, 0);
    copy = swipe;
    EXPECT_EQ(copy.getType(), GestureEvent::SWIPE_VERTICAL);
    EXPECT_EQ(copy.getVelocity(), -12);
    EXPECT_EQ(copy.getX(), 100);
    EXPECT_EQ(copy.getY(), 200);
}
