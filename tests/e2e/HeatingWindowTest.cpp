#include "e2e/ScreenWalk.hpp"

#include "gui/screens/contact/ContactDataShowView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/main/MainView.hpp"
#include "support/TextReading.hpp"

#include <string>

namespace e2e
{
namespace
{
using quillon::test::text;

const int MENU_X = 50, MENU_Y = 30;
const int PROGRAM_X = 70, PROGRAM_Y = 137;
const int HOME_X = 67, BAR_Y = 445;
} // namespace

// From start-up: the home screen's operating-program button opens the operating program
// screen; home again, then Menu, "Information", "Service contact details" the contact list.
// Both screenshots are the headless drawing of the same state.
TEST_F(ScreenWindow, OperatingProgramThenContactData)
{
    ASSERT_TRUE(startPastSplash());
    both(PROGRAM_X, PROGRAM_Y);
    HeatingOperatingProgramView* program = walk.shell.screen<HeatingOperatingProgramView>();
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(program->showsTiles());
    EXPECT_GE(program->getTiles().getSelectedTile(), 0) << "the seeded program is not preselected";
    Picture shown;
    ASSERT_TRUE(shot("img00.bmp", "operating-program", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the operating program screen";
    for (int32_t i = 0; i < program->getTiles().getTileCount(); ++i) {
        EXPECT_GT(drawnPixels(shown, program->getTiles().getTile(i).getAbsoluteRect()), 1000) << "no tile " << i;
    }

    both(HOME_X, BAR_Y);
    ASSERT_NE(walk.shell.screen<MainView>(), nullptr);
    both(MENU_X, MENU_Y);
    ASSERT_TRUE(openMenuTile(walk.shell.pages().informationMenuPage));
    ASSERT_TRUE(openMenuTile(walk.shell.pages().contactDataShowPage));
    ContactDataShowView* contact = walk.shell.screen<ContactDataShowView>();
    ASSERT_NE(contact, nullptr);
    EXPECT_EQ(contact->getListControl().getCount(), 4u);
    const std::u16string title = text(contact->getTitle());
    EXPECT_EQ(title.find(u"Information "), 0u) << std::string(title.begin(), title.end());
    ASSERT_TRUE(shot("img01.bmp", "contact-data", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the contact list";
    for (uint32_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(drawnPixels(shown, contact->getBaseItem(i).getTextField().getAbsoluteRect()), 50) << "no label";
    }
}
} // namespace e2e
