#include "e2e/ScreenWalk.hpp"

#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/setpoint/SetpointTempView.hpp"
#include "support/TextReading.hpp"

namespace e2e
{
namespace
{
using quillon::test::text;

const int MENU_X = 50, MENU_Y = 30;
} // namespace

// From start-up: Menu, "Heating", the first circuit's tile, "Set room temperature"; every
// screenshot is the headless drawing of the same state, the last one shows the circuit in its
// title and the seeded setpoint.
TEST_F(ScreenWindow, MenuHeatingCircuitRoomTemperature)
{
    ASSERT_TRUE(startPastSplash());
    Picture shown;
    both(MENU_X, MENU_Y);
    ASSERT_TRUE(shot("img00.bmp", "main-menu", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the main menu";

    int x = 0, y = 0;
    ASSERT_TRUE(openMenuTile(walk.shell.pages().heatingSelectionPage));
    HCSelectionView* circuits = walk.shell.screen<HCSelectionView>();
    ASSERT_NE(circuits, nullptr);
    ASSERT_GE(circuits->getTileCount(), 1);
    ASSERT_TRUE(shot("img01.bmp", "circuit-selection", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the circuit selection";

    ScreenWalk::centreOf(circuits->getTile(0), x, y);
    both(x, y);
    ASSERT_TRUE(openMenuTile(walk.shell.pages().heatingRoomTempPage));
    SetpointTempView* setpoint = walk.shell.screen<SetpointTempView>();
    ASSERT_NE(setpoint, nullptr);
    const std::u16string title = text(setpoint->getTopBar().getTitleField().getText());
    EXPECT_NE(title.find(u"Heizkreis 1"), std::u16string::npos) << std::string(title.begin(), title.end());
    EXPECT_EQ(setpoint->getTemperatureEdit().getValue(), 20); // the room setpoint's start value
    ASSERT_TRUE(shot("img02.bmp", "room-temperature", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the room temperature screen";
    EXPECT_GT(drawnPixels(shown, setpoint->getTopBar().getTitleField().getAbsoluteRect()), 100) << "no title";
    EXPECT_GT(drawnPixels(shown, setpoint->getTemperatureEdit().getAbsoluteRect()), 1000) << "no setpoint";
}
} // namespace e2e
