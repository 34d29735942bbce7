#include "EnergyBed.hpp"

#include "gui/pagemanager/Params.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "gui/screens/favourites/FavouritesMainView.hpp"
#include "gui/screens/main/MainView.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using screens::str;

class Cockpit : public ::testing::Test, public test::EnergyBed
{
protected:
    EnergyCockpitView& open(std::initializer_list<std::uint32_t> flags)
    {
        fromHome(pages().energyCockpitPage, flags);
        EnergyCockpitView* view = app.screen<EnergyCockpitView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    EnergyCockpitView& view() { return *app.screen<EnergyCockpitView>(); }
};

// What an arrangement shows: the boiler's picture and place and which parts are there.
TEST_F(Cockpit, ArrangementsFollowTheBoilerVariantHotWaterSolarAndCylinderType)
{
    struct Case
    {
        const char* name;
        std::initializer_list<std::uint32_t> flags;
        quillon::BitmapId boiler;
        int16_t boilerX;
        bool collector, buffer, tank, cylinder, flame, boilerArrows, balanceVisible;
    };
    const Case cases[] = {
        {"no variant flag, hot water, no solar", {9}, 41, 478, false, true, false, false, false, true, false},
        {"flag 57 as no flag", {57, 9}, 41, 478, false, true, false, false, false, true, false},
        {"no hot water: alone even with solar", {57, 26, 28, 64}, 41, 335, false, false, false, false, false, false, false},
        {"solar and hot water, type 1", {57, 10, 26, 61}, 41, 592, true, true, false, false, false, true, false},
        {"type 2", {57, 11, 28, 62}, 41, 592, true, true, false, false, false, true, true},
        {"type 3", {57, 9, 29, 63}, 41, 592, true, true, false, false, false, true, true},
        {"type 5", {57, 9, 27, 65}, 41, 592, true, true, false, false, false, true, false},
        {"type 4: the tank", {57, 9, 26, 64}, 41, 590, true, false, true, false, false, true, true},
        {"flag 58", {58, 9, 28}, 42, 335, false, false, false, true, true, true, false},
        {"flag 59", {59}, 42, 467, true, false, false, true, true, true, false},
        {"flag 59 with 29", {59, 29}, 42, 467, true, false, false, true, true, true, true},
        {"flag 60", {60}, 44, 590, true, false, true, false, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnergyCockpitView& cockpit = open(c.flags);
        EXPECT_EQ(cockpit.getBoiler().getCurrentlyDisplayedBitmap().getId(), c.boiler);
        EXPECT_EQ(cockpit.getBoiler().getX(), c.boilerX);
        EXPECT_EQ(cockpit.getBoiler().getY(), 20);
        EXPECT_EQ(cockpit.isShown(cockpit.getCollector()), c.collector);
        EXPECT_EQ(cockpit.isShown(cockpit.getSolarArrows()), c.collector);
        EXPECT_EQ(cockpit.isShown(cockpit.getBuffer()), c.buffer);
        EXPECT_EQ(cockpit.isShown(cockpit.getTank()), c.tank);
        EXPECT_EQ(cockpit.isShown(cockpit.getChargeGadget()), c.tank);
        EXPECT_EQ(cockpit.isShown(cockpit.getCylinder()), c.cylinder);
        EXPECT_EQ(cockpit.isShown(cockpit.getFlame()), c.flame);
        EXPECT_EQ(cockpit.isShown(cockpit.getBoilerArrows()), c.boilerArrows);
        EXPECT_EQ(cockpit.isShown(cockpit.getEnergyBalanceButton()) && cockpit.getEnergyBalanceButton().isVisible(),
                  c.balanceVisible);
    }
}

TEST_F(Cockpit, RowPositionsOfTheFirstArrangement)
{
    EnergyCockpitView& plain = open({57, 9});
    EXPECT_EQ(plain.getBuffer().getX(), 150); // the row starts at 110 without solar
    EXPECT_EQ(plain.getBuffer().getY(), 50);
    EXPECT_EQ(plain.getBoilerArrows().getX(), plain.getBoiler().getX() - 110); // touching the boiler
    EXPECT_EQ(plain.getBoilerArrows().getY(), 65);

    EnergyCockpitView& tank = open({57, 9, 28, 64});
    EXPECT_EQ(tank.getCollector().getX(), 40);
    EXPECT_EQ(tank.getSolarArrows().getX(), 40 + tank.getCollector().getWidth());
    EXPECT_EQ(tank.getSolarArrows().getY(), 200);
    EXPECT_EQ(tank.getEnergyBalanceButton().getX(), 40);
    EXPECT_EQ(tank.getEnergyBalanceButton().getY(), 220);
    EXPECT_EQ(tank.getTank().getX(), 40 + tank.getCollector().getWidth() + 40);
    // The charge state's right edge on the tank's centre line.
    EXPECT_EQ(tank.getChargeGadget().getX() + tank.getChargeGadget().getWidth(),
              tank.getTank().getX() + tank.getTank().getWidth() / 2);
    EXPECT_EQ(str(tank.getChargeText()), u"70 %%"); // 0xE097 = 70, drawn as "70 %"

    EnergyCockpitView& second = open({58, 9});
    EXPECT_EQ(second.getCylinder().getY(), second.getBoiler().getY() + second.getBoiler().getHeight());
    EXPECT_EQ(second.getBoilerArrows().getX(), second.getBoiler().getX() + 130 + 5);
    EXPECT_EQ(second.getFlame().getX(), second.getBoilerArrows().getX() + 110);
    EXPECT_EQ(second.getFlame().getY(), second.getBoilerArrows().getY() - 7); // centred on the arrows
}

// The arrows reach over the buffer's edges: they are drawn over it, not hidden under it.
TEST_F(Cockpit, ArrowsShowOverTheBuffer)
{
    EnergyCockpitView& cockpit = open({57, 9, 28});
    for (HeatArrows* arrows : {&cockpit.getSolarArrows(), &cockpit.getBoilerArrows()}) {
        const quillon::Rectangle over = arrows->getAbsoluteRect() & cockpit.getBuffer().getAbsoluteRect();
        ASSERT_FALSE(over.isEmpty());
        const std::vector<quillon::Color> shown = app.bed.frame().pixels(over);
        arrows->setVisible(false);
        cockpit.getBuffer().getParent()->invalidate();
        app.bed.ticks(1);
        int differing = 0;
        size_t i = 0;
        for (int16_t y = over.y; y < over.y + over.height; ++y) {
            for (int16_t x = over.x; x < over.x + over.width; ++x) {
                differing += app.bed.frame().at(x, y) != shown[i++] ? 1 : 0;
            }
        }
        EXPECT_GT(differing, 50);
        arrows->setVisible(true);
    }
}

TEST_F(Cockpit, PageIndicatorMarksTheSecondHomePage)
{
    EnergyCockpitView& cockpit = open({60});
    const guicontrols::PageIndicator& dots = cockpit.getPageIndicator();
    EXPECT_EQ(dots.getCurrentPage(), 1);
    EXPECT_GE(dots.getNumberOfPages(), 3);
    EXPECT_EQ(dots.getY() + dots.getHeight(), 337 - 8);
    EXPECT_EQ(dots.getX() + dots.getWidth() / 2, 400);
}

TEST_F(Cockpit, CollectorTemperatureText)
{
    struct Case
    {
        int16_t tenths;
        std::uint8_t flag;
        std::u16string shown;
    };
    const Case cases[] = {{215, 0, u"22°C"}, {-55, 0, u"-6°C"}, {0, 0, u"0°C"}, {-5, 0, u"-1°C"}, {300, 1, u"---"}};
    EnergyCockpitView& cockpit = open({60});
    EXPECT_EQ(str(cockpit.getCollectorText()), u"62°C"); // the seeded 623 tenths
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tenths);
        sendTenths(test::SOLAR_INFO, 2, c.tenths, c.flag);
        app.bed.ticks(1);
        EXPECT_EQ(str(cockpit.getCollectorText()), c.shown);
    }
}

