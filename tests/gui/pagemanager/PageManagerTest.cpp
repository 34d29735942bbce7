#include "NavigationFakes.hpp"

#include "gui/pagemanager/NullPopupManager.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using navtest::CallLog;
using navtest::Navigation;
using navtest::TestPage;
using Calls = std::vector<std::string>;

namespace
{
// A root with the home page's numbers and a few plain pages above it.
class PageManagerTest : public ::testing::Test, public Navigation
{
protected:
    void SetUp() override
    {
        manager.goTo(&root, false);
        log.take();
    }

    TestPage root{log, 51, 0, 300, true};
    TestPage menu{log, 14, 0};
    TestPage pageA{log, 20};
    TestPage pageB{log, 21};
    TestPage service{log, 58, 13};
};
} // namespace

TEST_F(PageManagerTest, GoToPushesTheCurrentPageAndBackReturnsToIt)
{
    manager.goTo(&menu, false);
    EXPECT_EQ(log.take(), (Calls{"leave", "exit 51", "enter 14", "show 14"}));
    EXPECT_EQ(manager.getHistorySize(), 1);
    EXPECT_EQ(manager.getCurrentPage(), &menu);

    manager.back(); // no leave hooks on the way down
    EXPECT_EQ(log.take(), (Calls{"enter 51", "show 51"}));
    EXPECT_EQ(manager.getHistorySize(), 0);
    EXPECT_EQ(manager.getCurrentPage(), &root);

    manager.back(); // the root stays
    manager.backTo(false);
    EXPECT_TRUE(log.take().empty());
    EXPECT_EQ(manager.getCurrentPage(), &root);
}

TEST_F(PageManagerTest, GoToTheCurrentPageOrNoPageDoesNothing)
{
    manager.goTo(&root, false);
    manager.goTo(nullptr, false);
    EXPECT_TRUE(log.take().empty());
    EXPECT_EQ(manager.getCurrentPage(), &root);
    EXPECT_EQ(manager.getHistorySize(), 0);
}

TEST_F(PageManagerTest, NoHistoryReplacesThePageAndKeepsItsParameters)
{
    manager.goTo(&menu, false);
    ASSERT_TRUE(manager.setParam(IntervalSelection{INTERVAL_30_DAYS, 0}));
    manager.goTo(&pageA, true);
    EXPECT_EQ(manager.getHistorySize(), 1);
    ASSERT_NE(manager.getParam<IntervalSelection>(&menu), nullptr);
    EXPECT_EQ(manager.getParam<IntervalSelection>()->interval, INTERVAL_30_DAYS);

    log.take();
    manager.back(); // below the replaced page
    EXPECT_EQ(log.take(), (Calls{"enter 51", "show 51"}));
    EXPECT_EQ(manager.getHistorySize(), 0);
}

TEST_F(PageManagerTest, AProtectedPageWaitsForItsPassword)
{
    manager.goTo(&menu, false);
    log.take();
    manager.goTo(&service, false);
    EXPECT_EQ(log.take(), (Calls{"leave", "exit 14", "enter 58", "show 10"}));
    EXPECT_TRUE(manager.isPasswordPending());
    EXPECT_EQ(manager.getCurrentPage(), &service);
    EXPECT_EQ(manager.getHistorySize(), 2);

    manager.goTo(&pageA, false); // ignored while pending: no hook, no viewer call
    manager.goTo(&root, true);
    EXPECT_TRUE(log.take().empty());

    EXPECT_FALSE(enter(u"user"));
    EXPECT_FALSE(enter(u"wrong"));
    EXPECT_TRUE(log.take().empty());
    EXPECT_TRUE(manager.isPasswordPending());
    EXPECT_EQ(manager.getAccessControl().getLevel(), 5);

    EXPECT_TRUE(enter(u"service"));
    EXPECT_EQ(log.take(), (Calls{"show 58"}));
    EXPECT_FALSE(manager.isPasswordPending());
    EXPECT_EQ(manager.getAccessControl().getLevel(), 13);
    EXPECT_EQ(manager.getAccessControl().getLogoutTimer(), 1800);
    EXPECT_EQ(manager.getHistorySize(), 2);

    manager.goTo(&pageA, false); // navigation works again
    EXPECT_EQ(manager.getCurrentPage(), &pageA);
}

