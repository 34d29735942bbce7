#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using screens::str;

class IntervalMenu : public ::testing::Test, public screens::ScreenFixture
{
protected:
    IntervalSelectionMenuView& open(pagemanager::Page& page)
    {
        app.open(page);
        app.bed.ticks(1);
        IntervalSelectionMenuView* view = app.screen<IntervalSelectionMenuView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    const IntervalSelection* stored() { return app.pageManager().getParam<IntervalSelection>(nullptr); }
    static int rows(const IntervalSelectionMenuView& view)
    {
        std::vector<int16_t> ys;
        for (uint32_t i = 0; i < view.getTileCount(); ++i) {
            const int16_t y = view.getTile(i).getAbsoluteRect().y;
            if (std::find(ys.begin(), ys.end(), y) == ys.end()) {
                ys.push_back(y);
            }
        }
        return static_cast<int>(ys.size());
    }
};

TEST_F(IntervalMenu, GasMenuHasSixTilesAndGasQualityOpensItsPageStoringNoInterval)
{
    IntervalSelectionMenuView& view = open(app.pages().gasIntervalPage);
    ASSERT_EQ(view.getTileCount(), 6u);
    EXPECT_EQ(rows(view), 2);
    EXPECT_EQ(str(view.getTile(5).getText()), u"Input gas quality");
    EXPECT_EQ(str(view.getTopBar().getTitleField().getText()), u"Gas consumption");
    EXPECT_NE(view.getHelpText(), nullptr);

    clickOn(view.getTile(5));
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().gasQualityPage);
    EXPECT_EQ(stored(), nullptr);
}

TEST_F(IntervalMenu, EnergyBalanceShowsATwoByTwoGridAndTwelveMonthsStoresIntervalTwo)
{
    IntervalSelectionMenuView& view = open(app.pages().energyBalanceIntervalPage);
    ASSERT_EQ(view.getTileCount(), 4u);
    EXPECT_EQ(rows(view), 2);
    EXPECT_EQ(view.getTile(0).getAbsoluteRect().x, view.getTile(2).getAbsoluteRect().x);
    EXPECT_EQ(str(view.getTile(2).getText()), u"The last 12 months");

    clickOn(view.getTile(2));
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().energyBalancePage);
    ASSERT_NE(stored(), nullptr);
    EXPECT_EQ(stored()->interval, static_cast<uint32_t>(INTERVAL_12_MONTHS));

    // Back and another period: the menu's one value is overwritten in place.
    app.pageManager().back();
    app.bed.ticks(1);
    IntervalSelectionMenuView* again = app.screen<IntervalSelectionMenuView>();
    ASSERT_NE(again, nullptr);
    clickOn(again->getTile(3));
    ASSERT_NE(stored(), nullptr);
    EXPECT_EQ(stored()->interval, static_cast<uint32_t>(INTERVAL_2_YEARS));
}

TEST_F(IntervalMenu, CylinderMenusShowThreeInARowAndTheFirstStoresTwentyFourHours)
{
    pagemanager::Page* const menus[] = {&app.pages().cylinderHistoryIntervalPage,
                                        &app.pages().stratificationIntervalPage};
    pagemanager::Page* const charts[] = {&app.pages().cylinderHistoryPage, &app.pages().stratificationPage};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        IntervalSelectionMenuView& view = open(*menus[i]);
        ASSERT_EQ(view.getTileCount(), 3u);
        EXPECT_EQ(rows(view), 1);
        clickOn(view.getTile(0));
        EXPECT_EQ(app.pageManager().getCurrentPage(), charts[i]);
        ASSERT_NE(stored(), nullptr);
        EXPECT_EQ(stored()->interval, static_cast<uint32_t>(INTERVAL_24_HOURS));
        app.pageManager().backTo(true);
        app.bed.ticks(1);
    }
}

TEST_F(IntervalMenu, ItemsBeyondSixTilesAreLeftOutAndAPageWithoutMenuIsEmpty)
{
    pagemanager::Page chart(27, 0, 120, false);
    const IntervalSelection period = {INTERVAL_30_DAYS, 0};
    IntervalMenuItem items[8];
    for (IntervalMenuItem& item : items) {
        item = {875, 0x85, &chart, &period};
    }
    IntervalMenuDescriptor menu = {1111, 0xFFFF, 8, items};
    pagemanager::Page page(13, 0, 120, false);
    page.setPointerParam(pagemanager::PointerParam(&menu));
    IntervalSelectionMenuView& view = open(page);
    EXPECT_EQ(view.getTileCount(), 6u);
    EXPECT_EQ(view.getHelpText(), nullptr);

    pagemanager::Page bare(13, 0, 120, false);
    IntervalSelectionMenuView& empty = open(bare);
    EXPECT_EQ(empty.getTileCount(), 0u);
    EXPECT_EQ(empty.getTitleText(), quillon::TYPED_TEXT_INVALID);
}
} // namespace
