#include "LanDriving.hpp"

#include <algorithm>

#include "gui/popups/LANErrorPopup.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/screens/settings/SettingsLanConnectionTestView.hpp"

using namespace lan_test;

namespace
{
const std::uint32_t MODULE_STATUS = 642;
const std::uint32_t MODULE_ERROR = 643;

class LanConnectionTest : public ::testing::Test
{
protected:
    LanConnectionTest()
    {
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        app.open(app.pages().mainPage, true);
        app.bed.deviceSends(MODULE_STATUS, std::uint8_t{0});
        app.bed.deviceSends(MODULE_ERROR, std::uint32_t{0});
    }

    // Opens the test and steps to its first read; returns the view.
    SettingsLanConnectionTestView* openToFirstRead(std::uint32_t mode)
    {
        LanConfigState::shared().state = mode;
        app.open(app.pages().lanConnectionTestPage);
        for (int i = 0; i < 400 && LinkLog::readsOf(0xD080) == 0; ++i) {
            app.bed.ticks(1);
        }
        return app.screen<SettingsLanConnectionTestView>();
    }

    bool showsFeedback(SettingsLanConnectionTestView& view) { return view.getViewMode() == &view.getFeedbackMode(); }
    bool lanErrorShown() { return app.app.getPopupSystem().getManager().isActive(POPUP_LAN_ERROR); }

    test::AppTestBed app;
    LinkLog log;
};
} // namespace

TEST_F(LanConnectionTest, ReadsEvery281TicksAndJudgesASuccessOnlyAtTick1250)
{
    SettingsLanConnectionTestView* view = openToFirstRead(LanConfigState::STATIC_TEST);
    ASSERT_NE(view, nullptr);
    // The first read at tick 281: the error, then the status, each ahead of the queue.
    ASSERT_EQ(LinkLog::readsOf(0xD080), 1u);
    ASSERT_EQ(LinkLog::readsOf(0xD07F), 1u);
    const auto& reads = LinkLog::reads();
    EXPECT_LT(std::find(reads.begin(), reads.end(), 0xD080), std::find(reads.begin(), reads.end(), 0xD07F));
    app.bed.deviceSends(MODULE_STATUS, std::uint8_t{2}); // connected long before the evaluation
    app.bed.ticks(280);
    EXPECT_EQ(LinkLog::readsOf(0xD07F), 1u);
    app.bed.ticks(1); // 562
    EXPECT_EQ(LinkLog::readsOf(0xD07F), 2u);
    app.bed.ticks(562); // 1124
    EXPECT_EQ(LinkLog::readsOf(0xD07F), 4u);
    app.bed.ticks(125); // 1249
    EXPECT_FALSE(showsFeedback(*view));
    app.bed.ticks(1); // 1250
    ASSERT_TRUE(showsFeedback(*view));
    EXPECT_EQ(shown(view->getFeedbackMode().getMessageField().getText()), textOf(889));
}

TEST_F(LanConnectionTest, ConnectedWithAnErrorBitIsASuccessAndItsEndGoesBack)
{
    app.open(app.pages().lanTypePage);
    SettingsLanConnectionTestView* view = openToFirstRead(LanConfigState::DHCP_TEST);
    ASSERT_NE(view, nullptr);
    app.bed.deviceSends(MODULE_STATUS, std::uint8_t{2});
    app.bed.deviceSends(MODULE_ERROR, std::uint32_t{8});
    app.bed.ticks(1250 - 281);
    ASSERT_TRUE(showsFeedback(*view));
    EXPECT_EQ(shown(view->getFeedbackMode().getMessageField().getText()), textOf(897));
    EXPECT_FALSE(lanErrorShown());
    app.bed.ticks(4000 / 16 + 2);
    EXPECT_EQ(currentPageId(app), 75);
}

TEST_F(LanConnectionTest, ErrorsRaiseTheLanErrorPopupAtEveryEvaluation)
{
    struct Case
    {
        std::uint32_t error;
        bool raised;
    };
    const Case cases[] = {{8, true}, {16, true}, {4, true}, {1, false}, {2, false}, {32, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        app.open(app.pages().mainPage, true);
        app.app.getPopupSystem().getManager().close(POPUP_LAN_ERROR);
        SettingsLanConnectionTestView* view = openToFirstRead(LanConfigState::STATIC_TEST);
        ASSERT_NE(view, nullptr);
        app.bed.deviceSends(MODULE_ERROR, c.error);
        app.bed.ticks(1250 - 281 - 1);
        EXPECT_FALSE(lanErrorShown());
        app.bed.ticks(1);
        EXPECT_EQ(lanErrorShown(), c.raised);
        EXPECT_FALSE(showsFeedback(*view));
        if (c.raised) {
            app.app.getPopupSystem().getManager().close(POPUP_LAN_ERROR); // dismissed
            app.bed.ticks(1250);
            EXPECT_TRUE(lanErrorShown()); // back while the error stands
        }
        LinkLog::reads().clear();
    }
}

// The error popup over the test's own frame from the evaluation's frame on, saying why; its
// "Confirm" leaves the test for the screen that opened it.
TEST_F(LanConnectionTest, TheLanErrorSaysWhyAndItsConfirmLeavesTheTest)
{
    struct Case
    {
        std::uint32_t mode;
        std::uint32_t error;
        quillon::TextId message;
    };
    const Case cases[] = {{LanConfigState::STATIC_TEST, 8, 888}, {LanConfigState::DHCP_TEST, 4, 896}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        app.open(app.pages().mainPage, true);
        app.app.getPopupSystem().getManager().close(POPUP_LAN_ERROR);
        app.open(app.pages().lanTypePage);
        LinkLog::reads().clear();
        SettingsLanConnectionTestView* view = openToFirstRead(c.mode);
        ASSERT_NE(view, nullptr);
        app.bed.deviceSends(MODULE_ERROR, c.error);
        app.bed.ticks(1250 - 281);
        ASSERT_NE(view->getPopupContainer(), nullptr);
        Popup* shownPopup = view->getPopupContainer()->getCurrentPopup();
        ASSERT_NE(shownPopup, nullptr);
        ASSERT_EQ(shownPopup->getId(), POPUP_LAN_ERROR);
        const LANErrorPopup& error = static_cast<const LANErrorPopup&>(*shownPopup);
        EXPECT_EQ(shown(error.getMessage().getText()), textOf(c.message));
        test::tap(app, error.getButton());
        app.bed.ticks(1);
        EXPECT_EQ(currentPageId(app), 75);
        EXPECT_FALSE(lanErrorShown());
    }
}
