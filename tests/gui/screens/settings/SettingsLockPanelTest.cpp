#include "LanDriving.hpp"
#include <algorithm>

#include "gui/pagemanager/PageManager.hpp"
#include "gui/popups/PanelLockedPopup.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/auth/AuthView.hpp"
#include "gui/screens/settings/SettingsLockPanelEnableView.hpp"
#include "gui/screens/settings/SettingsLockPanelView.hpp"

using namespace lan_test;

namespace
{
const std::uint32_t LOCK_STATE = 339;

class LockPanel : public ::testing::Test
{
protected:
    LockPanel()
    {
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        app.open(app.pages().mainPage, true);
        app.bed.deviceSends(LOCK_STATE, std::uint8_t{0});
    }

    // From the lock-mode tiles to the password page, the password typed and accepted.
    void lockWith(std::uint16_t tile, const std::u16string& password)
    {
        app.open(app.pages().lockPanelPage);
        SettingsLockPanelView* modes = app.screen<SettingsLockPanelView>();
        ASSERT_NE(modes, nullptr);
        test::tap(app, modes->getTile(tile));
        app.bed.ticks(1);
        ASSERT_NE(app.screen<SettingsLockPanelEnableView>(), nullptr);
        typePassword(app, password);
        press(app, SettingsLockPanelEnableView::ACCEPT_BUTTON);
        app.bed.ticks(1);
    }

    std::uint16_t level() { return app.pageManager().getAccessControl().getLevel(); }
    // Unlocked by the user password: the lock state 0 written alone, level 5, home.
    void expectUnlocked()
    {
        ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0x778F});
        EXPECT_EQ(LinkLog::writes()[0].bytes, std::vector<std::uint8_t>{0});
        EXPECT_EQ(level(), 5);
        EXPECT_EQ(currentPageId(app), 51);
    }
    PopupManager& popups() { return app.app.getPopupSystem().getManager(); }

    // The main menu's tile texts as it shows them now.
    std::vector<std::u16string> mainMenu()
    {
        app.open(app.pages().mainMenuPage);
        std::vector<std::u16string> texts;
        if (MenuView* menu = app.screen<MenuView>()) {
            for (std::uint32_t i = 0; i < menu->getTileCount(); ++i) {
                texts.push_back(shown(menu->getTile(i).getText()));
            }
        }
        return texts;
    }

    test::AppTestBed app;
    LinkLog log;
};
} // namespace

TEST_F(LockPanel, LockEverythingThenUnlockWithTheUserPassword)
{
    lockWith(1, u"gravel.fin");
    ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0x778F});
    EXPECT_EQ(LinkLog::writes()[0].bytes, std::vector<std::uint8_t>{2});
    EXPECT_EQ(level(), 0);
    EXPECT_EQ(currentPageId(app), 51);
    app.bed.deviceSends(LOCK_STATE, std::uint8_t{2});
    app.open(app.pages().settingsMenuPage); // mask 5: a password is asked
    EXPECT_NE(app.screen<AuthView>(), nullptr);

    LinkLog::writes().clear();
    press(app, GenericView::HOME_BUTTON);
    app.bed.ticks(1);
    app.open(app.pages().lockPanelEnablePage);
    typePassword(app, u"gravel.fin");
    press(app, SettingsLockPanelEnableView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    expectUnlocked();
}

TEST_F(LockPanel, OnlyHomeScreenKeepsTheSetpointPagesAndTheMasterUnlocksTo61)
{
    lockWith(0, u"stone.curlew@dun"); // the master password's 16 stored characters
    ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0x778F});
    EXPECT_EQ(LinkLog::writes()[0].bytes, std::vector<std::uint8_t>{1});
    EXPECT_EQ(level(), 1);
    app.open(app.pages().heatingRoomTempPage);
    EXPECT_EQ(currentPageId(app), 37);

    app.bed.deviceSends(LOCK_STATE, std::uint8_t{1});
    app.open(app.pages().lockPanelEnablePage);
    typePassword(app, u"stone.curlew@dun");
    press(app, SettingsLockPanelEnableView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    EXPECT_EQ(level(), 61);
    EXPECT_EQ(currentPageId(app), 51);
}

