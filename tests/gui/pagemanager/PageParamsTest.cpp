#include "NavigationFakes.hpp"

#include "gui/pagemanager/ParamStore.hpp"

#include <gtest/gtest.h>

#include <cstdint>

using navtest::Navigation;
using navtest::TestPage;

namespace
{
class PageParams : public ::testing::Test, public Navigation
{
protected:
    void SetUp() override { manager.goTo(&root, false); }

    static HeatingCircuitParam circuit(std::uint16_t index)
    {
        HeatingCircuitParam value = {};
        value.circuit = index;
        return value;
    }

    TestPage root{log, 51, 0, 300, true};
    TestPage pageA{log, 20};
    TestPage pageB{log, 21};
    TestPage pageC{log, 22};
};
} // namespace

TEST_F(PageParams, AValueLivesUntilItsOwnerIsLeftDownwards)
{
    manager.goTo(&pageA, false);
    HeatingCircuitParam stored = circuit(2);
    stored.readOnly = 1;
    stored.reserved[2] = 0x5A; // copied with the value
    ASSERT_TRUE(manager.setParam(stored));
    manager.goTo(&pageB, false);

    const HeatingCircuitParam* read = manager.getParam<HeatingCircuitParam>();
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->circuit, 2);
    EXPECT_EQ(read->readOnly, 1);
    EXPECT_EQ(read->reserved[2], 0x5A);
    EXPECT_EQ(manager.getParam<HeatingCircuitParam>(&pageB), nullptr);
    EXPECT_TRUE(manager.hasParam(Params::PARAM_HEATING_CIRCUIT, &pageA));

    manager.back(); // to A, its owner
    ASSERT_NE(manager.getParam<HeatingCircuitParam>(), nullptr);
    manager.back(); // from A
    EXPECT_EQ(manager.getParam<HeatingCircuitParam>(), nullptr);
    EXPECT_FALSE(manager.hasParam(Params::PARAM_HEATING_CIRCUIT));
}

TEST_F(PageParams, TheNewerValueHidesTheOlderUntilItsOwnerIsLeft)
{
    manager.goTo(&pageA, false);
    ASSERT_TRUE(manager.setParam(IntervalSelection{INTERVAL_52_WEEKS, 0}));
    manager.goTo(&pageB, false);
    ASSERT_TRUE(manager.setParam(IntervalSelection{INTERVAL_24_HOURS, 1}));
    manager.goTo(&pageC, false);
    EXPECT_EQ(manager.getParam<IntervalSelection>()->interval, INTERVAL_24_HOURS);
    EXPECT_EQ(manager.getParam<IntervalSelection>(&pageA)->interval, INTERVAL_52_WEEKS);

    manager.back();
    manager.back(); // B left
    EXPECT_EQ(manager.getParam<IntervalSelection>()->interval, INTERVAL_52_WEEKS);
}

TEST_F(PageParams, TheSamePageOverwritesInPlaceAndReadersMayWriteThrough)
{
    manager.goTo(&pageA, false);
    ASSERT_TRUE(manager.setParam(Params::Commissioning{0}));
    ASSERT_TRUE(manager.setParam(Params::MainState{1}));
    ASSERT_TRUE(manager.setParam(Params::Commissioning{7}));
    manager.goTo(&pageB, false);
    ASSERT_TRUE(manager.setParam(Params::MainState{2}));

    Params::Commissioning* commissioning = manager.getParam<Params::Commissioning>();
    ASSERT_NE(commissioning, nullptr);
    EXPECT_EQ(commissioning->mask, 7u);
    commissioning->mask |= 0x0800; // the wizard sets its bits in place
    EXPECT_EQ(manager.getParam<Params::Commissioning>()->mask, 0x0807u);
    EXPECT_EQ(manager.getParam<Params::MainState>()->circuit, 2);

    manager.back();
    EXPECT_EQ(manager.getParam<Params::MainState>()->circuit, 1); // A's single entry
}

