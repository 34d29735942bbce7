#include "e2e/SimulatorWindow.hpp"

#include "gui/screens/energy/EnergyBalanceNoteView.hpp"
#include "gui/screens/energy/EnergyBalanceView.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "gui/screens/histogram/SolarDetailsView.hpp"
#include "gui/screens/histogram/SolarOverviewView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "support/screen/AppTestBed.hpp"

#include "simulator/board/Board.hpp"

#include <functional>

namespace e2e
{
namespace
{
const int RIGHT_ARROW_X = 5 * 134 + 65;
const int BACK_X = 134 + 67;
const int BAR_Y = 445;
const int SPLASH_FRAMES = 1 + 1 + 250 + 2;
const quillon::Rectangle TOP_BAR_BUT_CLOCK(0, 0, 680, 72);
const quillon::Rectangle CONTENT_AND_BOTTOM(0, 72, 800, 408);
const quillon::Rectangle EVERYTHING(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);

struct Point
{
    int x = -1;
    int y = -1;
};

Point middleOf(const quillon::Drawable& drawable)
{
    const quillon::Rectangle r = drawable.getAbsoluteRect();
    return Point{r.x + r.width / 2, r.y + r.height / 2};
}

// One stop of the road: where the user touches next and what the screen shows then.
struct Stop
{
    Point touch;
    Picture shown;
};

// The road through the headless application with the same seeds: each stop's touch point is
// read from the screen before it, so the window gets the same touches.
struct HeadlessRoad
{
    Stop collector, sevenDays, bar, details, balanceButton, ok, twelveMonths, balance;
    bool complete = false;
};

template <class View>
View* settle(test::AppTestBed& shell, const Point& touch)
{
    shell.bed.click(static_cast<int16_t>(touch.x), static_cast<int16_t>(touch.y));
    shell.bed.ticks(2);
    return shell.screen<View>();
}

HeadlessRoad headlessRoad()
{
    HeadlessRoad road;
    test::AppTestBed shell;
    boardReleaseClock(); // the window's program shows the host's day, so the road does too
    shell.bed.ticks(SPLASH_FRAMES);
    EnergyCockpitView* cockpit = settle<EnergyCockpitView>(shell, Point{RIGHT_ARROW_X, BAR_Y});
    if (cockpit == nullptr) {
        return road;
    }
    road.collector.touch = middleOf(cockpit->getCollector());
    IntervalSelectionMenuView* menu = settle<IntervalSelectionMenuView>(shell, road.collector.touch);
    if (menu == nullptr) {
        return road;
    }
    road.sevenDays.touch = middleOf(menu->getTile(0));
    SolarOverviewView* overview = settle<SolarOverviewView>(shell, road.sevenDays.touch);
    if (overview == nullptr) {
        return road;
    }
    road.bar.shown = pictureOf(shell);
    const guicontrols::EnergyHistogram& histogram = overview->getHistogram();
    const guicontrols::EnergyBar& newest = histogram.getBar(7);
    const quillon::Rectangle chart = histogram.getAbsoluteRect();
    road.bar.touch = Point{chart.x + newest.getX() + newest.getWidth() / 2, chart.y + newest.getY() + newest.getHeight() / 2};
    if (settle<SolarDetailsView>(shell, road.bar.touch) == nullptr) {
        return road;
    }
    road.details.shown = pictureOf(shell);
    for (int i = 0; i < 3; ++i) {
        settle<quillon::Screen>(shell, Point{BACK_X, BAR_Y});
    }
    cockpit = shell.screen<EnergyCockpitView>();
    if (cockpit == nullptr) {
        return road;
    }
    road.balanceButton.touch = middleOf(cockpit->getEnergyBalanceButton());
    EnergyBalanceNoteView* note = settle<EnergyBalanceNoteView>(shell, road.balanceButton.touch);
    if (note == nullptr) {
        return road;
    }
    road.ok.shown = pictureOf(shell);
    road.ok.touch = middleOf(note->getOkButton());
    menu = settle<IntervalSelectionMenuView>(shell, road.ok.touch);
    if (menu == nullptr) {
        return road;
    }
    road.twelveMonths.touch = middleOf(menu->getTile(2));
    if (settle<EnergyBalanceView>(shell, road.twelveMonths.touch) == nullptr) {
        return road;
    }
    road.balance.shown = pictureOf(shell);
    road.complete = true;
    return road;
}
} // namespace

// From start-up: the right arrow, the collector, "The last 7 days", a bar; back to the
// cockpit, the energy-balance button, OK on the note, "The last 12 months". Each screenshot as
// the headless application draws the same state.
TEST_F(SimulatorWindow, CockpitToSolarHistoryAndEnergyBalance)
{
    const HeadlessRoad expected = headlessRoad();
    ASSERT_TRUE(expected.complete) << "the headless road broke off";

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    click(RIGHT_ARROW_X, BAR_Y);
    click(expected.collector.touch.x, expected.collector.touch.y);
    click(expected.sevenDays.touch.x, expected.sevenDays.touch.y);
    Picture overview;
    ASSERT_TRUE(screenshot("img00.bmp", overview)) << "no readable screenshots/img00.bmp";
    EXPECT_EQ(differingPixels(overview, expected.bar.shown, EVERYTHING, true), 0)
        << "img00.bmp is not the solar overview of 7 days (title, bars, scale)";

    click(expected.bar.touch.x, expected.bar.touch.y);
    Picture details;
    ASSERT_TRUE(screenshot("img01.bmp", details)) << "no readable screenshots/img01.bmp";
    EXPECT_EQ(differingPixels(details, expected.details.shown, EVERYTHING, true), 0)
        << "img01.bmp is not today's solar details (title, date, bar, scale)";

    for (int i = 0; i < 3; ++i) {
        click(BACK_X, BAR_Y);
    }
    click(expected.balanceButton.touch.x, expected.balanceButton.touch.y);
    Picture note;
    ASSERT_TRUE(screenshot("img02.bmp", note)) << "no readable screenshots/img02.bmp";
    EXPECT_EQ(differingPixels(note, expected.ok.shown, EVERYTHING, true), 0) << "img02.bmp is not the energy note";

    click(expected.ok.touch.x, expected.ok.touch.y);
    click(expected.twelveMonths.touch.x, expected.twelveMonths.touch.y);
    Picture balance;
    ASSERT_TRUE(screenshot("img03.bmp", balance)) << "no readable screenshots/img03.bmp";
    EXPECT_EQ(differingPixels(balance, expected.balance.shown, EVERYTHING, true), 0)
        << "img03.bmp is not the energy balance of 12 months (title, curves, scale)";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
