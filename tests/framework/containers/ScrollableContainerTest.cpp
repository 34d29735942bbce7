#include "framework/PrintRectangle.hpp"

#include <quillon/Callback.hpp>
#include <quillon/Screen.hpp>
#include <quillon/containers/ScrollableContainer.hpp>
#include <quillon/widgets/Button.hpp>
#include <support/TestApplication.hpp>

#include <gtest/gtest.h>

#include <vector>

using namespace quillon;
using namespace quillon::test;

namespace
{
struct Click
{
    ClickEvent::ClickEventType type;
    int16_t x;
    int16_t y;
    bool operator==(const Click& other) const { return type == other.type && x == other.x && y == other.y; }
};

void PrintTo(const Click& c, std::ostream* os)
{
    *os << "{" << c.type << ", " << c.x << ", " << c.y << "}";
}

const ClickEvent::ClickEventType PRESSED = ClickEvent::PRESSED;
const ClickEvent::ClickEventType RELEASED = ClickEvent::RELEASED;
const ClickEvent::ClickEventType CANCEL = ClickEvent::CANCEL;

// A button without bitmaps (a touch area) that notes what reaches it and when it fires.
class LoggingButton : public Button
{
public:
    LoggingButton() : action(this, &LoggingButton::fired) { setAction(action); }

    void onClick(const ClickEvent& event) override
    {
        clicks.push_back({event.getType(), event.getX(), event.getY()});
        Button::onClick(event);
    }
    void onDrag(const DragEvent& event) override { drags.push_back(event); }
    void fired(const AbstractButton&) { fires++; }

    Callback<LoggingButton, const AbstractButton&> action;
    std::vector<Click> clicks;
    std::vector<DragEvent> drags;
    int fires = 0;
};

// The container's state, open to the tests.
class TestScrollable : public ScrollableContainer
{
public:
    Rectangle xIndicator() const { return xSlider.getRect(); }
    Rectangle yIndicator() const { return ySlider.getRect(); }
    bool indicatorsShown() const { return xSlider.isVisible() && ySlider.isVisible(); }
    bool isAnimating() const { return animate; }
    uint16_t duration() const { return animationDuration; }
    int16_t distance() const { return animationDistance; }
};

class ScrollableContainerTest : public ::testing::Test
{
protected:
    // A column of rows 200 x rowHeight in a container 200 x 200 at the display origin.
    void build(int rows, int16_t rowHeight = 100, int16_t rowWidth = 200)
    {
        container.setPosition(0, 0, 200, 200);
        for (int i = 0; i < rows; ++i) {
            items[i].setPosition(0, static_cast<int16_t>(i * rowHeight), rowWidth, rowHeight);
            container.add(items[i]);
        }
    }
    int16_t contentY() const { return container.getChildrenArea().y; }

    void press(int16_t x, int16_t y) { container.onClick(ClickEvent(PRESSED, x, y)); }
    void release(int16_t x, int16_t y) { container.onClick(ClickEvent(RELEASED, x, y)); }
    void drag(int16_t x0, int16_t y0, int16_t x1, int16_t y1)
    {
        container.onDrag(DragEvent(DragEvent::DRAGGED, x0, y0, x1, y1));
    }
    void swipe(int16_t velocity, GestureEvent::GestureEventType type = GestureEvent::SWIPE_VERTICAL)
    {
        container.onGesture(GestureEvent(type, velocity, 50, 50));
    }
    // Application ticks until the container has left the timer widgets; returns how many.
    int glide()
    {
        int ticks = 0;
        while (application.timerWidgetCount() > 0 && ticks < 1000) {
            application.onTick();
            ticks++;
        }
        return ticks;
    }

    TestApplication application;
    TestScrollable container;
    LoggingButton items[30];
};
} // namespace

TEST_F(ScrollableContainerTest, TakesTheFocusAndKeepsItsIndicatorsLast)
{
    build(2);
    EXPECT_TRUE(container.isTouchable());
    EXPECT_EQ(container.getType(), 19);
    Drawable* found = nullptr;
    container.findTouchableAt(50, 50, &found);
    EXPECT_EQ(found, &container); // never a child

    container.setVisible(false);
    found = nullptr;
    container.findTouchableAt(50, 50, &found);
    EXPECT_EQ(found, nullptr);

    EXPECT_EQ(container.getChildrenArea(), Rectangle(0, 0, 200, 200)); // without the indicators
    const Drawable* last = &items[0];
    while (last->getNextSibling() != nullptr) {
        last = last->getNextSibling();
    }
    EXPECT_NE(last, &items[1]); // an indicator is drawn over the content
}

