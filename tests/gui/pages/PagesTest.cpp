#include "gui/pages/Pages.hpp"
#include "../pagemanager/NavigationFakes.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <typeinfo>

namespace
{

struct Tree : ::testing::Test
{
    Tree() : viewer(log), manager(&viewer, &passwords, navtest::PAGE_AUTH), pages(&manager) {}

    navtest::CallLog log;
    navtest::RecordingViewer viewer;
    navtest::FakePasswords passwords;
    pagemanager::PageManager manager;
    Pages pages;
};

TEST_F(Tree, KindsAnchorsAndAbsentIds)
{
    std::map<std::string, int> kinds;
    std::set<uint16_t> ids;
    std::set<const pagemanager::Page*> anchors;
    for (uint16_t i = 0; i < Pages::PAGE_OBJECT_COUNT; ++i) {
        pagemanager::Page* page = pages.all()[i];
        ++kinds[typeid(*page).name()];
        ids.insert(page->getId());
        if (page->isAnchor()) {
            anchors.insert(page);
        }
    }
    EXPECT_EQ(kinds[typeid(pagemanager::Page).name()], 98);
    EXPECT_EQ(kinds[typeid(HomePage).name()], 3);
    EXPECT_EQ(kinds[typeid(SelectionPage).name()], 5);
    EXPECT_EQ(kinds[typeid(EnergyNoteCheckPage).name()], 3);
    EXPECT_EQ(anchors, (std::set<const pagemanager::Page*>{&pages.mainPage, &pages.wizardInitPage,
                                                           &pages.wizardReportMenuPage}));
    for (uint16_t absent : {10, 11, 53, 54, 55}) {
        EXPECT_EQ(ids.count(absent), 0u) << absent;
    }
}

TEST_F(Tree, MasksAndTimeouts)
{
    struct Case
    {
        const pagemanager::Page* page;
        int32_t mask, timeout;
    };
    const Case cases[] = {
        {&pages.startupPage, 0, 300},         {&pages.mainPage, 0, 300},
        {&pages.mainMenuPage, 0, 120},        {&pages.wizardInitPage, 0, -1},
        {&pages.wizardReportMenuPage, 0, -1}, {&pages.tileSelectorPage, 0, -1},
        {&pages.heatingSelectionPage, 5, 120}, {&pages.heatingRoomTempPage, 1, 120},
        {&pages.ventingPage, 0, 1200},        {&pages.fillingPage, 0, 1200},
        {&pages.serviceExitPage, 0, 1800},    {&pages.lanRescueUpdatePage, 5, 1800},
        {&pages.solarPumpStatusPage, 13, 1800}, {&pages.lockPanelPage, 0, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(c.page->getAccessMask(), c.mask);
        EXPECT_EQ(c.page->getTimeout(), c.timeout);
    }
}

TEST_F(Tree, LeavingMainStoresTheHomeIconAndAWizardHidesIt)
{
    manager.goTo(&pages.mainPage, false);
    manager.goTo(&pages.mainMenuPage, false);
    EXPECT_EQ(manager.getParam<Params::HomeIcon>()->bitmap, 208);
    manager.back();
    EXPECT_EQ(manager.getParam<Params::HomeIcon>(), nullptr); // entering takes it back
    manager.goTo(&pages.wizardInitPage, true);
    manager.goTo(&pages.wizardDetectedDevicesPage, false);
    EXPECT_EQ(manager.getParam<Params::HomeIcon>()->bitmap, 0xFFFF);
}

// The entries a menu screen shows: those whose protector is available.
std::vector<uint32_t> shownEntries(const pagemanager::Page& page)
{
    const MenuDescriptor* menu = page.getPointer<MenuDescriptor>();
    std::vector<uint32_t> texts;
    for (uint32_t i = 0; menu != nullptr && i < menu->itemCount; ++i) {
        const MenuItem& item = menu->items[i];
        if (item.protector != nullptr && item.protector->isAvailable()) {
            texts.push_back(item.textId);
        }
    }
    return texts;
}

struct TreeWithModel : Tree
{
    void onlyDevices(std::initializer_list<uint32_t> present)
    {
        model::DeviceManager& devices = bed.model().getDeviceManager();
        for (uint32_t id = 0; id < 70; ++id) {
            devices.setAbsent(id);
        }
        for (uint32_t id : present) {
            devices.setPresent(id);
        }
    }
    test::ScreenTestBed bed;
};

TEST_F(TreeWithModel, MainMenuFollowsTheDevices)
{
    onlyDevices({});
    EXPECT_EQ(shownEntries(pages.mainMenuPage), (std::vector<uint32_t>{1064, 991})); // Test operation, Start-up
    onlyDevices({7, 10});
    EXPECT_EQ(shownEntries(pages.mainMenuPage), (std::vector<uint32_t>{980, 1064, 1159, 996, 911, 991}));
    onlyDevices({9});
    EXPECT_EQ(shownEntries(pages.mainMenuPage), (std::vector<uint32_t>{1064, 991})); // DHW needs 7 as well
    EXPECT_EQ(pages.mainMenuPage.getPointer<MenuDescriptor>()->titleTextId, 959u);
}

TEST_F(TreeWithModel, HeatingWithOnlyCircuitTwoOpensItsMenuAndBackReturnsToTheMainMenu)
{
    onlyDevices({7, 1});
    manager.goTo(&pages.mainPage, true);
    manager.goTo(&pages.mainMenuPage, false);
    manager.goTo(pages.mainMenuPage.getPointer<MenuDescriptor>()->items[0].target, false);
    EXPECT_EQ(manager.getCurrentPage(), &pages.heatingMenuPage);
    EXPECT_EQ(manager.getParam<HeatingCircuitParam>()->circuit, 1);
    manager.back();
    EXPECT_EQ(manager.getCurrentPage(), &pages.mainMenuPage);

    onlyDevices({7, 0, 2});
    manager.goTo(&pages.heatingSelectionPage, false);
    EXPECT_EQ(manager.getCurrentPage(), &pages.heatingSelectionPage);
}

TEST_F(Tree, IntervalMenusAndSelectionsLeadToTheirCharts)
{
    const IntervalMenuDescriptor* gas = pages.gasIntervalPage.getPointer<IntervalMenuDescriptor>();
    ASSERT_NE(gas, nullptr);
    ASSERT_EQ(gas->itemCount, 6u);
    const uint32_t periods[] = {0, 1, 2, 3};
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(gas->items[i].target, &pages.gasOverviewPage);
        ASSERT_NE(gas->items[i].interval, nullptr);
        EXPECT_EQ(gas->items[i].interval->interval, periods[i]);
    }
    EXPECT_EQ(gas->items[5].interval, nullptr); // gas quality opens no chart
    const IntervalMenuDescriptor* history = pages.cylinderHistoryIntervalPage.getPointer<IntervalMenuDescriptor>();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->items[0].interval->interval, 4u);
    EXPECT_EQ(history->items[2].interval->interval, 5u);
    // A page of one kind answers null to another.
    EXPECT_EQ(pages.gasIntervalPage.getPointer<MenuDescriptor>(), nullptr);

