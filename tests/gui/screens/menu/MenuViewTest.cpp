#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/pagemanager/EmptyProtector.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/menu/CPSelectionView.hpp"
#include "gui/screens/menu/MenuView.hpp"

#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

namespace
{
using screens::str;

class MenuScreen : public ::testing::Test, public screens::ScreenFixture
{
protected:
    MenuView& open(pagemanager::Page& page)
    {
        app.open(page);
        app.bed.ticks(1);
        MenuView* view = app.screen<MenuView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }

    static std::vector<std::u16string> labels(const MenuView& view)
    {
        std::vector<std::u16string> shown;
        for (uint32_t i = 0; i < view.getTileCount(); ++i) {
            shown.push_back(str(view.getTile(i).getText()));
        }
        return shown;
    }

    std::u16string title(MenuView& view) { return str(view.getTopBar().getTitleField().getText()); }
};

TEST_F(MenuScreen, MainMenuWithoutTheSystemControllerOffersOnlyTestOperationAndStartUpInOneCentredRow)
{
    presentOnly({});
    MenuView& view = open(app.pages().mainMenuPage);

    EXPECT_EQ(labels(view), (std::vector<std::u16string>{u"Test operation", u"Start-up"}));
    const quillon::Rectangle first = view.getTile(0).getAbsoluteRect();
    const quillon::Rectangle second = view.getTile(1).getAbsoluteRect();
    EXPECT_EQ(first.y, second.y);
    EXPECT_GT(second.x, first.x + first.width - 1);
    EXPECT_NEAR((first.x + second.x + second.width) / 2, 400, 1);
    EXPECT_EQ(title(view), u"Main menu");
    EXPECT_NE(view.getHelpText(), nullptr);
}

TEST_F(MenuScreen, MainMenuWithControllerAndHotWaterShowsSixTilesInTwoRowsOfThree)
{
    presentOnly({7, 10});
    MenuView& view = open(app.pages().mainMenuPage);

    EXPECT_EQ(labels(view), (std::vector<std::u16string>{u"Heating", u"Test operation", u"DHW", u"Information",
                                                         u"Settings", u"Start-up"}));
    for (uint32_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const quillon::Rectangle tile = view.getTile(i).getAbsoluteRect();
        const quillon::Rectangle rowStart = view.getTile(i - i % 3).getAbsoluteRect();
        EXPECT_EQ(tile.y, rowStart.y);
        EXPECT_LT(tile.x + tile.width, 800);
    }
    EXPECT_GT(view.getTile(3).getAbsoluteRect().y, view.getTile(0).getAbsoluteRect().y + 100);
}

TEST_F(MenuScreen, SettingsMenuWithLanModuleSpreadsTwelveTilesOverTwoPagesThreeDisplaysWide)
{
    presentOnly({8, 41});
    MenuView& view = open(app.pages().settingsMenuPage);

    ASSERT_EQ(view.getTileCount(), 12u);
    EXPECT_EQ(str(view.getTile(8).getText()), u"LAN module On/Off");
    EXPECT_EQ(str(view.getTile(11).getText()), u"LAN module firmware update");
    // Tiles 7 to 12 on the second page, one display width to the right.
    EXPECT_EQ(view.getTile(6).getRect().x - view.getTile(0).getRect().x, 720);
    EXPECT_EQ(view.getTile(6).getRect().y, view.getTile(0).getRect().y);
    EXPECT_EQ(view.getTile(0).getParent()->getWidth(), 3 * 800);

    // Without the LAN module the last three LAN tiles go and one page suffices.
    presentOnly({});
    app.open(app.pages().mainMenuPage);
    MenuView& plain = open(app.pages().settingsMenuPage);
    EXPECT_EQ(plain.getTileCount(), 9u);
    EXPECT_EQ(plain.getTile(0).getParent()->getWidth(), 2 * 800);
}

TEST_F(MenuScreen, InformationMenuNamesTheCircuitTileAfterItsStoredNameOrItsNumber)
{
    presentOnly({1});
    model::SettingsGroup& settings = groups().settings;
    unsigned short name[21] = {u'G', u'a', u'r', u'a', u'g', u'e'};
    settings.hc2.set(name);
    MenuView& named = open(app.pages().informationMenuPage);
    EXPECT_EQ(labels(named), (std::vector<std::u16string>{u"General", u"Garage", u"Service contact details",
                                                          u"Reset data"}));

    unsigned short empty[21] = {};
    settings.hc2.set(empty);
    app.pageManager().back();
    app.bed.ticks(1);
    MenuView& numbered = open(app.pages().informationMenuPage);
    EXPECT_EQ(str(numbered.getTile(1).getText()), u"Heating circuit 2");
}

TEST_F(MenuScreen, ADeviceDetectedWhileTheMenuIsShownAddsItsTilesAtTheNextTick)
{
    presentOnly({});
    MenuView& view = open(app.pages().mainMenuPage);
    ASSERT_EQ(view.getTileCount(), 2u);

    devices().setPresent(7);
    EXPECT_EQ(view.getTileCount(), 2u); // only recorded so far
    app.bed.ticks(1);
    EXPECT_EQ(labels(view), (std::vector<std::u16string>{u"Heating", u"Test operation", u"Information",
                                                         u"Settings", u"Start-up"}));
    devices().setAbsent(7);
    app.bed.ticks(1);
    EXPECT_EQ(view.getTileCount(), 2u);
}

TEST_F(MenuScreen, ATileOpensItsTargetPage)
{
    presentOnly({7});
    MenuView& view = open(app.pages().mainMenuPage);
    clickOn(view.getTile(2)); // "Information"
    ASSERT_EQ(app.pageManager().getCurrentPage(), &app.pages().informationMenuPage);
    MenuView* information = app.screen<MenuView>();
    ASSERT_NE(information, nullptr);
    EXPECT_EQ(title(*information), u"Information");
}

// A menu of the test's own: more available items than tiles, one without a target.
class OwnMenu : public MenuScreen
{
protected:
    explicit OwnMenu(uint16_t pageId = 14) : page(pageId, 0, 120, false), target(33, 0, 120, false)
    {
        for (uint32_t i = 0; i < ITEMS; ++i) {
            items[i] = {static_cast<uint32_t>(980 + i), 0xFFFF, i == 0 ? nullptr : &target, &always, i};
        }
        menu = {911, MenuDescriptor::NO_TEXT, ITEMS, items};
        page.setPointerParam(pagemanager::PointerParam(&menu));
    }