TEST_F(PageManagerTest, BackFromThePasswordPageDropsTheProtectedPage)
{
    manager.goTo(&menu, false);
    manager.goTo(&service, false);
    ASSERT_TRUE(manager.setParam(Params::TileChoice{3}));
    log.take();

    manager.back();
    EXPECT_EQ(log.take(), (Calls{"enter 14", "show 14"}));
    EXPECT_FALSE(manager.isPasswordPending());
    EXPECT_EQ(manager.getCurrentPage(), &menu);
    EXPECT_FALSE(manager.hasParam(Params::PARAM_TILE_CHOICE));
    EXPECT_EQ(manager.getAccessControl().getLevel(), 5);

    manager.goTo(&service, false); // and leaving by backTo
    manager.backTo(false);
    EXPECT_FALSE(manager.isPasswordPending());
    EXPECT_EQ(manager.getCurrentPage(), &root);
}

TEST_F(PageManagerTest, BackToStopsAtTheNearestAnchorAndEntersOnlyThere)
{
    TestPage x{log, 30};
    TestPage y{log, 31};
    manager.goTo(&menu, false);
    manager.goTo(&x, false);
    manager.goTo(&y, false); // history [root, menu, x]
    log.take();

    manager.backTo(true);
    EXPECT_EQ(log.take(), (Calls{"enter 51", "show 51"}));
    EXPECT_EQ(manager.getCurrentPage(), &root);
    EXPECT_EQ(manager.getHistorySize(), 0);
}

TEST_F(PageManagerTest, BackToWithoutAnAnchorEndsAtTheBottomPage)
{
    TestPage bottom{log, 60};
    TestPage anchorAbove{log, 61, 5, 120, true};
    manager.reset();
    manager.goTo(&bottom, true);
    manager.goTo(&pageA, false);
    manager.goTo(&anchorAbove, false);
    manager.goTo(&pageB, false); // history [bottom, pageA, anchorAbove]
    log.take();

    manager.backTo(true); // the anchor first
    EXPECT_EQ(manager.getCurrentPage(), &anchorAbove);
    EXPECT_EQ(manager.getHistorySize(), 2);

    manager.backTo(true); // a current anchor is left for the next one below: none
    EXPECT_EQ(log.take(), (Calls{"enter 61", "show 61", "enter 60", "show 60"}));
    EXPECT_EQ(manager.getCurrentPage(), &bottom);
    EXPECT_EQ(manager.getHistorySize(), 0);
}

TEST_F(PageManagerTest, FindAnchorPageLooksBelowTheCurrentPage)
{
    EXPECT_EQ(manager.findAnchorPage(), &root); // empty history: the current page

    manager.reset();
    EXPECT_EQ(manager.findAnchorPage(), nullptr);
    manager.goTo(&pageA, true);
    EXPECT_EQ(manager.findAnchorPage(), &pageA); // anchor or not

    TestPage anchor{log, 61, 5, 120, true};
    manager.goTo(&anchor, false);
    manager.goTo(&pageB, false);
    EXPECT_EQ(manager.findAnchorPage(), &anchor);

    manager.reset();
    manager.goTo(&pageA, true);
    manager.goTo(&anchor, false); // the current page is not examined
    EXPECT_EQ(manager.findAnchorPage(), nullptr);
}

TEST_F(PageManagerTest, ARedirectingPageLetsTheNestedCallDoTheWork)
{
    TestPage target{log, 34};
    navtest::RedirectingPage selection{log, 12, manager, target, false};
    manager.goTo(&selection, false);
    EXPECT_EQ(log.take(), (Calls{"leave", "exit 51", "enter 12", "leave", "exit 12", "enter 34", "show 34"}));
    EXPECT_EQ(manager.getCurrentPage(), &target);
    EXPECT_EQ(manager.getHistorySize(), 2); // the selection page stays below its target

    manager.back();
    EXPECT_EQ(log.take(), (Calls{"enter 12", "leave", "exit 12", "enter 34", "show 34"}));
}

