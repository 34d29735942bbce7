#include "framework/SceneTestSupport.hpp"

#include <quillon/Screen.hpp>
#include <quillon/Transition.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/hal/HAL.hpp>

#include <memory>
#include <random>
#include <vector>

using namespace quillon;
using scenetest::TestBox;
using scenetest::TestFrame;

namespace
{
const Color SENTINEL = 0x1234;
const Color BACKGROUND = 0x001F;
const Color BUTTON = 0xF800;

class TestScreen : public Screen
{
public:
    Container& root() { return container; }
};

// Remembers every event it receives, in its own coordinates.
class TestButton : public TestBox
{
public:
    struct Click { ClickEvent::ClickEventType type; int16_t x, y; };

    void onClick(const ClickEvent& event) override { clicks.push_back({event.getType(), event.getX(), event.getY()}); }
    void onDrag(const DragEvent& event) override { drags.push_back(event); }
    void onGesture(const GestureEvent& event) override { gestures.push_back(event); }

    std::vector<Click> clicks;
    std::vector<DragEvent> drags;
    std::vector<GestureEvent> gestures;
};

bool operator==(const TestButton::Click& a, const TestButton::Click& b)
{
    return a.type == b.type && a.x == b.x && a.y == b.y;
}

class ScreenTest : public testing::Test
{
protected:
    ScreenTest() : frame(SENTINEL)
    {
        HAL::SCREEN_WIDTH = 800;
        HAL::SCREEN_HEIGHT = 480;
    }

    TestFrame frame;
};

// A full-screen opaque box under a 100 x 40 opaque button in the middle.
class BoxUnderButton : public ScreenTest
{
protected:
    BoxUnderButton() : background(&frame, BACKGROUND), button()
    {
        screen.reset(new TestScreen());
        background.setPosition(0, 0, 800, 480);
        background.setOpaque();
        button.frame = &frame;
        button.color = BUTTON;
        button.setPosition(350, 220, 100, 40);
        button.setOpaque();
        button.setTouchable(true);
        screen->add(background);
        screen->add(button);
    }

    void drawAll()
    {
        Rectangle all(0, 0, 800, 480);
        screen->draw(all);
    }

    std::unique_ptr<TestScreen> screen;
    TestBox background;
    TestButton button;
};
} // namespace

TEST_F(BoxUnderButton, NoPixelIsDrawnTwice)
{
    drawAll();
    EXPECT_LE(background.draws.size(), 4u); // the bands around the button
    ASSERT_EQ(button.draws.size(), 1u);
    EXPECT_EQ(button.draws[0], Rectangle(0, 0, 100, 40));
    EXPECT_EQ(frame.maxWritesPerPixel(), 1);
    EXPECT_EQ(frame.minWritesPerPixel(), 1);
    EXPECT_EQ(frame.at(349, 239), BACKGROUND);
    EXPECT_EQ(frame.at(350, 220), BUTTON);
    EXPECT_EQ(frame.at(449, 259), BUTTON);
    EXPECT_EQ(frame.at(450, 259), BACKGROUND);
    EXPECT_EQ(frame.offFrameWrites, 0);
}

TEST_F(BoxUnderButton, AreaCoveredByTheTopWidgetDrawsNothingBeneath)
{
    Rectangle inside(360, 225, 20, 10);
    screen->draw(inside);
    EXPECT_TRUE(background.draws.empty());
    ASSERT_EQ(button.draws.size(), 1u);
    EXPECT_EQ(button.draws[0], Rectangle(10, 5, 20, 10));
}

TEST_F(BoxUnderButton, AreaIsClippedToTheDisplay)
{
    Rectangle overhanging(790, 470, 50, 50);
    screen->draw(overhanging);
    ASSERT_EQ(background.draws.size(), 1u);
    EXPECT_EQ(background.draws[0], Rectangle(790, 470, 10, 10));
    EXPECT_TRUE(button.draws.empty());
}

TEST_F(BoxUnderButton, TranslucentTopLetsEverythingBeneathDrawFirst)
{
    button.setOpaqueArea(Rectangle());
    drawAll();
    ASSERT_EQ(background.draws.size(), 1u);
    EXPECT_EQ(background.draws[0], Rectangle(0, 0, 800, 480));
    EXPECT_EQ(frame.at(400, 240), BUTTON); // drawn after the background
    EXPECT_EQ(frame.writesAt(400, 240), 2);
}

