#include "e2e/SimulatorWindow.hpp"

#include "gui/screens/energy/BoilerDetailsMainView.hpp"
#include "gui/screens/energy/EnergyBalanceNoteView.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "gui/screens/energy/InputGasQualityView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "support/TextReading.hpp"
#include "support/screen/AppTestBed.hpp"

#include <string>
#include <vector>

namespace e2e
{
namespace
{
const int RIGHT_ARROW_X = 5 * 134 + 65;
const int ACCEPT_X = 5 * 134 + 65;
const int BAR_Y = 445;
const int BOILER_X = 590 + 81;
const int BOILER_Y = 72 + 20 + 139;
const int SPLASH_FRAMES = 1 + 1 + 250 + 2;
const int CONTENT_Y = 72;
// The top bar's clock may turn between the two drawings: everything else is compared.
const quillon::Rectangle TOP_BAR_BUT_CLOCK(0, 0, 680, 72);
const quillon::Rectangle CONTENT_AND_BOTTOM(0, 72, 800, 408);

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

// A key of the decimal keyboard, where it lies on the screen.
Point keyFor(char c)
{
    if (c == '.') {
        return Point{724 + 35, CONTENT_Y + 110 + 35};
    }
    if (c == '<') { // backspace
        return Point{652 + 35, CONTENT_Y + 20 + 35};
    }
    const int i = c == '0' ? 9 : c - '1';
    return Point{4 + 72 * i + 35, CONTENT_Y + 110 + 35};
}

// The typing: the stored text cleared, 10.5, accept.
std::vector<Point> clearAndType()
{
    std::vector<Point> touches;
    for (int i = 0; i < 8; ++i) {
        touches.push_back(keyFor('<'));
    }
    for (char c : std::string("10.5")) {
        touches.push_back(keyFor(c));
    }
    touches.push_back(Point{ACCEPT_X, BAR_Y});
    return touches;
}

// The road through the headless application with the same seeds, each touch point read from
// the screen before it.
struct HeadlessRoad
{
    Point gasLine, noteOk, qualityTile, calorificField;
    Picture quality, typed;
    std::u16string calorific, correction, typedCalorific;
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
    shell.bed.ticks(SPLASH_FRAMES);
    if (settle<EnergyCockpitView>(shell, Point{RIGHT_ARROW_X, BAR_Y}) == nullptr) {
        return road;
    }
    BoilerDetailsMainView* details = settle<BoilerDetailsMainView>(shell, Point{BOILER_X, BOILER_Y});
    if (details == nullptr) {
        return road;
    }
    road.gasLine = middleOf(details->getButtonLine(0).getButton());
    EnergyBalanceNoteView* note = settle<EnergyBalanceNoteView>(shell, road.gasLine);
    if (note == nullptr) {
        return road;
    }
    road.noteOk = middleOf(note->getOkButton());
    IntervalSelectionMenuView* menu = settle<IntervalSelectionMenuView>(shell, road.noteOk);
    if (menu == nullptr) {
        return road;
    }
    for (uint32_t i = 0; i < menu->getTileCount(); ++i) {
        if (menu->getTile(i).getTarget() == &shell.pages().gasQualityPage) {
            road.qualityTile = middleOf(menu->getTile(i));
        }
    }
    InputGasQualityView* quality = settle<InputGasQualityView>(shell, road.qualityTile);
    if (quality == nullptr) {
        return road;
    }
    road.quality = pictureOf(shell);
    road.calorific = quillon::test::text(quality->getField(0).getText());
    road.correction = quillon::test::text(quality->getField(1).getText());
    road.calorificField = middleOf(quality->getField(0));
    shell.bed.click(static_cast<int16_t>(road.calorificField.x), static_cast<int16_t>(road.calorificField.y));
    shell.bed.ticks(2);
    for (const Point& touch : clearAndType()) {
        settle<quillon::Screen>(shell, touch);
    }
    if (shell.screen<InputGasQualityView>() != quality || quality->getViewMode() == &quality->getKeyboardMode()) {
        return road;
    }
    road.typed = pictureOf(shell);
    road.typedCalorific = quillon::test::text(quality->getField(0).getText());
    road.complete = true;
    return road;
}

int differingOutsideTheClock(const Picture& a, const Picture& b)
{
    return differingPixels(a, b, TOP_BAR_BUT_CLOCK, true) + differingPixels(a, b, CONTENT_AND_BOTTOM, true);
}
} // namespace

// From start-up: the right arrow, the boiler, "Gas consumption", OK on the note, "Input gas
// quality"; the calorific value cleared, 10.5 typed and accepted. Each screenshot as the
// headless application draws the same state.
TEST_F(SimulatorWindow, GasQualityFromTheCockpitTakesATypedCalorificValue)
{
    const HeadlessRoad expected = headlessRoad();
    ASSERT_TRUE(expected.complete) << "the headless road broke off";
    EXPECT_EQ(expected.calorific, u"11.4610");
    EXPECT_EQ(expected.correction, u"0.9374");
    EXPECT_EQ(expected.typedCalorific, u"10.5000");

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    click(RIGHT_ARROW_X, BAR_Y);
    click(BOILER_X, BOILER_Y);
    click(expected.gasLine.x, expected.gasLine.y);
    click(expected.noteOk.x, expected.noteOk.y);
    click(expected.qualityTile.x, expected.qualityTile.y);
    Picture quality;
    ASSERT_TRUE(screenshot("img00.bmp", quality)) << "no readable screenshots/img00.bmp";
    EXPECT_EQ(differingOutsideTheClock(quality, expected.quality), 0)
        << "img00.bmp is not the gas quality screen with 11.4610 and 0.9374";

    click(expected.calorificField.x, expected.calorificField.y);
    for (const Point& touch : clearAndType()) {
        click(touch.x, touch.y, 250);
    }
    Picture typed;
    ASSERT_TRUE(screenshot("img01.bmp", typed)) << "no readable screenshots/img01.bmp";
    EXPECT_EQ(differingOutsideTheClock(typed, expected.typed), 0)
        << "img01.bmp is not the gas quality screen with 10.5000 and 0.9374";
    EXPECT_GT(differingPixels(typed, quality, CONTENT_AND_BOTTOM, true), 0) << "the typed value did not show";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