// 300 high in 200: 5 pixels do not scroll, the sixth moves 1 pixel and cancels the press;
// later drags move by their own delta until the bottom meets the container's bottom.
TEST_F(ScrollableContainerTest, DragScrollsPastTheThresholdAndClamps)
{
    build(3);
    press(50, 150);
    EXPECT_EQ(items[1].clicks, (std::vector<Click>{{PRESSED, 50, 50}}));
    EXPECT_TRUE(container.indicatorsShown());

    drag(50, 150, 50, 145);
    EXPECT_EQ(contentY(), 0);
    EXPECT_EQ(items[1].clicks.size(), 1u);

    drag(50, 145, 50, 144);
    EXPECT_EQ(contentY(), -1);
    EXPECT_EQ(items[1].clicks.back(), (Click{CANCEL, 50, 50})); // at the press point
    EXPECT_FALSE(items[1].getPressedState());

    drag(50, 144, 50, 104);
    EXPECT_EQ(contentY(), -41);
    drag(50, 104, 50, 4);
    EXPECT_EQ(contentY(), -100);
    EXPECT_EQ(container.getScrolledY(), -100);
    drag(50, 4, 50, 0);
    EXPECT_EQ(contentY(), -100);

    release(50, 0);
    EXPECT_FALSE(container.indicatorsShown());
    for (const LoggingButton& item : items) {
        EXPECT_EQ(item.fires, 0);
    }
    // Content that overflows in both directions never gets the drags; here only one does.
    EXPECT_EQ(items[1].drags.size(), 5u);
}

TEST_F(ScrollableContainerTest, DraggingDownAtTheTopMovesNothing)
{
    build(3);
    press(50, 50);
    drag(50, 50, 50, 60);
    drag(50, 60, 50, 100);
    EXPECT_EQ(contentY(), 0);
    EXPECT_EQ(container.getScrolledY(), 0);
    EXPECT_FALSE(container.scrollBy(0, 10));
    EXPECT_FALSE(container.scrollBy(0, 0));
}

// A scroll disabled on its axis neither moves nor, on that axis alone, starts.
TEST_F(ScrollableContainerTest, DisabledAxisDoesNotMove)
{
    build(3, 100, 400); // overflows both ways
    container.enableHorizontalScroll(false);
    press(100, 100);
    drag(100, 100, 90, 90);
    drag(90, 90, 60, 60);
    EXPECT_EQ(container.getChildrenArea().x, 0);
    EXPECT_EQ(contentY(), -31);
    EXPECT_TRUE(items[1].drags.empty()); // overflowing both ways: drags stay with the container
}

TEST_F(ScrollableContainerTest, ContentThatFitsNeverScrolls)
{
    build(2);
    press(50, 50);
    drag(50, 50, 50, 20);
    drag(50, 20, 50, 0);
    EXPECT_EQ(contentY(), 0);
    ASSERT_EQ(items[0].drags.size(), 2u); // every drag reaches the child under the press
    EXPECT_EQ(items[0].drags[1].getNewY(), 0);
    swipe(-30);
    EXPECT_EQ(application.timerWidgetCount(), 0);
    EXPECT_EQ(container.xIndicator(), Rectangle());
    EXPECT_EQ(container.yIndicator(), Rectangle());
    release(50, 0);
    EXPECT_EQ(items[0].fires, 1); // still on the child it pressed
}

TEST_F(ScrollableContainerTest, LeavingThePressedChildCancelsItsClick)
{
    build(2);
    press(50, 50);
    drag(50, 50, 50, 120); // onto the next row, no overflow to scroll
    EXPECT_EQ(items[0].clicks.back(), (Click{CANCEL, 50, 50}));
    release(50, 120);
    EXPECT_EQ(items[1].clicks, (std::vector<Click>{{RELEASED, 50, 20}}));
    EXPECT_EQ(items[0].fires + items[1].fires, 0);
}