TEST_F(LockPanel, AWrongPasswordIsDeniedAndGoesBackWithTheLockKept)
{
    app.bed.deviceSends(LOCK_STATE, std::uint8_t{2});
    app.pageManager().lockPanel(true);
    app.bed.ticks(1);
    app.open(app.pages().lockPanelEnablePage);
    SettingsLockPanelEnableView* view = app.screen<SettingsLockPanelEnableView>();
    ASSERT_NE(view, nullptr);
    typePassword(app, u"wrong");
    press(app, SettingsLockPanelEnableView::ACCEPT_BUTTON);
    ASSERT_EQ(view->getViewMode(), &view->getFeedbackMode());
    EXPECT_EQ(shown(view->getFeedbackMode().getMessageField().getText()), textOf(1572));
    app.bed.ticks(4000 / 16 + 2);
    EXPECT_EQ(currentPageId(app), 51);
    EXPECT_TRUE(LinkLog::writes().empty());
    EXPECT_EQ(level(), 0);
}

TEST_F(LockPanel, UnlockedWithoutALockModeAValidPasswordDoesNothing)
{
    app.open(app.pages().lockPanelEnablePage);
    typePassword(app, u"gravel.fin");
    press(app, SettingsLockPanelEnableView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    EXPECT_TRUE(LinkLog::writes().empty());
    EXPECT_EQ(currentPageId(app), 76);
    EXPECT_EQ(level(), 5);
}

// Locked everything: the main menu keeps only what needs no unlocked panel, a touch on the
// home screen's setpoint area raises the locked popup, whose "Unlock" leads to the password
// page; the user password in capitals unlocks and the menu is whole again.
TEST_F(LockPanel, ALockedHomeTouchLeadsToUnlockingAndThePasswordCountsInAnyCase)
{
    lockWith(1, u"gravel.fin");
    app.bed.deviceSends(LOCK_STATE, std::uint8_t{2});
    EXPECT_EQ(mainMenu(), (std::vector<std::u16string>{textOf(1064), textOf(991)}));

    app.open(app.pages().mainPage, true);
    MainView* home = app.screen<MainView>();
    ASSERT_NE(home, nullptr);
    app.bed.click(400, 200);
    app.bed.ticks(1);
    ASSERT_NE(home->getPopupContainer(), nullptr);
    Popup* raised = home->getPopupContainer()->getCurrentPopup();
    ASSERT_NE(raised, nullptr);
    ASSERT_EQ(raised->getId(), POPUP_PANEL_LOCKED);
    test::tap(app, static_cast<PanelLockedPopup*>(raised)->getUnlockButton());
    app.bed.ticks(6);
    ASSERT_EQ(currentPageId(app), 76);

    LinkLog::writes().clear();
    typePassword(app, u"GRAVEL.Fin");
    ASSERT_EQ(shown(app.screen<SettingsLockPanelEnableView>()->getKeyboard().getText()), u"GRAVEL.Fin");
    press(app, SettingsLockPanelEnableView::ACCEPT_BUTTON);
    app.bed.ticks(1);
    expectUnlocked();
    app.bed.deviceSends(LOCK_STATE, std::uint8_t{0});
    const std::vector<std::u16string> menu = mainMenu();
    EXPECT_NE(std::find(menu.begin(), menu.end(), textOf(911)), menu.end());
}

// Leaving the password page by home or back also takes the locked popup off, so a popup
// the user put aside does not stay raised; accept leaves it alone.
TEST_F(LockPanel, LeavingThePasswordPageClosesTheLockedPopup)
{
    struct Case
    {
        int button;
        bool closed;
    };
    const Case cases[] = {{GenericView::HOME_BUTTON, true}, {GenericView::BACK_BUTTON, true},
                          {SettingsLockPanelEnableView::ACCEPT_BUTTON, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        app.open(app.pages().mainPage, true);
        app.open(app.pages().lockPanelEnablePage);
        ASSERT_NE(app.screen<SettingsLockPanelEnableView>(), nullptr);
        popups().show(POPUP_PANEL_LOCKED, 1);
        popups().remove(POPUP_PANEL_LOCKED); // put aside: off the screen, its level kept
        app.bed.ticks(1);
        ASSERT_TRUE(popups().isActive(POPUP_PANEL_LOCKED));
        press(app, c.button);
        app.bed.ticks(1);
        EXPECT_EQ(popups().isActive(POPUP_PANEL_LOCKED), !c.closed);
        popups().close(POPUP_PANEL_LOCKED);
    }
}
