#include "e2e/ScreenWalk.hpp"

#include "gui/screens/favourites/FavouritesMainView.hpp"
#include "gui/screens/main/MainView.hpp"
#include "support/TextReading.hpp"

namespace e2e
{
namespace
{
using quillon::test::text;

const int BAR_Y = 445;
const int LEFT_ARROW_X = 4 * 134 + 67;
} // namespace

// From start-up the splash goes home by itself; a real click on the left arrow reaches the
// favourites page. Both screenshots are the headless drawing of the same state.
TEST_F(ScreenWindow, HomeThenFavouritesByTheLeftArrow)
{
    MainView* home = walk.shell.screen<MainView>();
    ASSERT_NE(home, nullptr);
    const std::u16string setpoint = text(home->getSetpointText().getText());
    EXPECT_EQ(setpoint, u"20°"); // the room setpoint's start value
    EXPECT_EQ(text(home->getCircuitTitle().getText()), u"Heizkreis 1"); // the program starts in German

    ASSERT_TRUE(startPastSplash());
    Picture shown;
    ASSERT_TRUE(shot("img00.bmp", "home", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the home screen";
    EXPECT_GT(drawnPixels(shown, home->getSetpointText().getAbsoluteRect()), 100) << "no setpoint digits";
    EXPECT_GT(drawnPixels(shown, home->getCircuitTitle().getAbsoluteRect()), 100) << "no circuit title";

    both(LEFT_ARROW_X, BAR_Y);
    FavouritesMainView* favourites = walk.shell.screen<FavouritesMainView>();
    ASSERT_NE(favourites, nullptr);
    // The default favourites with the seeded devices, and the management tile.
    ASSERT_EQ(favourites->getTileCount(), 3);
    EXPECT_EQ(text(favourites->getTile(1).getText()), u"Zeitprogramm Heizkreis 1");
    ASSERT_TRUE(shot("img01.bmp", "favourites", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the favourites page";
    for (uint8_t i = 0; i < favourites->getTileCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(drawnPixels(shown, favourites->getTile(i).getAbsoluteRect()), 1000) << "no tile";
    }
}
} // namespace e2e
