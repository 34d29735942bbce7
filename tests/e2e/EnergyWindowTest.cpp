#include "e2e/SimulatorWindow.hpp"

#include "gui/screens/energy/BoilerDetailsMainView.hpp"
#include "gui/screens/energy/BufferLoadView.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "support/TextReading.hpp"
#include "support/screen/AppTestBed.hpp"

#include <string>

namespace e2e
{
namespace
{
// Where a user touches: the bottom bar's arrow and back buttons, the cockpit's tank and boiler
// as the seeded installation (boiler variant 4 with its tank) places them.
const int RIGHT_ARROW_X = 5 * 134 + 65;
const int BACK_X = 134 + 67;
const int BAR_Y = 445;
const int TANK_X = 264 + 143;
const int TANK_Y = 72 + 50 + 128;
const int BOILER_X = 590 + 81;
const int BOILER_Y = 72 + 20 + 139;
const int SPLASH_FRAMES = 1 + 1 + 250 + 2;

// The device simulator moves the charge states and the cylinder temperatures, the clock runs
// and the arrows animate: the pictures are compared where none of these are drawn.
const quillon::Rectangle TOP_BAR_BUT_CLOCK(0, 0, 680, 72);
const quillon::Rectangle TOP_BAR(0, 0, 800, 72);
const quillon::Rectangle BOTTOM_BAR(0, 409, 800, 71);
const quillon::Rectangle COCKPIT_COLLECTOR(40, 72 + 20, 184, 225);
const quillon::Rectangle COCKPIT_BOILER(590, 72 + 20, 162, 278);
const quillon::Rectangle COCKPIT_BALANCE_BUTTON(40, 72 + 220, 80, 80);
const quillon::Rectangle COCKPIT_PAGE_DOTS(0, 72 + 310, 800, 27);
const quillon::Rectangle BUFFER_SUN(30, 72 + 220, 45, 45);
const quillon::Rectangle BUFFER_CHARGE_BUTTON_AND_LABEL(590, 72 + 140, 210, 197);

// Pixels that differ inside the areas.
int differingInside(const Picture& a, const Picture& b, std::initializer_list<quillon::Rectangle> areas)
{
    int count = 0;
    for (const quillon::Rectangle& area : areas) {
        count += differingPixels(a, b, area, true);
    }
    return count;
}

struct HeadlessRoad
{
    Picture cockpit, bufferLoad, boilerDetails;
    std::u16string power, hours;
};

// The same road on the headless application with the same seeds.
HeadlessRoad headlessRoad()
{
    HeadlessRoad road;
    test::AppTestBed shell;
    shell.bed.ticks(SPLASH_FRAMES);
    shell.bed.click(RIGHT_ARROW_X, BAR_Y);
    shell.bed.ticks(2);
    EnergyCockpitView* cockpit = shell.screen<EnergyCockpitView>();
    if (cockpit == nullptr) {
        return road;
    }
    road.cockpit = pictureOf(shell);
    shell.bed.click(TANK_X, TANK_Y);
    shell.bed.ticks(2);
    if (shell.screen<BufferLoadView>() != nullptr) {
        road.bufferLoad = pictureOf(shell);
    }
    shell.bed.click(BACK_X, BAR_Y);
    shell.bed.ticks(2);
    shell.bed.click(BOILER_X, BOILER_Y);
    shell.bed.ticks(2);
    if (BoilerDetailsMainView* details = shell.screen<BoilerDetailsMainView>()) {
        road.boilerDetails = pictureOf(shell);
        road.power = quillon::test::text(details->getBaseItem(0).getSecondTextField().getText());
        road.hours = quillon::test::text(details->getBaseItem(1).getSecondTextField().getText());
    }
    return road;
}
} // namespace

// From start-up: the home screen's right arrow, the tank, back, the boiler; each screenshot
// as the headless application draws the same state.
TEST_F(SimulatorWindow, HomeArrowCockpitTankBackBoiler)
{
    const HeadlessRoad expected = headlessRoad();
    ASSERT_FALSE(expected.cockpit.pixels.empty()) << "the headless road found no cockpit";
    ASSERT_FALSE(expected.bufferLoad.pixels.empty()) << "the headless road found no buffer load";
    ASSERT_FALSE(expected.boilerDetails.pixels.empty()) << "the headless road found no boiler details";
    EXPECT_EQ(expected.power, u"10 kW");
    EXPECT_EQ(expected.hours, u"867 h");

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();

    click(RIGHT_ARROW_X, BAR_Y);
    Picture cockpit;
    ASSERT_TRUE(screenshot("img00.bmp", cockpit)) << "no readable screenshots/img00.bmp";
    const std::initializer_list<quillon::Rectangle> cockpitParts = {
        TOP_BAR_BUT_CLOCK, COCKPIT_COLLECTOR, COCKPIT_BOILER, COCKPIT_BALANCE_BUTTON, COCKPIT_PAGE_DOTS, BOTTOM_BAR};
    EXPECT_EQ(differingInside(cockpit, expected.cockpit, cockpitParts), 0) << "img00.bmp is not the cockpit";

    click(TANK_X, TANK_Y);
    Picture bufferLoad;
    ASSERT_TRUE(screenshot("img01.bmp", bufferLoad)) << "no readable screenshots/img01.bmp";
    EXPECT_EQ(differingInside(bufferLoad, expected.bufferLoad, {TOP_BAR, BUFFER_SUN, BUFFER_CHARGE_BUTTON_AND_LABEL, BOTTOM_BAR}), 0)
        << "img01.bmp is not the buffer load";

    click(BACK_X, BAR_Y);
    Picture back;
    ASSERT_TRUE(screenshot("img02.bmp", back)) << "no readable screenshots/img02.bmp";
    EXPECT_EQ(differingInside(back, expected.cockpit, cockpitParts), 0) << "back did not return to the cockpit";

    click(BOILER_X, BOILER_Y);
    Picture details;
    ASSERT_TRUE(screenshot("img03.bmp", details)) << "no readable screenshots/img03.bmp";
    const quillon::Rectangle everything(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    EXPECT_EQ(differingPixels(details, expected.boilerDetails, everything, true), 0)
        << "img03.bmp is not the boiler details with 10 kW and 867 h";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