TEST_F(Cockpit, ArrowsRunOnlyWhileTheirSourceHeats)
{
    EnergyCockpitView& cockpit = open({60});
    // The seeds: the burner on with hot-water state 1, the solar pump on without bit 1.
    EXPECT_TRUE(cockpit.getBoilerArrows().isRunning());
    EXPECT_FALSE(cockpit.getSolarArrows().isRunning());
    app.bed.ticks(25);
    EXPECT_NE(cockpit.getBoilerArrows().getBitmap().getId(), 32);

    struct Case
    {
        std::uint8_t solarState, boilerState, hotWater;
        bool solar, boiler;
    };
    const Case cases[] = {
        {0x03, 0x10, 1, true, true},   {0x02, 0x10, 2, false, false}, {0x07, 0x00, 1, true, false},
        {0x01, 0x1F, 1, false, true},  {0x03, 0x10, 0, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.solarState) << " " << int(c.boilerState) << " " << int(c.hotWater));
        sendRecord<solar_info>(test::SOLAR_INFO, {{0, c.solarState}});
        sendRecord<boiler_info>(test::BOILER_INFO, {{0, c.boilerState}});
        app.bed.deviceSends(test::HOT_WATER_STATE, c.hotWater);
        app.bed.ticks(25); // past two pictures
        EXPECT_EQ(cockpit.getSolarArrows().isRunning(), c.solar);
        EXPECT_EQ(cockpit.getBoilerArrows().isRunning(), c.boiler);
        if (!c.solar) {
            EXPECT_EQ(cockpit.getSolarArrows().getBitmap().getId(), 37);
        }
        if (!c.boiler) {
            EXPECT_EQ(cockpit.getBoilerArrows().getBitmap().getId(), 32);
        }
    }
}