TEST_F(ScreenTest, ClippedWidgetNeitherDrawsNorOccludesOutsideItsContainer)
{
    TestScreen screen;
    TestBox background(&frame, BACKGROUND);
    background.setPosition(0, 0, 800, 480);
    background.setOpaque();
    Container panel;
    panel.setPosition(0, 0, 100, 100);
    TestBox overhanging(&frame, BUTTON);
    overhanging.setPosition(50, 50, 100, 100); // only 50 x 50 of it shows
    overhanging.setOpaque();
    screen.add(background);
    screen.add(panel);
    panel.add(overhanging);

    Rectangle all(0, 0, 800, 480);
    screen.draw(all);
    ASSERT_EQ(overhanging.draws.size(), 1u);
    EXPECT_EQ(overhanging.draws[0], Rectangle(0, 0, 50, 50));
    EXPECT_EQ(frame.at(120, 120), BACKGROUND);
    EXPECT_EQ(frame.at(99, 99), BUTTON);
    EXPECT_EQ(frame.maxWritesPerPixel(), 1);
    EXPECT_EQ(frame.minWritesPerPixel(), 1);
}

// Culled drawing must give the picture of plain bottom-to-top drawing, with no more writes.
TEST_F(ScreenTest, CulledDrawingMatchesPlainDrawing)
{
    std::mt19937 random(7);
    auto between = [&random](int low, int high) {
        return static_cast<int16_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    for (int layout = 0; layout < 40; ++layout) {
        SCOPED_TRACE(layout);
        TestFrame culled(SENTINEL);
        TestFrame plain(SENTINEL);
        TestScreen screen;
        Container panels[2];
        std::vector<std::unique_ptr<TestBox> > boxes;
        for (Container& panel : panels) {
            panel.setPosition(between(-50, 300), between(-50, 200), between(200, 600), between(100, 400));
            screen.add(panel);
        }
        for (int i = 0; i < 20; ++i) {
            boxes.emplace_back(new TestBox(&culled, static_cast<Color>(i + 1)));
            TestBox& box = *boxes.back();
            box.setPosition(between(-100, 500), between(-100, 300), between(20, 400), between(20, 300));
            switch (between(0, 2)) {
            case 0: box.setOpaque(); break;
            case 1: break; // translucent
            default:
                box.setOpaqueArea(Rectangle(between(0, box.getWidth() - 1), between(0, box.getHeight() - 1),
                                            between(0, box.getWidth() / 2), between(0, box.getHeight() / 2)));
            }
            box.setVisible(between(0, 5) != 0);
            const int place = between(0, 2);
            if (place == 2) {
                screen.add(box);
            } else {
                panels[place].add(box);
            }
        }
        Rectangle area(0, 0, 800, 480);
        if (layout % 2 == 1) {
            area = Rectangle(between(0, 600), between(0, 400), between(1, 400), between(1, 300));
        }
        const Rectangle plainArea = area;
        screen.draw(area);
        for (auto& box : boxes) {
            box->frame = &plain;
        }
        screen.root().draw(plainArea);
        EXPECT_TRUE(culled.sameColors(plain));
        EXPECT_LE(culled.totalWrites(), plain.totalWrites());
        EXPECT_EQ(culled.offFrameWrites, 0);
    }
}

TEST_F(ScreenTest, MoreLeavesThanTheDrawListHoldsAsserts)
{
    TestScreen screen;
    std::vector<std::unique_ptr<TestBox> > boxes;
    for (int i = 0; i < MAX_DRAWABLES_PER_AREA + 1; ++i) {
        boxes.emplace_back(new TestBox());
        boxes.back()->setPosition(0, 0, 10, 10);
        screen.add(*boxes.back());
    }
    Rectangle all(0, 0, 800, 480);
    EXPECT_DEATH(screen.draw(all), "Vector capacity exceeded");
}

TEST_F(BoxUnderButton, PressDragOffAndRelease)
{
    typedef TestButton::Click Click;
    screen->onClick(ClickEvent(ClickEvent::PRESSED, 360, 230));
    screen->onDrag(DragEvent(DragEvent::DRAGGED, 360, 230, 500, 230)); // leaves the button
    screen->onDrag(DragEvent(DragEvent::DRAGGED, 500, 230, 510, 230)); // still outside
    screen->onDrag(DragEvent(DragEvent::DRAGGED, 510, 230, 400, 230)); // back in
    screen->onDrag(DragEvent(DragEvent::DRAGGED, 400, 230, 400, 300)); // leaves again
    screen->onClick(ClickEvent(ClickEvent::RELEASED, 400, 300));

    const std::vector<Click> expected = {
        {ClickEvent::PRESSED, 10, 10},
        {ClickEvent::CANCEL, 0, 0},
        {ClickEvent::CANCEL, 0, 0},
        {ClickEvent::RELEASED, 50, 80}, // the release reaches it wherever the finger is
    };
    EXPECT_EQ(button.clicks, expected);
    ASSERT_EQ(button.drags.size(), 4u);
    EXPECT_EQ(button.drags[0].getOldX(), 10);
    EXPECT_EQ(button.drags[0].getNewX(), 150);
    EXPECT_EQ(button.drags[0].getNewY(), 10);
    EXPECT_EQ(button.drags[3].getNewY(), 80);

    // The release cleared the focus: drags and releases now go nowhere.
    screen->onDrag(DragEvent(DragEvent::DRAGGED, 360, 230, 370, 230));
    screen->onClick(ClickEvent(ClickEvent::RELEASED, 360, 230));
    EXPECT_EQ(button.clicks.size(), 4u);
    EXPECT_EQ(button.drags.size(), 4u);
}

TEST_F(BoxUnderButton, CancelClearsTheFocusToo)
{
    screen->onClick(ClickEvent(ClickEvent::PRESSED, 360, 230));
    screen->onClick(ClickEvent(ClickEvent::CANCEL, 360, 230));
    screen->onClick(ClickEvent(ClickEvent::RELEASED, 360, 230));
    EXPECT_EQ(button.clicks.size(), 2u);
}

TEST_F(BoxUnderButton, SecondPressWhileFocusedIsIgnored)
{
    TestButton other;
    other.setPosition(0, 0, 50, 50);
    other.setTouchable(true);
    screen->add(other);

    screen->onClick(ClickEvent(ClickEvent::PRESSED, 360, 230));
    screen->onClick(ClickEvent(ClickEvent::PRESSED, 10, 10));   // second finger
    screen->onClick(ClickEvent(ClickEvent::PRESSED, 370, 230)); // or the same button again
    EXPECT_TRUE(other.clicks.empty());
    ASSERT_EQ(button.clicks.size(), 1u);

    screen->onClick(ClickEvent(ClickEvent::RELEASED, 10, 10));
    ASSERT_EQ(button.clicks.size(), 2u);
    EXPECT_EQ(button.clicks[1].type, ClickEvent::RELEASED);
    EXPECT_TRUE(other.clicks.empty());
}

TEST_F(BoxUnderButton, PressOnNothingTouchableTakesNoFocus)
{
    screen->onClick(ClickEvent(ClickEvent::PRESSED, 10, 10));
    screen->onDrag(DragEvent(DragEvent::DRAGGED, 10, 10, 360, 230));
    screen->onGesture(GestureEvent(GestureEvent::SWIPE_HORIZONTAL, 30, 360, 230));
    screen->onClick(ClickEvent(ClickEvent::RELEASED, 360, 230));
    EXPECT_TRUE(button.clicks.empty());
    EXPECT_TRUE(button.drags.empty());
    EXPECT_TRUE(button.gestures.empty());

    screen->onClick(ClickEvent(ClickEvent::PRESSED, 360, 230)); // a fresh press still works
    EXPECT_EQ(button.clicks.size(), 1u);
}

TEST_F(BoxUnderButton, GestureReachesTheFocusInItsCoordinates)
{
    screen->onClick(ClickEvent(ClickEvent::PRESSED, 360, 230));
    screen->onGesture(GestureEvent(GestureEvent::SWIPE_VERTICAL, -25, 400, 100));
    ASSERT_EQ(button.gestures.size(), 1u);
    EXPECT_EQ(button.gestures[0].getType(), GestureEvent::SWIPE_VERTICAL);
    EXPECT_EQ(button.gestures[0].getVelocity(), -25);
    EXPECT_EQ(button.gestures[0].getX(), 50);
    EXPECT_EQ(button.gestures[0].getY(), -120);
}

namespace
{
class WatchingTransition : public Transition
{
public:
    Container* boundContainer() const { return screenContainer; }
};
} // namespace

TEST_F(ScreenTest, BindTransitionHandsOverTheRootContainer)
{
    TestScreen screen;
    WatchingTransition transition;
    screen.bindTransition(transition);
    EXPECT_EQ(transition.boundContainer(), &screen.root());
    EXPECT_EQ(screen.root().getRect(), Rectangle(0, 0, 800, 480));
}
