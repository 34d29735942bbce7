#include "framework/SceneTestSupport.hpp"

#include <quillon/containers/Container.hpp>

using namespace quillon;
using scenetest::RecordingApplication;
using scenetest::TestBox;

namespace
{
// root (display) > container at 100, 50 of 25 x 25 > box at 10, 10 of 20 x 20
class Nested : public testing::Test
{
protected:
    Nested()
    {
        root.setPosition(0, 0, 800, 480);
        container.setPosition(100, 50, 25, 25);
        box.setPosition(10, 10, 20, 20);
        root.add(container);
        container.add(box);
    }

    RecordingApplication application;
    Container root;
    Container container;
    TestBox box;
};
} // namespace

TEST_F(Nested, InvalidationIsClippedByEveryAncestor)
{
    box.invalidate();
    ASSERT_EQ(application.received.size(), 1u);
    EXPECT_EQ(application.received[0], Rectangle(110, 60, 15, 15));

    Rectangle part(15, 0, 10, 5);
    box.invalidatePart(part);
    EXPECT_EQ(application.received.back(), Rectangle()); // clipped away by the container, passed on empty
}

TEST_F(Nested, MovingInvalidatesOldThenNewPlace)
{
    box.moveRelative(0, 0);
    box.moveTo(10, 10);
    EXPECT_TRUE(application.received.empty());

    box.moveRelative(-5, 2);
    EXPECT_EQ(box.getRect(), Rectangle(5, 12, 20, 20));
    ASSERT_EQ(application.received.size(), 2u);
    EXPECT_EQ(application.received[0], Rectangle(110, 60, 15, 15));
    EXPECT_EQ(application.received[1], Rectangle(105, 62, 20, 13));

    application.received.clear();
    container.moveTo(0, 0); // a top-level move reaches the display directly
    ASSERT_EQ(application.received.size(), 2u);
    EXPECT_EQ(application.received[0], Rectangle(100, 50, 25, 25));
    EXPECT_EQ(application.received[1], Rectangle(0, 0, 25, 25));
}

TEST_F(Nested, SettersDoNotInvalidate)
{
    box.setPosition(1, 2, 3, 4);
    box.setXY(5, 6);
    box.setWidth(7);
    box.setHeight(8);
    box.setVisible(false);
    EXPECT_TRUE(application.received.empty());
    EXPECT_EQ(box.getRect(), Rectangle(5, 6, 7, 8));
}

TEST_F(Nested, AbsoluteGeometry)
{
    EXPECT_EQ(box.getAbsoluteRect(), Rectangle(110, 60, 20, 20));
    box.setOpaqueArea(Rectangle(2, 3, 4, 5));
    EXPECT_EQ(box.getOpaqueAreaAbsolute(), Rectangle(112, 63, 4, 5));

    Rectangle visible(0, 0, 20, 20);
    box.clipToAncestors(visible);
    EXPECT_EQ(visible, Rectangle(110, 60, 15, 15));

    box.setX(30); // wholly outside its container
    Rectangle hidden(0, 0, 20, 20);
    box.clipToAncestors(hidden);
    EXPECT_TRUE(hidden.isEmpty());
}

TEST(Drawable, InvalidationWithoutApplicationIsDropped)
{
    ASSERT_EQ(Application::getInstance(), nullptr);
    TestBox box;
    box.setPosition(0, 0, 10, 10);
    box.invalidate();
    box.moveRelative(3, 3);
    EXPECT_EQ(box.getRect(), Rectangle(3, 3, 10, 10));
}

TEST(Drawable, DefaultsAndTypes)
{
    TestBox box;
    Container container;
    EXPECT_EQ(box.getRect(), Rectangle());
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.isTouchable());
    EXPECT_EQ(box.getParent(), nullptr);
    EXPECT_EQ(box.getType(), 1);
    EXPECT_EQ(container.getType(), 17);
    EXPECT_EQ(container.getOpaqueArea(), Rectangle());
}