TEST_F(ScrollableContainerTest, CancelReachesThePressedChildAndEndsTheTouch)
{
    build(3);
    press(50, 50);
    container.onClick(ClickEvent(CANCEL, 0, 0));
    EXPECT_EQ(items[0].clicks.back().type, CANCEL);
    EXPECT_FALSE(container.indicatorsShown());
    drag(50, 50, 50, 0); // no child is tied to the touch any more
    EXPECT_EQ(items[0].drags.size(), 0u);
}

// The glide runs its planned frames and lands on its whole distance, also through the curve's
// tail, where a frame's step rounds to the same even position and moves nothing.
TEST_F(ScrollableContainerTest, SwipeGlidesInProportionToItsSpeed)
{
    struct Case
    {
        int16_t start;
        int16_t velocity;
        uint16_t duration;
        int16_t distance;
        int16_t stopped;
    };
    const Case cases[] = {
        {0, -30, 119, -936, -936}, // clamped to 17
        {-1000, 30, 119, 936, -64},
        {0, -6, 42, -144, -144},
        {0, -5, 35, -72, -72},
        {0, -32768, 119, -936, -936}, // no magnitude in 16 bits, still the fastest
    };
    build(30); // 3000 high
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        container.scrollBy(0, static_cast<int16_t>(c.start - contentY()));
        ASSERT_EQ(contentY(), c.start);
        swipe(c.velocity);
        EXPECT_EQ(container.duration(), c.duration);
        EXPECT_EQ(container.distance(), c.distance);
        EXPECT_EQ(glide(), c.duration + 2); // the last frame ends it, the next unregisters
        EXPECT_EQ(contentY(), c.stopped);
        EXPECT_FALSE(container.isAnimating());
    }
}

TEST_F(ScrollableContainerTest, SlowOrUnscrollableSwipesAreIgnored)
{
    build(30);
    swipe(4);
    swipe(-4);
    swipe(-30, GestureEvent::SWIPE_HORIZONTAL); // nothing to scroll sideways
    container.enableVerticalScroll(false);
    swipe(-30);
    EXPECT_EQ(application.timerWidgetCount(), 0);
    EXPECT_FALSE(container.isAnimating());
}

TEST_F(ScrollableContainerTest, GlideMovesInEvenStepsAndStopsAtTheLimit)
{
    build(3); // only 100 to go
    swipe(-30);
    std::vector<int16_t> positions;
    while (application.timerWidgetCount() > 0 && positions.size() < 200) {
        application.onTick();
        positions.push_back(contentY());
    }
    EXPECT_EQ(contentY(), -100);
    EXPECT_LT(positions.size(), 10u); // ended early at the limit
    for (int16_t y : positions) {
        EXPECT_EQ(y % 2, 0);
    }
}

TEST_F(ScrollableContainerTest, PressStopsTheGlideAndStillReachesTheChild)
{
    build(30);
    swipe(-30);
    application.onTick();
    application.onTick();
    const int16_t stopped = contentY();
    EXPECT_LT(stopped, 0);
    press(50, 150);
    EXPECT_FALSE(container.isAnimating());
    application.onTick();
    EXPECT_EQ(application.timerWidgetCount(), 0);
    EXPECT_EQ(contentY(), stopped);
    const int row = (150 - stopped) / 100;
    ASSERT_FALSE(items[row].clicks.empty());
    EXPECT_EQ(items[row].clicks.back(), (Click{PRESSED, 50, static_cast<int16_t>((150 - stopped) % 100)}));
}

TEST_F(ScrollableContainerTest, SwipeCancelsThePressedChild)
{
    build(30);
    press(50, 50);
    swipe(-10);
    EXPECT_EQ(items[0].clicks.back().type, CANCEL);
    release(50, 50);
    EXPECT_EQ(items[0].fires, 0);
}

TEST_F(ScrollableContainerTest, ShrunkContentMovesBackToTheTop)
{
    build(3);
    container.scrollBy(0, -100);
    container.remove(items[2]);
    container.remove(items[1]);
    EXPECT_EQ(contentY(), -100); // remove alone corrects nothing
    container.childrenChanged();
    EXPECT_EQ(contentY(), 0);
    EXPECT_EQ(container.getScrolledY(), 0);
}