TEST_F(PageManagerTest, ARedirectToAProtectedPageShowsThePasswordPageOnce)
{
    navtest::RedirectingPage note{log, 26, manager, service, true};
    manager.goTo(&menu, false);
    log.take();
    manager.goTo(&note, false);
    EXPECT_EQ(log.take(), (Calls{"leave", "exit 14", "enter 26", "leave", "exit 26", "enter 58", "show 10"}));
    EXPECT_TRUE(manager.isPasswordPending());
    EXPECT_EQ(manager.getHistorySize(), 2); // [root, menu]: the note replaced itself
    manager.back();
    EXPECT_EQ(manager.getCurrentPage(), &menu);
}

TEST_F(PageManagerTest, AnIdlePageFallsBackToTheRootWhichThenDims)
{
    manager.goTo(&pageA, false);
    manager.goTo(&pageB, false);
    log.take();

    ticks(119);
    EXPECT_TRUE(log.take().empty());
    ticks(1);
    EXPECT_EQ(log.take(), (Calls{"enter 51", "show 51"}));
    EXPECT_EQ(manager.getHistorySize(), 0);

    ticks(299);
    EXPECT_TRUE(log.take().empty());
    ticks(1);
    EXPECT_EQ(log.take(), (Calls{"dim 1"}));
    ticks(1000); // dimmed: nothing more until activity
    EXPECT_TRUE(log.take().empty());

    manager.onUserActivity();
    EXPECT_EQ(log.take(), (Calls{"dim 0"}));
    ticks(299);
    EXPECT_TRUE(log.take().empty());
    ticks(1);
    EXPECT_EQ(log.take(), (Calls{"dim 1"}));
}

TEST_F(PageManagerTest, ActivityAndNavigationRestartThePageTimeout)
{
    manager.goTo(&pageA, false);
    ticks(100);
    manager.onUserActivity();
    ticks(119);
    EXPECT_EQ(manager.getCurrentPage(), &pageA);
    manager.goTo(&pageB, false); // a page change restarts it too
    ticks(119);
    EXPECT_EQ(manager.getCurrentPage(), &pageB);
    ticks(1);
    EXPECT_EQ(manager.getCurrentPage(), &root);
}

TEST_F(PageManagerTest, APageWithoutTimeoutNeverFallsBackOrDims)
{
    TestPage wizardRoot{log, 89, 0, -1, true};
    TestPage wizardStep{log, 87, 0, -1};
    manager.reset();
    manager.goTo(&wizardRoot, true);
    ticks(5000);
    manager.goTo(&wizardStep, false);
    log.take();
    ticks(5000);
    EXPECT_TRUE(log.take().empty());
    EXPECT_EQ(manager.getCurrentPage(), &wizardStep);
    EXPECT_FALSE(viewer.dimmed);
}

TEST_F(PageManagerTest, ServiceLevelLogsOutAfterIdleSecondsOnAPageWithoutTimeout)
{
    TestPage protectedStep{log, 59, 13, -1};
    manager.goTo(&protectedStep, false);
    ASSERT_TRUE(enter(u"service"));
    ticks(1790);
    manager.onUserActivity(); // a click with 10 s left
    EXPECT_EQ(manager.getAccessControl().getLogoutTimer(), 1800);
    ticks(1799);
    EXPECT_EQ(manager.getAccessControl().getLevel(), 13);
    ticks(1);
    EXPECT_EQ(manager.getAccessControl().getLevel(), 5);
    EXPECT_EQ(manager.getAccessControl().getLogoutTimer(), -1);
    EXPECT_EQ(manager.getCurrentPage(), &protectedStep); // shown pages stay
}

