#include "e2e/ScreenWalk.hpp"

#include "gui/popups/PanelLockedPopup.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/settings/SettingsLockPanelEnableView.hpp"
#include "gui/screens/settings/SettingsLockPanelView.hpp"

#include <string>

namespace e2e
{
namespace
{
const int MENU_X = 50, MENU_Y = 30;
// A point of the home screen's setpoint area, which a full lock guards.
const int LOCKED_X = 400, LOCKED_Y = 200;
const int BAR_Y = 445;
// The page change "Unlock" asks for comes a few frames after the touch.
const uint32_t UNLOCK_FRAMES = 6;

int bottomButtonX(int index)
{
    return index * 134 + 65;
}

class LanLockWindow : public ScreenWindow
{
protected:
    // The operator password on the password page's keyboard, symbols through the mode key.
    void typePassword(const std::u16string& password)
    {
        SettingsLockPanelEnableView* page = walk.shell.screen<SettingsLockPanelEnableView>();
        ASSERT_NE(page, nullptr) << "not on the password page";
        const guicontrols::CustomKeyboard& keyboard = page->getKeyboard();
        int x = 0, y = 0;
        for (char16_t c : password) {
            bool typed = false;
            for (int pass = 0; pass < 2 && !typed; ++pass) {
                for (uint8_t i = 0; i < guicontrols::CustomKeyboard::CHARACTER_KEY_COUNT; ++i) {
                    if (keyboard.getCharacterKey(i).getCharacter() == c) {
                        ScreenWalk::centreOf(keyboard.getCharacterKey(i), x, y);
                        both(x, y);
                        typed = true;
                        break;
                    }
                }
                if (!typed || pass == 1) {
                    // Not on this page of keys: the other one, and back after the symbol.
                    ScreenWalk::centreOf(keyboard.getModeKey(), x, y);
                    both(x, y);
                }
            }
            ASSERT_TRUE(typed) << "no key for a character of the password";
        }
    }
    bool menuOffers(const pagemanager::Page& target)
    {
        int x = 0, y = 0;
        return walk.menuTileTo(target, x, y);
    }
    void expectSame(const char* file, const std::string& name, const char* what)
    {
        Picture shown;
        ASSERT_TRUE(shot(file, name, shown)) << "no readable screenshot " << file;
        EXPECT_EQ(differencesFromHeadless(shown), "") << what;
    }
    uint16_t level() { return walk.shell.pageManager().getAccessControl().getLevel(); }
};
} // namespace

// From start-up: Menu, Settings, "Lock panel", "Lock everything", the operator password,
// accept; a touch on the locked home screen raises the locked popup, "Unlock", the password
// again, accept: home, and the main menu offers "Settings" again. Every screenshot is the
// headless drawing of the same state.
TEST_F(LanLockWindow, LockEverythingThenUnlockFromTheHomeScreen)
{
    ASSERT_TRUE(startPastSplash());
    both(MENU_X, MENU_Y);
    ASSERT_TRUE(openMenuTile(walk.shell.pages().settingsMenuPage));
    ASSERT_TRUE(openMenuTile(walk.shell.pages().lockPanelPage));
    SettingsLockPanelView* modes = walk.shell.screen<SettingsLockPanelView>();
    ASSERT_NE(modes, nullptr);
    int x = 0, y = 0;
    ScreenWalk::centreOf(modes->getTile(1), x, y);
    both(x, y);
    typePassword(u"gravel.fin");
    both(bottomButtonX(SettingsLockPanelEnableView::ACCEPT_BUTTON), BAR_Y);
    ASSERT_NE(walk.shell.screen<MainView>(), nullptr);
    EXPECT_EQ(level(), 0);
    expectSame("img00.bmp", "lock-locked-home", "the locked home screen");

    both(MENU_X, MENU_Y);
    EXPECT_FALSE(menuOffers(walk.shell.pages().settingsMenuPage));
    expectSame("img01.bmp", "lock-locked-menu", "the main menu while locked");
    both(bottomButtonX(GenericView::HOME_BUTTON), BAR_Y);

    both(LOCKED_X, LOCKED_Y);
    MainView* home = walk.shell.screen<MainView>();
    ASSERT_NE(home, nullptr);
    ASSERT_NE(home->getPopupContainer(), nullptr);
    Popup* raised = home->getPopupContainer()->getCurrentPopup();
    ASSERT_NE(raised, nullptr);
    ASSERT_EQ(raised->getId(), POPUP_PANEL_LOCKED);
    ScreenWalk::centreOf(static_cast<PanelLockedPopup*>(raised)->getUnlockButton(), x, y);
    expectSame("img02.bmp", "lock-popup", "the locked popup over the home screen");

    both(x, y);
    walk.shell.bed.ticks(UNLOCK_FRAMES);
    ASSERT_NE(walk.shell.screen<SettingsLockPanelEnableView>(), nullptr);
    typePassword(u"gravel.fin");
    both(bottomButtonX(SettingsLockPanelEnableView::ACCEPT_BUTTON), BAR_Y);
    ASSERT_NE(walk.shell.screen<MainView>(), nullptr);
    EXPECT_EQ(level(), 5);
    expectSame("img03.bmp", "lock-unlocked-home", "the home screen after unlocking");

    both(MENU_X, MENU_Y);
    EXPECT_TRUE(menuOffers(walk.shell.pages().settingsMenuPage));
    expectSame("img04.bmp", "lock-unlocked-menu", "the main menu after unlocking");
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
