#include "framework/SceneTestSupport.hpp"

#include <quillon/DrawListEntry.hpp>
#include <quillon/containers/Container.hpp>

using namespace quillon;
using scenetest::TestBox;

// A widget at display position -1, -1 must be cached like any other: -1 is a position,
// not a "not yet computed" mark.
TEST(DrawListEntry, CachesEveryPositionForOneDraw)
{
    Container root;
    root.setPosition(0, 0, 800, 480);
    TestBox box;
    box.setPosition(-1, -1, 20, 20);
    root.add(box);

    DrawListEntry entry;
    entry.setWidget(&box);
    EXPECT_EQ(entry.getCachedAbsX(), -1);
    EXPECT_EQ(entry.getCachedAbsY(), -1);
    EXPECT_EQ(entry.getCachedVisibleRect(), Rectangle(0, 0, 19, 19));

    box.setXY(30, 40); // within one draw the cache holds
    EXPECT_EQ(entry.getCachedAbsX(), -1);
    EXPECT_EQ(entry.getCachedAbsY(), -1);
    EXPECT_EQ(entry.getCachedVisibleRect(), Rectangle(0, 0, 19, 19));

    entry.setWidget(&box); // the next draw computes afresh
    EXPECT_EQ(entry.getCachedAbsY(), 40);
    EXPECT_EQ(entry.getCachedAbsX(), 30);
    EXPECT_EQ(entry.getCachedVisibleRect(), Rectangle(30, 40, 20, 20));
    EXPECT_EQ(entry.getWidget(), &box);
}

TEST(DrawListEntry, WithoutWidgetAsserts)
{
    DrawListEntry entry;
    EXPECT_DEATH(entry.getCachedVisibleRect(),
                 "Assertion failed: widget != 0, file framework/include/quillon/DrawListEntry, line [0-9]+");
}