TEST_F(Cockpit, DeviceChangeRebuildsThePictureAtTheNextTick)
{
    EnergyCockpitView& cockpit = open({57, 9});
    ASSERT_TRUE(cockpit.isShown(cockpit.getBuffer()));
    devices().setPresent(64);
    app.bed.ticks(1);
    EXPECT_FALSE(cockpit.isShown(cockpit.getBuffer()));
    EXPECT_TRUE(cockpit.isShown(cockpit.getTank()));
    devices().setAbsent(57);
    devices().setPresent(58);
    app.bed.ticks(1);
    EXPECT_TRUE(cockpit.isShown(cockpit.getCylinder()));
    EXPECT_EQ(cockpit.getBoiler().getCurrentlyDisplayedBitmap().getId(), 42);

    // Running solar arrows that the next picture leaves out stop with it.
    devices().setAbsent(58);
    devices().setPresent(60);
    sendRecord<solar_info>(test::SOLAR_INFO, {{0, 0x03}});
    app.bed.ticks(1);
    ASSERT_TRUE(cockpit.getSolarArrows().isRunning());
    devices().setAbsent(60);
    devices().setPresent(58);
    app.bed.ticks(1);
    EXPECT_FALSE(cockpit.isShown(cockpit.getSolarArrows()));
    EXPECT_FALSE(cockpit.getSolarArrows().isRunning());
    EXPECT_TRUE(cockpit.getBoilerArrows().isRunning()); // still shown, still heating
}

