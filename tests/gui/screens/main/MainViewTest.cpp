#include "HomeBed.hpp"

#include "support/TextReading.hpp"

#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

#include <string>

namespace
{
using quillon::test::text;
using test::HomeBed;

std::u16string shown(const guicontrols::TextField& field)
{
    return text(field.getText());
}

TEST(MainView, ShowsTheSeededCircuit)
{
    HomeBed home(false);
    MainView* view = home.view();
    ASSERT_NE(view, nullptr);
    const std::uint32_t setpoint = home.presenter().getRoomSetpoint();
    const std::string digits = std::to_string(setpoint);
    EXPECT_EQ(shown(view->getSetpointText()), std::u16string(digits.begin(), digits.end()) + u"°");
    EXPECT_EQ(shown(view->getCircuitTitle()), u"Heating circuit 1");
    EXPECT_EQ(text(view->getTitle()), u"Heating circuit 1");
    EXPECT_EQ(view->getPageIndicator().getCurrentPage(), 0);
    // The setpoint is drawn: the big digits' colour lies inside its field.
    const quillon::Rectangle field = view->getSetpointText().getAbsoluteRect();
    EXPECT_GT(home.app.bed.frame().count(view->getSetpointText().getColor(), field), 100);
}

TEST(MainView, BoilerAndOutsideLines)
{
    HomeBed home;
    MainView& view = *home.view();
    home.send(HomeBed::BOILER_TEMPERATURE, 45.0f);
    home.send(HomeBed::BOILER_STATUS, std::uint8_t{0});
    home.ticks(1);
    EXPECT_EQ(shown(view.getBoilerText()), u"Boiler temperature 45°C");
    EXPECT_TRUE(view.getBoilerText().isVisible());
    EXPECT_FALSE(view.getStatusText().isVisible());
    home.send(HomeBed::BOILER_STATUS, std::uint8_t{6});
    home.ticks(1);
    EXPECT_EQ(shown(view.getBoilerText()), u"Boiler temperature ---");

    home.device(MainPresenter::DEVICE_OUTSIDE_TEMPERATURE, true);
    home.sendCommonInfo(-25, 0);
    home.device(MainPresenter::DEVICE_OUTSIDE_TEMPERATURE, true);
    home.ticks(1);
    EXPECT_EQ(shown(view.getOutsideText()), u"-3°");
    home.device(MainPresenter::DEVICE_OUTSIDE_TEMPERATURE, false);
    home.ticks(1);
    EXPECT_EQ(shown(view.getOutsideText()), u"---");

    home.send(HomeBed::ROOM_SETPOINT, std::uint8_t{1});
    home.ticks(1);
    EXPECT_EQ(shown(view.getSetpointText()), u"3°");
}

TEST(MainView, StatusLineSwapsEvery251TicksNeverWhileDimmed)
{
    HomeBed home;
    MainView& view = *home.view();
    home.ticks(300);
    EXPECT_TRUE(view.getBoilerText().isVisible()); // no flag: never swaps
    EXPECT_FALSE(view.getStatusText().isVisible());

    home.send(HomeBed::HOLIDAY, std::uint8_t{1});
    home.ticks(250);
    EXPECT_EQ(shown(view.getStatusText()), u"Holiday program");
    EXPECT_TRUE(view.getBoilerText().isVisible());
    home.ticks(1);
    EXPECT_FALSE(view.getBoilerText().isVisible());
    EXPECT_TRUE(view.getStatusText().isVisible());
    home.ticks(250);
    EXPECT_TRUE(view.getStatusText().isVisible());
    home.ticks(1);
    EXPECT_TRUE(view.getBoilerText().isVisible());
    EXPECT_FALSE(view.getStatusText().isVisible());

    home.app.app.setDimmed(true);
    home.ticks(11);
    EXPECT_FALSE(view.getStatusText().isVisible());
    EXPECT_FALSE(view.getBoilerText().isVisible());
    EXPECT_TRUE(view.getCircuitTitle().isVisible());
    home.ticks(600);
    EXPECT_FALSE(view.getStatusText().isVisible());
    EXPECT_FALSE(view.getBoilerText().isVisible());
}

TEST(MainView, ComfortStatusTextAndProgramAndConnectionIcons)
{
    HomeBed home;
    MainView& view = *home.view();
    home.send(78, std::uint8_t{22});
    home.send(HomeBed::COMFORT, std::uint8_t{1});
    home.ticks(1);
    EXPECT_EQ(shown(view.getStatusText()), u"Comfort mode 22°C");
    EXPECT_TRUE(view.getComfortButton().isChecked());

    struct Program
    {
        std::uint8_t program;
        quillon::BitmapId icon;
    };
    const Program programs[] = {{0, 173}, {1, 120}, {2, 116}, {3, 100}, {200, 100}};
    for (const Program& c : programs) {
        SCOPED_TRACE(c.program);
        home.send(HomeBed::OPERATING_PROGRAM, c.program);
        home.ticks(1);
        EXPECT_EQ(view.getProgramButton().getIcon().getId(), c.icon);
    }

    home.device(MainPresenter::DEVICE_LAN_MODULE, true);
    const std::uint8_t states[] = {5, 7, 1, 6};
    const quillon::BitmapId icons[] = {142, 84, 125, 85};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(states[i]);
        home.sendCommonInfo(0, states[i]);
        home.ticks(1);
        EXPECT_TRUE(view.getConnectionIcon().isVisible());
        EXPECT_EQ(view.getConnectionIcon().getBitmap().getId(), icons[i]);
    }
    home.device(MainPresenter::DEVICE_LAN_MODULE, false);
    home.ticks(1);
    EXPECT_FALSE(view.getConnectionIcon().isVisible());
}