TEST_F(ScrollableContainerTest, IndicatorsShowTheVisibleWindow)
{
    build(4); // 200 x 400
    press(50, 50);
    EXPECT_TRUE(container.indicatorsShown());
    EXPECT_EQ(container.yIndicator(), Rectangle(194, 3, 2, 94));
    EXPECT_EQ(container.xIndicator(), Rectangle());
    container.scrollBy(0, -200);
    EXPECT_EQ(container.yIndicator(), Rectangle(194, 103, 2, 94));
    release(50, 50);
    EXPECT_FALSE(container.indicatorsShown());

    container.setScrollbarsVisible(false);
    press(50, 50);
    EXPECT_FALSE(container.indicatorsShown());
}

TEST_F(ScrollableContainerTest, IndicatorsOfContentOverflowingBothWays)
{
    build(20, 100, 1000); // 1000 x 2000 in 200 x 200
    EXPECT_TRUE(container.scrollBy(-400, -1000));
    press(10, 10);
    // Both tracks are shortened by the other indicator's band of 7, to 187.
    EXPECT_EQ(container.xIndicator(), Rectangle(83, 195, 27, 2));
    EXPECT_EQ(container.yIndicator(), Rectangle(194, 103, 2, 7));
    release(10, 10);

    // 4000 x 4000: the indicators would be shorter than twice their width and are held at it.
    for (LoggingButton& item : items) {
        container.remove(item);
    }
    build(20, 200, 4000);
    EXPECT_TRUE(container.scrollBy(-1000, -2000));
    press(10, 10);
    EXPECT_EQ(container.xIndicator(), Rectangle(52, 195, 4, 2));
    EXPECT_EQ(container.yIndicator(), Rectangle(194, 100, 2, 4));
}

// The track is the container's length less twice the padding, 2 and the other band: where
// that leaves nothing, no indicator is shown (and nothing is divided by it).
TEST_F(ScrollableContainerTest, ContainerTooSmallForATrackShowsNoIndicator)
{
    struct Case
    {
        int16_t height;
        Rectangle expected;
    };
    const Case cases[] = {
        {7, {4, -5, 2, 4}}, // a track of 1 still takes the shortest indicator, clipped when drawn
        {6, {}},           // a track of 0
        {3, {}},           // a negative track
        {1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        TestScrollable small;
        Box content(10, 400, 0xFFFF);
        small.setPosition(0, 0, 10, c.height);
        small.add(content);
        EXPECT_TRUE(small.scrollBy(0, -100));
        small.onClick(ClickEvent(PRESSED, 1, 1));
        EXPECT_EQ(small.yIndicator(), c.expected);
        small.onClick(ClickEvent(RELEASED, 1, 1));
    }
}

// A child gets its events in its own coordinates wherever the container sits: the forwarded
// point goes through the container's display position, not its position in its parent.
TEST_F(ScrollableContainerTest, ForwardsEventsInTheChildsCoordinatesWhereverItSits)
{
    for (bool nested : {false, true}) {
        SCOPED_TRACE(nested);
        Screen screen;
        Container panel;
        TestScrollable scrollable;
        LoggingButton child;
        child.setPosition(10, 20, 50, 30);
        scrollable.setPosition(30, 40, 200, 200);
        scrollable.add(child);
        if (nested) {
            panel.setPosition(100, 60, 400, 400);
            panel.add(scrollable);
            screen.add(panel);
        } else {
            screen.add(scrollable);
        }
        const Rectangle absolute = child.getAbsoluteRect();
        EXPECT_EQ(absolute.x, nested ? 140 : 40);

        screen.onClick(ClickEvent(PRESSED, static_cast<int16_t>(absolute.x + 5), static_cast<int16_t>(absolute.y + 6)));
        screen.onDrag(DragEvent(DragEvent::DRAGGED, static_cast<int16_t>(absolute.x + 5),
                                static_cast<int16_t>(absolute.y + 6), static_cast<int16_t>(absolute.x + 7),
                                static_cast<int16_t>(absolute.y + 8)));
        screen.onClick(ClickEvent(RELEASED, static_cast<int16_t>(absolute.x + 7), static_cast<int16_t>(absolute.y + 8)));
        EXPECT_EQ(child.clicks, (std::vector<Click>{{PRESSED, 5, 6}, {RELEASED, 7, 8}}));
        ASSERT_EQ(child.drags.size(), 1u);
        EXPECT_EQ(child.drags[0].getOldX(), 5);
        EXPECT_EQ(child.drags[0].getNewY(), 8);
        EXPECT_EQ(child.fires, 1);
    }
}