    const SelectionDescriptor* circulation = pages.dhwCirculationSelectionPage.getPointer<SelectionDescriptor>();
    ASSERT_NE(circulation, nullptr);
    EXPECT_EQ(circulation->target, &pages.dhwCirculationTypePage);
    EXPECT_EQ(circulation->selectionKind, 2u);
}

TEST_F(Tree, PageDataOfOneTagKeepsItsType)
{
    // Tag 6 carries a page pair on note pages and a number on the test-operation pages.
    const PagePair* pair = pages.energyBalanceNotePage.getPointer<PagePair>();
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->firstPage, &pages.energyBalancePage);
    EXPECT_EQ(pair->secondPage, &pages.energyBalanceIntervalPage);
    EXPECT_EQ(pages.energyBalanceNotePage.getPointer<const uint16_t>(), nullptr);
    ASSERT_NE(pages.testOperationPage2.getPointer<const uint16_t>(), nullptr);
    EXPECT_EQ(*pages.testOperationPage2.getPointer<const uint16_t>(), 2);
    EXPECT_EQ(pages.testOperationPage.getPointer<PagePair>(), nullptr);
    EXPECT_EQ(pages.circuit3InfoPage.getPointer<const ListPageSetting>()->circuitIndex, 2u);
    EXPECT_EQ(pages.serviceExitPage.getPointer<const ListPageSetting>()->diagnosis, 10u);
    EXPECT_EQ(pages.tileSelectorPage.getPointer<TileSelectorDescriptor>()->selectorKind, 5u);
}

TEST_F(Tree, FavouriteTilesPassTheCircuitTheyShow)
{
    const TileList* tiles = pages.favouritesMainPage.getPointer<TileList>();
    ASSERT_NE(tiles, nullptr);
    ASSERT_EQ(tiles->tileCount, 12);
    const TileItem& secondDhw = tiles->tiles[5];
    EXPECT_EQ(secondDhw.textId, 1578u);
    EXPECT_EQ(secondDhw.target, &pages.dhwTimeProgramTypePage);
    EXPECT_EQ(secondDhw.paramTag, 1);
    EXPECT_EQ(secondDhw.paramValue->circuit, 1);
    EXPECT_EQ(std::string(tiles->tiles[9].suffix), " 3");
    EXPECT_EQ(tiles->tiles[9].paramValue->circuit, 2);
    EXPECT_EQ(tiles->tiles[3].paramValue, nullptr);
    for (uint16_t i = 0; i < 12; ++i) {
        EXPECT_EQ(tiles->tiles[i].alwaysShown, i == 11 ? 1 : 0) << i;
    }
}

} // namespace