TEST_F(PageManagerTest, LockPanelReturnsToTheNearestAnchorLocked)
{
    manager.goTo(&menu, false);
    manager.goTo(&service, false);
    ASSERT_TRUE(enter(u"service"));
    manager.goTo(&pageA, false);
    log.take();

    manager.lockPanel(true);
    EXPECT_EQ(log.take(), (Calls{"enter 51", "show 51"}));
    EXPECT_EQ(manager.getAccessControl().getLevel(), 0);
    EXPECT_EQ(manager.getAccessControl().getLogoutTimer(), -1);

    manager.goTo(&menu, false); // mask 0 opens
    EXPECT_EQ(viewer.shown, 14);
    manager.goTo(&pageA, false); // mask 5 asks for the password; the operator's unlocks
    EXPECT_EQ(viewer.shown, navtest::PAGE_AUTH);
    EXPECT_TRUE(enter(u"user"));
    EXPECT_EQ(viewer.shown, 20);
    EXPECT_EQ(manager.getAccessControl().getLevel(), 5);
    EXPECT_EQ(manager.getAccessControl().getLogoutTimer(), -1);

    manager.backTo(true);
    manager.lockPanel(false); // at the anchor with an empty history: it stays
    EXPECT_EQ(manager.getCurrentPage(), &root);
    EXPECT_EQ(manager.getAccessControl().getLevel(), 1);
}

TEST_F(PageManagerTest, AnEleventhHistoryEntryDropsThePageInstead)
{
    std::vector<TestPage> pages;
    for (std::uint16_t id = 60; id < 71; ++id) {
        pages.emplace_back(log, id);
    }
    for (TestPage& page : pages) {
        manager.goTo(&page, false);
    }
    // root and the first nine filled the history; the tenth was dropped for the eleventh
    EXPECT_EQ(manager.getHistorySize(), 10);
    EXPECT_EQ(manager.getCurrentPage(), &pages[10]);
    log.take();
    manager.back();
    EXPECT_EQ(log.take(), (Calls{"enter 68", "show 68"}));
    manager.backTo(false);
    EXPECT_EQ(manager.getCurrentPage(), &root);
}

TEST_F(PageManagerTest, ResetForgetsEverything)
{
    manager.goTo(&service, false);
    ASSERT_TRUE(manager.setParam(Params::MainState{2}));
    manager.setAccessLevel(61);
    log.take();

    manager.reset();
    EXPECT_EQ(manager.getCurrentPage(), nullptr);
    EXPECT_EQ(manager.getHistorySize(), 0);
    EXPECT_FALSE(manager.isPasswordPending());
    EXPECT_FALSE(manager.hasParam(Params::PARAM_MAIN_STATE));
    EXPECT_EQ(manager.getAccessControl().getLevel(), 5);

    // Without a page nothing times out, is shown or crashes.
    manager.onUserActivity();
    ticks(1000);
    EXPECT_FALSE(enter(u"service"));
    manager.back();
    manager.backTo(true);
    EXPECT_TRUE(log.take().empty());

    manager.goTo(&pageA, true); // the new root
    EXPECT_EQ(manager.getHistorySize(), 0);
    EXPECT_EQ(viewer.shown, 20);
}

TEST_F(PageManagerTest, ClearHistoryKeepsTheCurrentPage)
{
    manager.goTo(&pageA, false);
    manager.goTo(&pageB, false);
    manager.clearHistory();
    EXPECT_EQ(manager.getHistorySize(), 0);
    EXPECT_EQ(manager.getCurrentPage(), &pageB);
    ticks(120); // now the root: it dims instead of falling back
    EXPECT_TRUE(viewer.dimmed);
}

TEST_F(PageManagerTest, SetAccessLevelLeavesTheLogoutTimerAlone)
{
    manager.setAccessLevel(61);
    EXPECT_EQ(manager.getAccessControl().getLevel(), 61);
    EXPECT_EQ(manager.getAccessControl().getLogoutTimer(), -1);
    manager.goTo(&service, false);
    EXPECT_EQ(viewer.shown, 58);
    ticks(5000);
    EXPECT_EQ(manager.getAccessControl().getLevel(), 61);
    manager.logout();
    EXPECT_EQ(manager.getAccessControl().getLevel(), 5);
}

TEST_F(PageManagerTest, UsesTheSharedNullPopupManagerUntilGivenOne)
{
    EXPECT_EQ(manager.getPopupManager(), &pagemanager::NullPopupManager::getInstance());
    pagemanager::NullPopupManager other;
    manager.setPopupManager(&other);
    EXPECT_EQ(manager.getPopupManager(), &other);
}
