#include "framework/PrintRectangle.hpp"
#include "framework/SceneTestSupport.hpp"
#include "framework/widgets/WidgetBitmaps.hpp"

#include <quillon/Callback.hpp>
#include <quillon/Screen.hpp>
#include <quillon/widgets/Button.hpp>
#include <support/TestFrame.hpp>

#include <gtest/gtest.h>

#include <vector>

using namespace quillon;
using namespace quillon::test;
using namespace quillon::test::widgetbitmaps;

namespace
{
const Color SENTINEL = 0x1234;

// What a view does: owns the callback, bound to one of its member functions.
class Receiver
{
public:
    Receiver() : clicked(this, &Receiver::buttonClicked) {}
    void buttonClicked(const AbstractButton& button) { sources.push_back(&button); }

    Callback<Receiver, const AbstractButton&> clicked;
    std::vector<const AbstractButton*> sources;
};

class TestScreen : public Screen
{
};
} // namespace

TEST(Button, FiresOnlyOnAReleaseThatFollowsAPress)
{
    const ClickEvent::ClickEventType P = ClickEvent::PRESSED;
    const ClickEvent::ClickEventType R = ClickEvent::RELEASED;
    const ClickEvent::ClickEventType C = ClickEvent::CANCEL;
    struct Case
    {
        std::vector<ClickEvent::ClickEventType> events;
        size_t fired;
        bool pressedAfter;
    };
    const Case cases[] = {
        {{P, R}, 1, false},
        {{P, C, R}, 0, false}, // slid off, then lifted
        {{R}, 0, false},
        {{P}, 0, true},
        {{P, P, R}, 1, false},
        {{P, R, R}, 1, false},
        {{P, R, P, R}, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Receiver receiver;
        Button button;
        button.setAction(receiver.clicked);
        for (ClickEvent::ClickEventType type : c.events) {
            button.onClick(ClickEvent(type, 1, 1));
        }
        EXPECT_EQ(receiver.sources.size(), c.fired);
        for (const AbstractButton* source : receiver.sources) {
            EXPECT_EQ(source, &button);
        }
        EXPECT_EQ(button.getPressedState(), c.pressedAfter);
    }
}

TEST(Button, RedrawsOnEachChangeOfState)
{
    scenetest::RecordingApplication application;
    Button button;
    button.setPosition(10, 20, 30, 40);
    button.onClick(ClickEvent(ClickEvent::PRESSED, 1, 1));
    button.onClick(ClickEvent(ClickEvent::PRESSED, 1, 1)); // no change, no redraw
    button.onClick(ClickEvent(ClickEvent::CANCEL, 0, 0));
    button.onClick(ClickEvent(ClickEvent::RELEASED, 1, 1));
    ASSERT_EQ(application.received.size(), 2u); // drawn pressed once and released once
    EXPECT_EQ(application.received[0], Rectangle(10, 20, 30, 40));
    EXPECT_EQ(application.received[1], Rectangle(10, 20, 30, 40));
}

TEST(Button, WithoutActionOrWithAnInvalidOneNothingFires)
{
    Button button;
    button.onClick(ClickEvent(ClickEvent::PRESSED, 1, 1));
    button.onClick(ClickEvent(ClickEvent::RELEASED, 1, 1)); // no action set

    Callback<Receiver, const AbstractButton&> unbound;
    button.setAction(unbound);
    button.onClick(ClickEvent(ClickEvent::PRESSED, 1, 1));
    button.onClick(ClickEvent(ClickEvent::RELEASED, 1, 1));
    EXPECT_FALSE(button.getPressedState());
}

TEST(Button, SetBitmapsTakesTheSizeOfThePressedBitmap)
{
    const WidgetBitmaps database;
    Button button;
    EXPECT_TRUE(button.isTouchable());
    EXPECT_EQ(button.getType(), 5);
    button.setXY(7, 8);
    button.setBitmaps(Bitmap(BUTTON_UP), Bitmap(BUTTON_DOWN));
    EXPECT_EQ(button.getRect(), Rectangle(7, 8, 100, 50));
}

TEST(Button, DrawsAndCoversWithTheBitmapOfItsState)
{
    const WidgetBitmaps database;
    TestFrame frame(SENTINEL);
    Button button;
    button.setBitmaps(Bitmap(BUTTON_UP), Bitmap(BUTTON_DOWN));
    button.setXY(10, 10);

    frame.draw(button);
    EXPECT_EQ(frame.count(BUTTON_UP_COLOR), 100 * 40);
    EXPECT_EQ(frame.at(10, 50), SENTINEL); // the released bitmap is 10 lower than the button
    EXPECT_EQ(button.getOpaqueArea(), Rectangle(0, 0, 100, 40));

    button.onClick(ClickEvent(ClickEvent::PRESSED, 1, 1));
    frame.draw(button);
    EXPECT_EQ(frame.count(BUTTON_DOWN_COLOR), 100 * 50);
    EXPECT_EQ(button.getOpaqueArea(), Rectangle(0, 0, 100, 50));

    button.setAlpha(254);
    EXPECT_EQ(button.getOpaqueArea(), Rectangle());
}

// An invisible touch area: draws nothing, covers nothing, yet a click on it fires.
TEST(Button, WithoutBitmapsIsATouchAreaOnly)
{
    const WidgetBitmaps database;
    TestFrame frame(SENTINEL);
    TestScreen screen;
    Receiver receiver;
    Button button;
    button.setPosition(100, 100, 50, 30);
    button.setAction(receiver.clicked);
    screen.add(button);

    frame.draw(screen);
    EXPECT_EQ(frame.totalWrites(), 0);
    EXPECT_EQ(button.getOpaqueArea(), Rectangle());

    screen.onClick(ClickEvent(ClickEvent::PRESSED, 120, 110));
    screen.onClick(ClickEvent(ClickEvent::RELEASED, 120, 110));
    ASSERT_EQ(receiver.sources.size(), 1u);
    EXPECT_EQ(receiver.sources[0], &button);

    screen.onClick(ClickEvent(ClickEvent::PRESSED, 99, 110)); // just outside
    screen.onClick(ClickEvent(ClickEvent::RELEASED, 99, 110));
    EXPECT_EQ(receiver.sources.size(), 1u);
}