TEST_F(Cockpit, CollectorRoads)
{
    struct Case
    {
        const char* name;
        std::initializer_list<std::uint32_t> flags;
        pagemanager::Page* target; // null: the cockpit stays
    };
    const Case cases[] = {
        {"flag 60: the interval menu", {60}, &pages().solarYieldIntervalPage},
        {"flag 64: the interval menu", {57, 9, 26, 64}, &pages().solarYieldIntervalPage},
        {"neither: the overview", {57, 9, 28}, &pages().solarOverviewPage},
        {"flag 26: nothing", {57, 9, 26}, nullptr},
        {"flag 27: nothing", {59, 27}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnergyCockpitView& cockpit = open(c.flags);
        app.pageManager().setParam(IntervalSelection{3, 1});
        clickOn(cockpit.getCollector());
        EXPECT_EQ(current(), c.target != nullptr ? c.target : &pages().energyCockpitPage);
        if (c.target == &pages().solarOverviewPage) {
            const IntervalSelection* interval = app.pageManager().getParam<IntervalSelection>();
            ASSERT_NE(interval, nullptr);
            EXPECT_EQ(interval->interval, 0u);
            EXPECT_EQ(interval->noDetails, 0u);
        }
        if (c.target != nullptr) {
            app.pageManager().back();
            app.bed.ticks(1);
            EXPECT_EQ(current(), &pages().energyCockpitPage); // pushed on the history
        }
    }
}

TEST_F(Cockpit, PartsOpenTheirDetails)
{
    EnergyCockpitView& plain = open({57, 9});
    clickOn(plain.getBuffer());
    EXPECT_EQ(current(), &pages().bufferLoadPage);

    EnergyCockpitView& tank = open({60});
    clickOn(tank.getTank());
    EXPECT_EQ(current(), &pages().bufferLoadPage);
    app.pageManager().back();
    app.bed.ticks(1);
    clickOn(view().getBoiler());
    EXPECT_EQ(current(), &pages().boilerDetailsPage);

    EnergyCockpitView& cylinder = open({58, 9});
    clickOn(cylinder.getCylinder());
    EXPECT_EQ(current(), &pages().bufferLoadPage);
}

TEST_F(Cockpit, ArrowButtonsStepThroughTheHomePages)
{
    EnergyCockpitView& cockpit = open({60});
    EXPECT_FALSE(cockpit.getBottomBar().getButton(1).isTouchable()); // no back
    EXPECT_EQ(cockpit.getBottomBar().getButton(4).getIcon().getId(), 209);
    EXPECT_EQ(cockpit.getBottomBar().getButton(5).getIcon().getId(), 211);
    app.pageManager().setParam(Params::FavouritesState{1});
    clickBottomButton(cockpit.getBottomBar(), 5);
    EXPECT_EQ(current(), &pages().favouritesMainPage);
    const Params::FavouritesState* state = app.pageManager().getParam<Params::FavouritesState>();
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->page, 0);

    open({60});
    clickBottomButton(view().getBottomBar(), 4);
    EXPECT_EQ(current(), &pages().mainPage);
    EXPECT_NE(app.screen<MainView>(), nullptr);
}

TEST_F(Cockpit, TitleMenuAndHelp)
{
    EnergyCockpitView& cockpit = open({57, 9});
    EXPECT_EQ(str(cockpit.getMainTopBar().getTitle()), u"Energy cockpit");
    EXPECT_FALSE(cockpit.getMainTopBar().getCenterButton().isVisible());
    EXPECT_EQ(str(cockpit.getHelpText()), u"By touching the components further information is shown.");
    devices().setPresent(26);
    const std::u16string help = str(cockpit.getHelpText());
    EXPECT_EQ(help.substr(0, 24), u"The energy cockpit displ");
    EXPECT_NE(help.find(u"\nThe round button below the collector opens the energy balance"), std::u16string::npos);

    // The menu button on the left of the top bar; back returns here.
    app.bed.click(50, 36);
    app.bed.ticks(2);
    EXPECT_EQ(current(), &pages().mainMenuPage);
    app.pageManager().back();
    app.bed.ticks(1);
    EXPECT_EQ(current(), &pages().energyCockpitPage);
}

TEST_F(Cockpit, EnergyBalanceButtonOpensTheNote)
{
    app.bed.deviceSends(test::NOTE_CONFIRMED, std::uint8_t{0});
    EnergyCockpitView& cockpit = open({60});
    clickOn(cockpit.getEnergyBalanceButton());
    EXPECT_EQ(current(), &pages().energyBalanceNotePage);
}
} // namespace
