#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/pagemanager/IPopupManager.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/menu/TileSelectorView.hpp"

#include <gtest/gtest.h>

namespace
{
using screens::DeviceWrite;
using screens::str;

const uint32_t GAS_TYPE = 336;       // 0x7782
const uint32_t GAS_TYPE_ENABLE = 212; // 0x5512
const uint32_t SOLAR_PUMP = 622;     // 0xCF02
const uint32_t LAN_MODULE = 641;     // 0xD07E

// What the screen asks of the popups, in order.
class PopupLog : public pagemanager::IPopupManager
{
public:
    void show(uint16_t popupId, uint8_t level) override { calls.push_back("show " + std::to_string(popupId) + " " + std::to_string(level)); }
    void close(uint16_t popupId) override { calls.push_back("close " + std::to_string(popupId)); }
    uint16_t getCurrent() override { return POPUP_NONE; }
    void remove(uint16_t) override {}
    bool hasChanged() override { return false; }
    bool hasPopups() override { return false; }
    bool isActive(uint16_t) override { return false; }
    std::vector<std::string> calls;
};

class TileSelectorScreen : public ::testing::Test, public screens::ScreenFixture
{
protected:
    TileSelectorScreen() : before(app.pageManager().getPopupManager()) { app.pageManager().setPopupManager(&popups); }
    ~TileSelectorScreen() override { app.pageManager().setPopupManager(before); }

    // As a screen of the start-up wizard does: the choice first, then the page.
    TileSelectorView& openWithChoice(int32_t choice)
    {
        app.open(app.pages().wizardTuningGasDhwPage);
        Params::TileChoice stored = {choice};
        app.pageManager().setParam(stored);
        return open(app.pages().tileSelectorPage);
    }
    TileSelectorView& open(pagemanager::Page& page)
    {
        app.open(page);
        app.bed.ticks(1);
        TileSelectorView* view = app.screen<TileSelectorView>();
        EXPECT_NE(view, nullptr);
        forgetWrites(); // the sensor reads of the previous screens are not the user's
        return *view;
    }
    void ok(TileSelectorView& view) { clickBottomButton(view.getBottomBar(), TileSelectorView::OK_BUTTON); }
    void select(TileSelectorView& view, int tile) { clickOn(view.getTileSelector().getTile(tile)); }

    PopupLog popups;
    pagemanager::IPopupManager* before;
};

TEST_F(TileSelectorScreen, LanModuleOnAsksForConsentInAPopupAndWritesNothing)
{
    presentOnly({7, 41});
    app.bed.deviceSends(LAN_MODULE, uint8_t{1});
    app.open(app.pages().settingsMenuPage);
    app.bed.ticks(1);
    MenuView* settings = app.screen<MenuView>();
    ASSERT_NE(settings, nullptr);
    clickOn(settings->getTile(8)); // "LAN module On/Off"
    TileSelectorView* view = app.screen<TileSelectorView>();
    ASSERT_NE(view, nullptr);
    forgetWrites();
    EXPECT_EQ(str(view->getTopBar().getTitleField().getText()), u"LAN module On/Off");
    EXPECT_EQ(str(view->getTileSelector().getTile(1).getText()), u"ON");
    EXPECT_EQ(view->getTileSelector().getSelectedTile(), 1);

    ok(*view);
    EXPECT_EQ(popups.calls, (std::vector<std::string>{"close 18", "show 18 1"}));
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().tileSelectorPage);
}

TEST_F(TileSelectorScreen, LanModuleOffWritesZeroAndGoesBackAfterTheFeedback)
{
    presentOnly({7, 41});
    app.bed.deviceSends(LAN_MODULE, uint8_t{1});
    app.open(app.pages().settingsMenuPage);
    TileSelectorView& view = open(app.pages().tileSelectorPage);
    select(view, 0);
    EXPECT_TRUE(writes().empty()); // a tile alone changes nothing
    ok(view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0xD07E, 0}}));
    EXPECT_TRUE(popups.calls.empty());
    ASSERT_EQ(view.getViewMode(), &view.getFeedbackMode());
    EXPECT_EQ(str(view.getFeedbackMode().getMessageField().getText()), u"The LAN module has been deactivated.");
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().tileSelectorPage);

    app.bed.ticks(260); // the feedback's time, then back
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().settingsMenuPage);
    EXPECT_EQ(writes().size(), 1u);
}

TEST_F(TileSelectorScreen, GasTypeIgnoresOkUntilEnabledAndWritesEightOnEveryWayOut)
{
    app.bed.deviceSends(GAS_TYPE, uint8_t{1});
    app.bed.deviceSends(GAS_TYPE_ENABLE, uint8_t{0});
    TileSelectorView& view = openWithChoice(0);
    EXPECT_EQ(str(view.getTopBar().getTitleField().getText()), u"Gas type");
    EXPECT_EQ(view.getTileSelector().getSelectedTile(), 1); // "LNG"
    EXPECT_NE(view.getHelpText(), nullptr);

    select(view, 0);
    ok(view);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().tileSelectorPage);

    app.bed.deviceSends(GAS_TYPE_ENABLE, uint8_t{1});
    app.bed.ticks(1);
    ok(view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x7782, 0}, {0x5711, 8}}));
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().wizardTuningGasDhwPage);

    // Back without OK: only the leaving write.
    TileSelectorView& again = open(app.pages().tileSelectorPage);
    clickBottomButton(again.getBottomBar(), 1);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x5711, 8}}));
}

TEST_F(TileSelectorScreen, SolarPumpShowsPwmForAnySpeedControlAndWritesTwo)
{
    app.bed.deviceSends(SOLAR_PUMP, uint8_t{2});
    TileSelectorView& view = openWithChoice(1);
    EXPECT_EQ(view.getTileSelector().getSelectedTile(), 1);
    EXPECT_EQ(str(view.getTileSelector().getTile(1).getText()), u"PWM");
    ok(view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0xCF02, 2}}));
}

TEST_F(TileSelectorScreen, PumpChoicesHaveNoHelpAndAChoiceOutOfRangeFallsBackToTheLanSwitch)
{
    struct Case
    {
        int32_t choice;
        const char16_t* title;
        bool help;
    };
    const Case cases[] = {
        {2, u"Circulation pump present", false},
        {3, u"Destratification pump", false},
        {4, u"Activate proxy", true},
        {7, u"LAN module On/Off", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        TileSelectorView& view = openWithChoice(c.choice);
        EXPECT_EQ(str(view.getTitle()), c.title);
        EXPECT_EQ(view.getHelpText() != nullptr, c.help);
        app.pageManager().backTo(true);
        app.bed.ticks(1);
    }
}
} // namespace
