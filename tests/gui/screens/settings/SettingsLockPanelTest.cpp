#include "LanDriving.hpp"

#include "gui/pagemanager/PageManager.hpp"
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
    ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0x778F});
    EXPECT_EQ(LinkLog::writes()[0].bytes, std::vector<std::uint8_t>{0});
    EXPECT_EQ(level(), 5);
    EXPECT_EQ(currentPageId(app), 51);
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
