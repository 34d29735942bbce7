#include "e2e/ScreenWalk.hpp"

#include "gui/screens/energy/BoilerDetailsMainView.hpp"
#include "gui/screens/energy/EnergyBalanceNoteView.hpp"
#include "gui/screens/energy/InputGasQualityView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "support/TextReading.hpp"

#include <string>

namespace e2e
{
namespace
{
const int RIGHT_ARROW_X = 5 * 134 + 65;
const int ACCEPT_X = 5 * 134 + 65;
const int BAR_Y = 445;
const int BOILER_X = 590 + 81;
const int BOILER_Y = 72 + 20 + 139;
const int CONTENT_Y = 72;
} // namespace

// From start-up: the right arrow, the boiler, "Gas consumption", OK on the note, "Input gas
// quality"; the calorific value cleared, 10.5 typed and accepted. Each screenshot as the
// headless application draws the same state.
TEST_F(ScreenWindow, GasQualityFromTheCockpitTakesATypedCalorificValue)
{
    ASSERT_TRUE(startPastSplash()) << "no window captioned \"Quillon simulator\"";
    both(RIGHT_ARROW_X, BAR_Y);
    both(BOILER_X, BOILER_Y);
    BoilerDetailsMainView* details = walk.shell.screen<BoilerDetailsMainView>();
    ASSERT_NE(details, nullptr) << "the boiler did not open its details";
    int x = 0, y = 0;
    ScreenWalk::centreOf(details->getButtonLine(0).getButton(), x, y);
    both(x, y);
    EnergyBalanceNoteView* note = walk.shell.screen<EnergyBalanceNoteView>();
    ASSERT_NE(note, nullptr) << "\"Gas consumption\" did not show the note";
    ScreenWalk::centreOf(note->getOkButton(), x, y);
    both(x, y);
    IntervalSelectionMenuView* menu = walk.shell.screen<IntervalSelectionMenuView>();
    ASSERT_NE(menu, nullptr) << "OK on the note did not open the gas menu";
    for (uint32_t i = 0; i < menu->getTileCount(); ++i) {
        if (menu->getTile(i).getTarget() == &walk.shell.pages().gasQualityPage) {
            ScreenWalk::centreOf(menu->getTile(i), x, y);
        }
    }
    both(x, y);
    InputGasQualityView* quality = walk.shell.screen<InputGasQualityView>();
    ASSERT_NE(quality, nullptr) << "no gas quality screen";
    EXPECT_EQ(quillon::test::text(quality->getField(0).getText()), u"11.4610");
    EXPECT_EQ(quillon::test::text(quality->getField(1).getText()), u"0.9374");
    Picture seeded;
    ASSERT_TRUE(shot("img00.bmp", "gas-quality-seeded", seeded)) << "no readable screenshots/img00.bmp";
    EXPECT_EQ(differencesFromHeadless(seeded), "") << "img00.bmp is not the gas quality screen with the seeds";

    ScreenWalk::centreOf(quality->getField(0), x, y);
    both(x, y);
    for (int i = 0; i < 8; ++i) {
        both(652 + 35, CONTENT_Y + 20 + 35); // backspace
    }
    for (int key : {0, 9, 10, 4}) { // "1", "0", the separator, "5"
        both(4 + 72 * key + 35, CONTENT_Y + 110 + 35);
    }
    both(ACCEPT_X, BAR_Y);
    ASSERT_EQ(walk.shell.screen<InputGasQualityView>(), quality);
    EXPECT_NE(quality->getViewMode(), &quality->getKeyboardMode());
    EXPECT_EQ(quillon::test::text(quality->getField(0).getText()), u"10.5000");
    Picture typed;
    ASSERT_TRUE(shot("img01.bmp", "gas-quality-typed", typed)) << "no readable screenshots/img01.bmp";
    EXPECT_EQ(differencesFromHeadless(typed), "") << "img01.bmp is not the gas quality screen with 10.5000";
    EXPECT_NE(differences(typed, seeded, quillon::Rectangle(0, CONTENT_Y, 800, 337)), "")
        << "the typed value did not show";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