TEST_F(PageParams, ReadOnlyTagsAlwaysReadNull)
{
    manager.goTo(&pageA, false);
    ASSERT_TRUE(manager.setParam(HistogramSelection{3, 1, 2, nullptr}));
    ASSERT_TRUE(manager.setParam(circuit(1)));
    ASSERT_TRUE(manager.setParam(Params::CPSelection{0, 0, {0, 1}, 751}));
    ASSERT_TRUE(manager.setParam(Params::MainState{0}));
    ASSERT_TRUE(manager.setParam(Params::PanelLockMode{2}));
    ASSERT_TRUE(manager.setParam(Params::HomeIcon{208}));
    ASSERT_TRUE(manager.setParam(IntervalSelection{INTERVAL_7_DAYS, 0}));
    ASSERT_TRUE(manager.setParam(Params::TileChoice{1}));
    ASSERT_TRUE(manager.setParam(Params::Commissioning{0}));
    ASSERT_TRUE(manager.setParam(Params::SystemScheme{2}));
    ASSERT_TRUE(manager.setParam(Params::FavouritesState{1}));
    ASSERT_TRUE(manager.setParam(Params::FillingVenting{0}));

    EXPECT_EQ(manager.getParam<OverviewState>(), nullptr);
    EXPECT_EQ(manager.getParam<Params::LanTest>(), nullptr);
    EXPECT_FALSE(manager.hasParam(Params::PARAM_LAN_TEST));
    EXPECT_FALSE(manager.hasParam(Params::PARAM_OVERVIEW_STATE));
    EXPECT_FALSE(manager.hasParam(6)); // no value has the tag of page data

    // Every stored type reads back under its own tag, none under another's.
    EXPECT_EQ(manager.getParam<Params::PanelLockMode>()->mode, 2);
    EXPECT_EQ(manager.getParam<Params::HomeIcon>()->bitmap, 208);
    EXPECT_EQ(manager.getParam<Params::CPSelection>()->code, 751u);
    EXPECT_EQ(manager.getParam<HistogramSelection>()->barIndex, 2);
    EXPECT_EQ(manager.getParam<Params::SystemScheme>()->scheme, 2);
}

TEST_F(PageParams, RemoveParamTakesTheCurrentPagesEntriesOfTheTag)
{
    manager.goTo(&pageA, false);
    ASSERT_TRUE(manager.setParam(Params::HomeIcon{208}));
    ASSERT_TRUE(manager.setParam(Params::MainState{1}));
    manager.goTo(&pageB, false);
    ASSERT_TRUE(manager.setParam(Params::HomeIcon{0xFFFF}));
    manager.removeParam(Params::PARAM_HOME_ICON);
    EXPECT_EQ(manager.getParam<Params::HomeIcon>()->bitmap, 208); // A's stays
    EXPECT_TRUE(manager.hasParam(Params::PARAM_MAIN_STATE));
}

TEST(ParamStore, NoOwnerMeansAnyOwner)
{
    navtest::CallLog log;
    TestPage a{log, 20};
    TestPage b{log, 21};
    pagemanager::Param<Params::ParamUnion> icon;
    icon.set(Params::HomeIcon{1});
    pagemanager::Param<Params::ParamUnion> state;
    state.set(Params::MainState{2});

    pagemanager::ParamStore store;
    ASSERT_TRUE(store.add(icon, &a));
    ASSERT_TRUE(store.add(state, &a));
    ASSERT_TRUE(store.add(icon, &b));
    ASSERT_TRUE(store.add(state, nullptr));
    EXPECT_EQ(store.find(Params::PARAM_HOME_ICON, nullptr)->owner, &b); // the newest
    EXPECT_EQ(store.findOwnedBy(Params::PARAM_MAIN_STATE, nullptr), &store.at(3));

    store.remove(Params::PARAM_HOME_ICON, nullptr); // as removeParam with no current page
    ASSERT_EQ(store.size(), 2);
    EXPECT_EQ(store.at(0).owner, &a); // the rest keep their order
    EXPECT_EQ(store.at(1).owner, nullptr);

    store.removeAllOf(&a);
    ASSERT_EQ(store.size(), 1);
    EXPECT_EQ(store.at(0).owner, nullptr);
}

