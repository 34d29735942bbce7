#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/setpoint/SetpointTempView.hpp"

#include <gtest/gtest.h>

namespace
{
using screens::DeviceWrite;
using screens::str;

// Table indexes of the values the screens read.
const uint32_t DHW_SETPOINT = 238;
const uint32_t DHW_LIMIT = 349;         // 0x885A
const uint32_t DHW_LOWER_BOUND = 350;   // 0x885B
const uint32_t DHW_OTHER_LIMIT = 352;   // 0x885E
const uint32_t DHW_LIMIT_CHOICE = 259;  // 0x6757
const uint32_t DHW_LIMIT_SWITCH = 258;  // 0x6756

class SetpointScreen : public ::testing::Test, public screens::ScreenFixture
{
protected:
    SetpointTempView& open(pagemanager::Page& page)
    {
        app.open(app.pages().mainMenuPage);
        app.open(page);
        app.bed.ticks(1);
        SetpointTempView* view = app.screen<SetpointTempView>();
        EXPECT_NE(view, nullptr);
        forgetWrites();
        return *view;
    }
    void chooseCircuit(uint16_t circuit)
    {
        HeatingCircuitParam selection = {};
        selection.circuit = circuit;
        app.pageManager().setParam(selection);
    }
    void ok(SetpointTempView& view) { clickBottomButton(view.getBottomBar(), SetpointTempView::OK_BUTTON); }
    static uint16_t shown(const SetpointTempView& view) { return view.getTemperatureEdit().getValue(); }
};

TEST_F(SetpointScreen, WithoutAChosenCircuitEachHeatingSetpointEditsCircuitOne)
{
    struct Case
    {
        pagemanager::Page* page;
        uint32_t index;
        uint16_t address;
        const char16_t* title;
    };
    const Case cases[] = {
        {&app.pages().heatingRoomTempPage, 76, 0x2306, u"Set room temperature"},
        {&app.pages().heatingReducedRoomTempPage, 77, 0x2307, u"Set reduced room temperature"},
        {&app.pages().heatingComfortTempPage, 78, 0x2308, u"Comfort temperature"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        app.bed.deviceSends(c.index, uint8_t{21});
        SetpointTempView& view = open(*c.page);
        EXPECT_EQ(shown(view), 21);
        EXPECT_NE(str(view.getTopBar().getTitleField().getText()).find(c.title), std::u16string::npos);
        EXPECT_NE(view.getHelpText(), nullptr);
        ok(view);
        ASSERT_FALSE(writes().empty());
        EXPECT_EQ(writes().back(), (DeviceWrite{c.address, 21}));
        EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainMenuPage);
    }
}

TEST_F(SetpointScreen, TheChosenCircuitPicksTheElementAndOneOutOfRangeFallsBackToCircuitOne)
{
    struct Case
    {
        uint16_t circuit;
        uint16_t address;
    };
    const Case cases[] = {{2, 0x4306}, {1, 0x3306}, {5, 0x2306}, {0xFFFF, 0x2306}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.circuit);
        app.open(app.pages().mainMenuPage);
        chooseCircuit(c.circuit);
        app.open(app.pages().heatingRoomTempPage);
        app.bed.ticks(1);
        SetpointTempView* view = app.screen<SetpointTempView>();
        ASSERT_NE(view, nullptr);
        forgetWrites();
        ok(*view);
        EXPECT_EQ(writes().size(), 1u);
        ASSERT_FALSE(writes().empty());
        EXPECT_EQ(writes().back().address, c.address);
        app.pageManager().backTo(true);
        app.bed.ticks(1);
    }
}

TEST_F(SetpointScreen, AValueBelowTheMinimumIsShownAndWrittenAsTheMinimum)
{
    app.bed.deviceSends(76, uint8_t{2});
    SetpointTempView& room = open(app.pages().heatingRoomTempPage);
    EXPECT_EQ(shown(room), 3);
    EXPECT_EQ(str(room.getTemperatureEdit().getText()).substr(0, 1), u"3");
    ok(room);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x2306, 3}}));

    app.bed.deviceSends(78, uint8_t{3});
    SetpointTempView& comfort = open(app.pages().heatingComfortTempPage);
    EXPECT_EQ(shown(comfort), 4);
}