TEST(MainView, ComfortAndEconomyClicks)
{
    {
        HomeBed home;
        home.send(HomeBed::COMFORT, std::uint8_t{1});
        home.ticks(1);
        home.click(HomeBed::COMFORT_X, HomeBed::COMFORT_Y);
        EXPECT_EQ(home.groups().heating.comfortRequest[0].getValue(), 0);
        MainView& view = *home.view();
        ASSERT_EQ(view.getViewMode(), &view.getFeedbackMode());
        EXPECT_EQ(text(view.getFeedbackMode().getMessageField().getText()), u"Comfort mode reset");
        home.ticks(600); // the feedback closes itself; the home screen stays
        EXPECT_EQ(home.current(), &home.app.pages().mainPage);
        EXPECT_EQ(home.view(), &view);
        EXPECT_EQ(view.getViewMode(), static_cast<IViewMode*>(&view));
    }
    {
        HomeBed home;
        home.click(HomeBed::COMFORT_X, HomeBed::COMFORT_Y);
        EXPECT_EQ(home.current(), &home.app.pages().heatingComfortTempPage);
        EXPECT_EQ(home.groups().heating.comfortRequest[0].getValue(), 0);
    }
    {
        HomeBed home;
        home.send(HomeBed::OPERATING_PROGRAM, std::uint8_t{2});
        heating_info info{};
        info.bytes[1] = 2;
        home.send(HomeBed::HEATING_INFO, info);
        home.send(HomeBed::COMFORT, std::uint8_t{1});
        home.ticks(1);
        ASSERT_TRUE(home.view()->getEconomyButton().isTouchable());
        home.click(HomeBed::ECONOMY_X, HomeBed::ECONOMY_Y);
        EXPECT_EQ(home.groups().heating.economyRequest[0].getValue(), 1);
        EXPECT_EQ(home.groups().heating.comfortRequest[0].getValue(), 0);
        ASSERT_EQ(home.view()->getViewMode(), &home.view()->getFeedbackMode());
        EXPECT_EQ(text(home.view()->getFeedbackMode().getMessageField().getText()), u"Economy mode selected");
        EXPECT_EQ(home.current(), &home.app.pages().mainPage);
    }
}