TEST_F(PageParams, RemoveParamWithoutCurrentPageRemovesEveryEntryOfTheTag)
{
    manager.reset();
    ASSERT_TRUE(manager.setParam(Params::TileChoice{4})); // stored before any page
    ASSERT_TRUE(manager.setParam(Params::MainState{1}));
    manager.removeParam(Params::PARAM_TILE_CHOICE);
    EXPECT_FALSE(manager.hasParam(Params::PARAM_TILE_CHOICE));
    EXPECT_TRUE(manager.hasParam(Params::PARAM_MAIN_STATE));
}

// The start-up splash (52) stores the commissioning state and leaves without a history
// entry; so do the energy note pages. When the store is full, the notes' entries go
// first, oldest first; the splash page's and those of reachable pages never.
TEST_F(PageParams, AFullStoreDropsOnlyEntriesNoPageCanReach)
{
    TestPage splash{log, 52, 0, 300};
    TestPage mainPage{log, 51, 0, 300, true};
    TestPage olderNote{log, 26};
    TestPage newerNote{log, 26};
    manager.reset();
    manager.goTo(&splash, true);
    ASSERT_TRUE(manager.setParam(Params::Commissioning{0}));
    ASSERT_TRUE(manager.setParam(Params::FillingVenting{0}));
    manager.goTo(&mainPage, true);
    ASSERT_TRUE(manager.setParam(Params::MainState{1}));
    manager.goTo(&olderNote, false);
    ASSERT_TRUE(manager.setParam(IntervalSelection{INTERVAL_7_DAYS, 0}));
    manager.goTo(&newerNote, true);
    ASSERT_TRUE(manager.setParam(IntervalSelection{INTERVAL_12_MONTHS, 0}));
    manager.goTo(&pageA, true); // history [main]; both notes left without a trace
    ASSERT_TRUE(manager.setParam(Params::HomeIcon{208}));
    ASSERT_TRUE(manager.setParam(Params::MainState{2}));
    ASSERT_TRUE(manager.setParam(Params::TileChoice{1}));
    ASSERT_TRUE(manager.setParam(Params::SystemScheme{1}));
    ASSERT_TRUE(manager.setParam(Params::PanelLockMode{1}));
    ASSERT_TRUE(manager.setParam(Params::FavouritesState{1}));
    ASSERT_TRUE(manager.setParam(circuit(0)));
    ASSERT_TRUE(manager.setParam(Params::CPSelection{}));
    ASSERT_TRUE(manager.setParam(HistogramSelection{}));
    manager.goTo(&pageB, false);
    ASSERT_TRUE(manager.setParam(Params::HomeIcon{209}));
    ASSERT_TRUE(manager.setParam(Params::MainState{3}));
    ASSERT_TRUE(manager.setParam(Params::TileChoice{2}));
    ASSERT_TRUE(manager.setParam(Params::SystemScheme{2}));
    ASSERT_TRUE(manager.setParam(Params::PanelLockMode{2})); // the 19th
    manager.goTo(&pageC, false);
    ASSERT_TRUE(manager.setParam(Params::FavouritesState{2})); // the 20th: full

    ASSERT_TRUE(manager.setParam(circuit(1)));
    EXPECT_FALSE(manager.hasParam(Params::PARAM_INTERVAL, &olderNote));
    EXPECT_EQ(manager.getParam<IntervalSelection>()->interval, INTERVAL_12_MONTHS);

    ASSERT_TRUE(manager.setParam(Params::CPSelection{}));
    EXPECT_FALSE(manager.hasParam(Params::PARAM_INTERVAL)); // the newer note's went next

    EXPECT_FALSE(manager.setParam(HistogramSelection{1, 0, 0, nullptr})); // nothing can go
    EXPECT_EQ(manager.getParam<HistogramSelection>(&pageC), nullptr);
    EXPECT_TRUE(manager.setParam(Params::FavouritesState{3})); // its own entry: in place
    EXPECT_EQ(manager.getParam<Params::FavouritesState>()->page, 3);

    EXPECT_EQ(manager.getParam<Params::Commissioning>(&splash)->mask, 0u);
    EXPECT_NE(manager.getParam<Params::FillingVenting>(&splash), nullptr);
    EXPECT_EQ(manager.getParam<Params::MainState>(&mainPage)->circuit, 1);

    manager.back(); // pageC's three entries go with it: room again
    EXPECT_TRUE(manager.setParam(Params::Commissioning{1}));
}