    static const uint32_t ITEMS = 14;
    EmptyProtector always;
    MenuItem items[ITEMS];
    MenuDescriptor menu;
    pagemanager::Page page;
    pagemanager::Page target;
};

TEST_F(OwnMenu, ItemsBeyondTheTwelveTilesAreLeftOutAndATileWithoutTargetDoesNothing)
{
    MenuView& view = open(page);
    EXPECT_EQ(view.getTileCount(), 12u);
    EXPECT_EQ(view.getHelpText(), nullptr);

    clickOn(view.getTile(0));
    EXPECT_EQ(app.pageManager().getCurrentPage(), &page);
    clickOn(view.getTile(1));
    EXPECT_EQ(app.pageManager().getCurrentPage(), &target);
}

TEST_F(OwnMenu, APageWithoutDescriptorGivesAnEmptyMenuWithoutTitleOrHelp)
{
    pagemanager::Page bare(14, 0, 120, false);
    MenuView& view = open(bare);
    EXPECT_EQ(view.getTileCount(), 0u);
    EXPECT_EQ(view.getTitleText(), quillon::TYPED_TEXT_INVALID);
    EXPECT_EQ(view.getHelpText(), nullptr);
}

class CPSelection : public OwnMenu
{
protected:
    CPSelection() : OwnMenu(11) {}
};

TEST_F(CPSelection, TitlesByTheLevelAndRecordsTheChosenGroup)
{
    struct Case
    {
        uint8_t level;
        const char16_t* title;
    };
    const Case cases[] = {{1, u"Parameter level 1 Groups"}, {0, u"Parameter level 2 Groups"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        Params::CPSelection stored = {c.level, 0, {0, 1}, 751};
        app.pageManager().setParam(stored);
        app.open(page);
        app.bed.ticks(1);
        CPSelectionView* view = app.screen<CPSelectionView>();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(str(view->getTopBar().getTitleField().getText()), c.title);

        clickOn(view->getTile(5)); // item value 5
        EXPECT_EQ(app.pageManager().getCurrentPage(), &target);
        const Params::CPSelection* selection = app.pageManager().getParam<Params::CPSelection>(nullptr);
        ASSERT_NE(selection, nullptr);
        EXPECT_EQ(selection->group, 5);
        EXPECT_EQ(selection->level, c.level);
        app.pageManager().backTo(true);
        app.bed.ticks(1);
    }
}

TEST_F(CPSelection, WithoutASelectionStoresTheDefaultOnItsPage)
{
    app.open(page);
    app.bed.ticks(1);
    const Params::CPSelection* selection = app.pageManager().getParam<Params::CPSelection>(&page);
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->level, 0);
    EXPECT_EQ(selection->code, 751u);
}
} // namespace
