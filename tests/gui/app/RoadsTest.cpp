#include "support/screen/RoadWalk.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
// The road table follows the tree: one row per page object, in its order, with its id.
TEST(Roads, TheTableHasARowForEveryPageObject)
{
    test::AppTestBed shell;
    ASSERT_EQ(roads::tableSize(), Pages::PAGE_OBJECT_COUNT);
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        SCOPED_TRACE(road.page);
        EXPECT_EQ(road.pageId, shell.pages().all()[i]->getId());
        EXPECT_TRUE(road.why == nullptr || road.touchCount == 0) << "a road with touches needs no reason";
    }
}

// Every road from start-up, touch by touch on the headless display, ends on its page object
// showing its own page id.
TEST(Roads, EveryRoadReachesItsPage)
{
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        if (road.why != nullptr) {
            continue;
        }
        SCOPED_TRACE(road.page);
        test::AppTestBed shell;
        shell.bed.frame().setCounting(false);
        roads::walk(shell, road.touches, road.touchCount);
        EXPECT_EQ(shell.pageManager().getCurrentPage(), shell.pages().all()[i]);
        EXPECT_EQ(shell.app.getShownPageId(), road.pageId);
    }
}
} // namespace
