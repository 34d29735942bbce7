#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/menu/DHWSelectionView.hpp"
#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/menu/HeatingMenuView.hpp"
#include "gui/screens/menu/MenuView.hpp"

#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

namespace
{
using screens::str;

class CircuitSelection : public ::testing::Test, public screens::ScreenFixture
{
protected:
    HCSelectionView* openSelection(pagemanager::Page& page)
    {
        app.open(page);
        app.bed.ticks(1);
        return app.screen<HCSelectionView>();
    }
    const HeatingCircuitParam* chosen() { return app.pageManager().getParam<HeatingCircuitParam>(nullptr); }
};

TEST_F(CircuitSelection, CircuitsOneAndThreeGiveTwoTilesAndTheSecondOpensTheMenuOfCircuitThree)
{
    presentOnly({0, 2, 7});
    HCSelectionView* view = openSelection(app.pages().heatingSelectionPage);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->getTileCount(), 2);
    EXPECT_EQ(str(view->getTile(0).getText()), u"Heating circuit 1");
    EXPECT_EQ(str(view->getTile(1).getText()), u"Heating circuit 3");
    EXPECT_EQ(view->getTileIcon(0), 0x6F);
    EXPECT_EQ(view->getTileIcon(1), 0x71);
    EXPECT_EQ(view->getTile(0).getAbsoluteRect().y, view->getTile(1).getAbsoluteRect().y);
    EXPECT_EQ(str(view->getTopBar().getTitleField().getText()), u"Heating circuits");
    EXPECT_NE(view->getHelpText(), nullptr);

    clickOn(view->getTile(1));
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().heatingMenuPage);
    ASSERT_NE(chosen(), nullptr);
    EXPECT_EQ(chosen()->circuit, 2);
    HeatingMenuView* menu = app.screen<HeatingMenuView>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->getTileCount(), 5u);

    // Back on the selection and a new choice overwrites the stored one in place.
    app.pageManager().back();
    app.bed.ticks(1);
    view = app.screen<HCSelectionView>();
    ASSERT_NE(view, nullptr);
    clickOn(view->getTile(0));
    ASSERT_NE(chosen(), nullptr);
    EXPECT_EQ(chosen()->circuit, 0);
}

TEST_F(CircuitSelection, AStoredCircuitNameReplacesTheNumberedLabel)
{
    presentOnly({0, 1, 7});
    unsigned short name[21] = {u'A', u't', u't', u'i', u'c'};
    groups().settings.hc1.set(name);
    HCSelectionView* view = openSelection(app.pages().heatingSelectionPage);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(str(view->getTile(0).getText()), u"Attic");
    EXPECT_EQ(str(view->getTile(1).getText()), u"Heating circuit 2");
    unsigned short empty[21] = {};
    groups().settings.hc1.set(empty);
}

TEST_F(CircuitSelection, OnlyCircuitTwoIsSkippedOnTheWayInAndOnTheWayBack)
{
    presentOnly({1, 7});
    app.open(app.pages().mainMenuPage);
    app.bed.ticks(1);
    MenuView* mainMenu = app.screen<MenuView>();
    ASSERT_NE(mainMenu, nullptr);
    clickOn(mainMenu->getTile(0)); // "Heating"

    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().heatingMenuPage);
    ASSERT_NE(app.screen<HeatingMenuView>(), nullptr);
    ASSERT_NE(chosen(), nullptr);
    EXPECT_EQ(chosen()->circuit, 1);

    app.pageManager().back();
    app.bed.ticks(2);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainMenuPage);
}

TEST_F(CircuitSelection, CirculationProgramsLabelHotWaterDevicesAfterTheirHeatingCircuits)
{
    presentOnly({9, 10, 7});
    app.open(app.pages().dhwCirculationSelectionPage);
    app.bed.ticks(1);
    DHWSelectionView* view = app.screen<DHWSelectionView>();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->getTileCount(), 2);
    for (uint8_t i = 0; i < 2; ++i) {
        EXPECT_EQ(view->getTileIcon(i), 0x79);
    }
    EXPECT_EQ(str(view->getTile(0).getText()), u"Heating circuit 1");
    EXPECT_EQ(str(view->getTile(1).getText()), u"Heating circuit 2");
    EXPECT_EQ(str(view->getTitle()), str(quillon::TypedText(1193).getText()) + u" " +
                                         str(quillon::TypedText(1186).getText()));

    clickOn(view->getTile(1));
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().dhwCirculationTypePage);
    ASSERT_NE(chosen(), nullptr);
    EXPECT_EQ(chosen()->circuit, 1);
}

TEST_F(CircuitSelection, HotWaterProgramsUseTheHotWaterIconAndNoDeviceGivesNoTile)
{
    presentOnly({9, 11, 7});
    app.open(app.pages().dhwTimeProgramSelectionPage);
    app.bed.ticks(1);
    DHWSelectionView* view = app.screen<DHWSelectionView>();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->getTileCount(), 2);
    EXPECT_EQ(view->getTileIcon(1), 0x7A);
    EXPECT_EQ(str(view->getTile(1).getText()), u"Heating circuit 3");

    presentOnly({7});
    HCSelectionView* none = openSelection(app.pages().heatingSelectionPage);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->getTileCount(), 0);
}
} // namespace