TEST(MainView, EveryQuickButtonStoresTheShownCircuitFirst)
{
    const int16_t buttons[][2] = {{HomeBed::PROGRAM_X, HomeBed::PROGRAM_Y},
                                  {HomeBed::COMFORT_X, HomeBed::COMFORT_Y},
                                  {HomeBed::PLUS_X, HomeBed::PLUS_Y},
                                  {HomeBed::MINUS_X, HomeBed::MINUS_Y}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button[1]);
        HomeBed home;
        home.device(0, true);
        home.device(1, true);
        home.app.pageManager().setParam(Params::MainState{1});
        home.reenter();
        ASSERT_EQ(home.presenter().getCircuit(), 1);
        home.click(button[0], button[1]);
        const HeatingCircuitParam* param =
            home.app.pageManager().getParam<HeatingCircuitParam>(&home.app.pages().mainPage);
        ASSERT_NE(param, nullptr);
        EXPECT_EQ(param->circuit, 1);
        EXPECT_NE(home.current(), &home.app.pages().mainPage);
    }
}

struct LockCase
{
    std::uint8_t level;
    int16_t x, y;
    bool raises;
    bool leaves; // the click opened another page
};

TEST(MainView, PanelLock)
{
    const LockCase cases[] = {
        {1, 400, 30, true, false},
        {1, 400, 200, false, true}, // the setpoint still opens
        {1, 50, 30, false, true},   // the menu button
        {1, HomeBed::COMFORT_X, HomeBed::COMFORT_Y, false, true},
        {1, HomeBed::ECONOMY_X, HomeBed::ECONOMY_Y, false, false}, // acts: its feedback on the home screen
        {1, HomeBed::PLUS_X, HomeBed::PLUS_Y, false, true},
        {1, HomeBed::MINUS_X, HomeBed::MINUS_Y, false, true},
        {1, HomeBed::LEFT_ARROW_X, HomeBed::BAR_Y, true, false},
        {1, HomeBed::RIGHT_ARROW_X, HomeBed::BAR_Y, true, false},
        {1, HomeBed::HELP_X, HomeBed::BAR_Y, false, false},
        {2, 400, 30, true, false},
        {2, 400, 200, true, false},
        {2, 50, 30, false, true},
        {2, HomeBed::COMFORT_X, HomeBed::COMFORT_Y, true, false},
        {2, HomeBed::ECONOMY_X, HomeBed::ECONOMY_Y, true, false},
        {2, HomeBed::PLUS_X, HomeBed::PLUS_Y, true, false},
        {2, HomeBed::MINUS_X, HomeBed::MINUS_Y, true, false},
        {2, HomeBed::LEFT_ARROW_X, HomeBed::BAR_Y, true, false},
        {2, HomeBed::HELP_X, HomeBed::BAR_Y, false, false},
        {0, 400, 30, false, false},
        {0, HomeBed::LEFT_ARROW_X, HomeBed::BAR_Y, false, true},
    };
    for (const LockCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.level) << " at " << c.x << ", " << c.y);
        HomeBed home;
        // Economy acts only when the circuit heats normally in program 2.
        home.send(HomeBed::OPERATING_PROGRAM, std::uint8_t{2});
        heating_info info{};
        info.bytes[1] = 2;
        home.send(HomeBed::HEATING_INFO, info);
        home.send(HomeBed::TEST_OPERATION, std::uint8_t{0});
        home.send(HomeBed::LOCK_LEVEL, c.level);
        home.ticks(1);
        MainView* view = home.view();
        home.app.bed.click(c.x, c.y);
        EXPECT_EQ(home.panelLockedRaised(), c.raises);
        home.ticks(1);
        if (c.x == HomeBed::HELP_X && c.y == HomeBed::BAR_Y) {
            EXPECT_EQ(view->getViewMode(), &view->getHelpMode()); // help opens at any level
        }
        EXPECT_EQ(home.current() != &home.app.pages().mainPage, c.leaves);
    }
}