TEST_F(SetpointScreen, PlusChangesOnlyTheEditorUntilOk)
{
    app.bed.deviceSends(77, uint8_t{17});
    SetpointTempView& view = open(app.pages().heatingReducedRoomTempPage);
    clickOn(view.getTemperatureEdit().getPlusButton());
    clickOn(view.getTemperatureEdit().getPlusButton());
    EXPECT_EQ(shown(view), 19);
    EXPECT_TRUE(writes().empty());
    ok(view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x2307, 19}}));
}

TEST_F(SetpointScreen, ComfortOkSwitchesComfortOnAndEconomyOffBeforeTheTemperatureEvenUnchanged)
{
    app.bed.deviceSends(131, uint8_t{22});
    app.open(app.pages().mainMenuPage);
    chooseCircuit(1);
    app.open(app.pages().heatingComfortTempPage);
    app.bed.ticks(1);
    SetpointTempView* view = app.screen<SetpointTempView>();
    ASSERT_NE(view, nullptr);
    forgetWrites();
    ok(*view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x3330, 1}, {0x3331, 0}, {0x3308, 22}}));
}

TEST_F(SetpointScreen, BackAndHomeWriteNothing)
{
    for (uint8_t button : {uint8_t{1}, uint8_t{0}}) {
        SCOPED_TRACE(button);
        app.open(app.pages().mainPage); // the home page hands on its home button
        app.open(app.pages().heatingRoomTempPage);
        app.bed.ticks(1);
        SetpointTempView* view = app.screen<SetpointTempView>();
        ASSERT_NE(view, nullptr);
        forgetWrites();
        clickOn(view->getTemperatureEdit().getPlusButton());
        clickBottomButton(view->getBottomBar(), button);
        EXPECT_EQ(app.screen<SetpointTempView>(), nullptr);
        EXPECT_TRUE(writes().empty());
    }
}

// The hot-water limits follow the device's limit values.
TEST_F(SetpointScreen, HotWaterLimitsFollowTheDeviceValues)
{
    struct Case
    {
        uint8_t lowerBound, limit, otherLimit, limitSwitch, limitChoice;
        uint8_t minimum, maximum;
    };
    const Case cases[] = {
        {8, 70, 65, 0, 0, 10, 60},  // capped at 60 while the switch is off
        {12, 70, 65, 0, 0, 12, 60},
        {8, 55, 65, 0, 0, 10, 55},
        {8, 70, 65, 1, 0, 10, 70},  // uncapped
        {8, 70, 65, 1, 1, 10, 65},
        {8, 0, 65, 0, 0, 10, 10},   // no limit read yet: never below the minimum
        {30, 20, 65, 1, 0, 30, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.lowerBound) << " " << int(c.limit) << " " << int(c.limitSwitch)
                                        << " " << int(c.limitChoice));
        app.bed.deviceSends(DHW_LOWER_BOUND, c.lowerBound);
        app.bed.deviceSends(DHW_LIMIT, c.limit);
        app.bed.deviceSends(DHW_OTHER_LIMIT, c.otherLimit);
        app.bed.deviceSends(DHW_LIMIT_SWITCH, c.limitSwitch);
        app.bed.deviceSends(DHW_LIMIT_CHOICE, c.limitChoice);

        app.bed.deviceSends(DHW_SETPOINT, uint8_t{0});
        SetpointTempView& low = open(app.pages().dhwBaseSetpointTempPage);
        EXPECT_EQ(shown(low), c.minimum);
        app.pageManager().back();
        app.bed.ticks(1);

        app.bed.deviceSends(DHW_SETPOINT, uint8_t{99});
        SetpointTempView& high = open(app.pages().dhwBaseSetpointTempPage);
        EXPECT_EQ(shown(high), c.maximum);
        ok(high);
        EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x6300, c.maximum}}));
    }
}
} // namespace