TEST(MainView, NoPanelLockedPopupWhileWinkOrTestOperationRuns)
{
    for (int wink = 0; wink < 2; ++wink) {
        SCOPED_TRACE(wink);
        HomeBed home;
        home.send(HomeBed::LOCK_LEVEL, std::uint8_t{2});
        if (wink == 1) {
            home.sendCommonInfo(0, 0, 1);
        } else {
            home.send(HomeBed::TEST_OPERATION, std::uint8_t{1});
        }
        home.ticks(1);
        home.click(400, 30);
        home.click(HomeBed::COMFORT_X, HomeBed::COMFORT_Y);
        home.click(HomeBed::LEFT_ARROW_X, HomeBed::BAR_Y);
        EXPECT_FALSE(home.panelLockedRaised());
    }
}

TEST(MainView, AVanishedCircuitMovesToTheHighestPresentOne)
{
    HomeBed home;
    home.device(0, true);
    home.device(1, true);
    home.device(2, false);
    home.app.pageManager().setParam(Params::MainState{1});
    home.reenter();
    EXPECT_EQ(shown(home.view()->getCircuitTitle()), u"Heating circuit 2");

    home.device(1, false);
    home.device(2, true);
    home.ticks(1);
    EXPECT_EQ(home.presenter().getCircuit(), 2);
    EXPECT_EQ(shown(home.view()->getCircuitTitle()), u"Heating circuit 3");
    const Params::MainState* state = home.app.pageManager().getParam<Params::MainState>(&home.app.pages().mainPage);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->circuit, 2);
    // Back on the home screen later, the stored circuit is shown.
    home.reenter();
    EXPECT_EQ(home.presenter().getCircuit(), 2);
}

TEST(MainView, ArrowsLeadAlongTheHomePages)
{
    {
        HomeBed home;
        home.click(HomeBed::RIGHT_ARROW_X, HomeBed::BAR_Y);
        EXPECT_EQ(home.current(), &home.app.pages().energyCockpitPage);
        EXPECT_EQ(home.app.pageManager().getHistorySize(), 1); // from the root onto the history
    }
    {
        HomeBed home;
        home.click(HomeBed::LEFT_ARROW_X, HomeBed::BAR_Y);
        EXPECT_EQ(home.current(), &home.app.pages().favouritesMainPage);
        const Params::FavouritesState* state = home.app.pageManager().getParam<Params::FavouritesState>();
        ASSERT_NE(state, nullptr);
        EXPECT_EQ(state->page, 1);
    }
}

TEST(MainView, HelpFollowsTheFirstStatusFlag)
{
    HomeBed home;
    MainView& view = *home.view();
    auto help = [&view] { return text(view.getHelpText()); };
    auto textOf = [](quillon::TextId id) { return text(quillon::TypedText(id).getText()); };
    EXPECT_EQ(help(), textOf(725));
    home.send(HomeBed::COMFORT, std::uint8_t{1}); // comfort has no help of its own
    home.ticks(1);
    EXPECT_EQ(help(), textOf(725));
    home.send(HomeBed::HOLIDAY, std::uint8_t{1});
    home.ticks(1);
    EXPECT_EQ(help(), textOf(719));
    hc_info info{};
    info.bytes[0] = 0x06; // external connection and external program: the connection comes first
    home.send(HomeBed::CIRCUIT_INFO, info);
    home.ticks(1);
    EXPECT_EQ(help(), textOf(715));
    EXPECT_EQ(text(view.getStatusText().getText()), u"External connection");
    EXPECT_FALSE(view.getComfortButton().isTouchable()); // no comfort under an external connection
}
} // namespace
