#include "support/screen/AppTestBed.hpp"

#include <quillon/LanguageTable.hpp>

#include "gui/screens/auth/AuthView.hpp"
#include "OnePopup.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
const quillon::WideChar* wide(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

const int16_t CONTENT_Y = 72;
const int16_t CONTENT_HEIGHT = 337;

class ShellFrame : public ::testing::Test
{
protected:
    GenericView* shownView() { return app.screen<GenericView>(); }

    test::AppTestBed app;
};

TEST_F(ShellFrame, FeedbackDrawsItsFrameAndItsButtonGoesBack)
{
    pagemanager::Page& previous = app.pages().mainMenuPage;
    pagemanager::Page& shownPage = app.pages().informationMenuPage;
    app.open(app.pages().mainPage, true);
    app.open(previous);
    app.open(shownPage);
    GenericView* view = app.screen<GenericView>();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(app.app.getShownPageId(), shownPage.getId());
    app.bed.ticks(1);
    const quillon::Color contentBefore = app.bed.frame().at(400, CONTENT_Y + 20);

    view->showFeedback(wide(u"Saved"));
    app.bed.ticks(1);
    const FeedbackViewMode& feedback = view->getFeedbackMode();
    EXPECT_EQ(feedback.getFrame().getBitmap().getId(), 65);
    EXPECT_EQ(feedback.getFrame().getX(), 20);
    EXPECT_EQ(feedback.getFrame().getY(), 20);
    // The frame's top edge runs along y 20 of the content, in the frame colour.
    const quillon::Color edge = app.bed.frame().at(400, CONTENT_Y + 20);
    EXPECT_EQ(edge, feedback.getFrame().getColor());
    EXPECT_NE(edge, contentBefore);

    // The message: its ink lies centred across the display.
    const quillon::Color inside = app.bed.frame().at(60, CONTENT_Y + 60);
    int16_t left = 800;
    int16_t right = -1;
    const int16_t middle = CONTENT_Y + CONTENT_HEIGHT / 2;
    for (int16_t y = middle - 20; y <= middle + 20; ++y) {
        for (int16_t x = 30; x < 770; ++x) {
            if (app.bed.frame().at(x, y) != inside) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 400.0, 4.0);
    EXPECT_EQ(view->getBottomBar().getButton(5).getIcon().getId(), 210);

    app.bed.click(5 * 134 + 65, 444);
    app.bed.ticks(1);
    EXPECT_EQ(app.app.getShownPageId(), previous.getId());
}

TEST_F(ShellFrame, PressesBeepOnlyWhileTheBuzzerIsOn)
{
    app.open(app.pages().mainMenuPage);
    model::SettingsGroup& settings = app.bed.model().getGroups().settings;
    struct Case
    {
        uint8_t buzzer;
        const char* bells;
    };
    const Case cases[] = {{1, "\a"}, {0, ""}, {2, "\a"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buzzer));
        settings.buzzer.set(c.buzzer);
        testing::internal::CaptureStdout();
        app.bed.click(400, 200); // a press and a release: one beep at most
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.bells);
    }
    settings.buzzer.set(1);
}

TEST_F(ShellFrame, BoilerLanguageDoesNotRebuildWhileAPasswordIsPending)
{
    app.open(app.pages().mainMenuPage);
    const uint16_t english = 1;
    app.app.setLanguage(english, false);
    pagemanager::Page service(72, 13, -1, false); // beyond the default access level
    app.open(service);
    ASSERT_TRUE(app.pageManager().isPasswordPending());
    AuthView* passwordScreen = app.screen<AuthView>();
    ASSERT_NE(passwordScreen, nullptr);

    app.bed.deviceSends(267, static_cast<uint8_t>(8)); // French
    app.bed.ticks(1);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 2); // the texts switch
    EXPECT_FALSE(app.app.isPageSwitchPending());         // the pending page is not shown
    app.bed.ticks(1);
    EXPECT_EQ(app.screen<AuthView>(), passwordScreen);
    app.app.setLanguage(english, false);
}
// Each channel of a pixel under the dimmer keeps at most a fifth of its brightness.
bool dimmedFrom(quillon::Color dimmed, quillon::Color before)
{
    const int shifts[] = {11, 5, 0};
    const int masks[] = {0x1F, 0x3F, 0x1F};
    for (int i = 0; i < 3; ++i) {
        const int channel = (before >> shifts[i]) & masks[i];
        if (((dimmed >> shifts[i]) & masks[i]) > channel * 51 / 255 + 1) {
            return false;
        }
    }
    return dimmed != before;
}

TEST(ShellPopups, APopupLiesOverTheBarsAndTheContentOfAScreen)
{
    frametest::OnePopup popups; // outlives the application's screens
    test::AppTestBed shell;
    PopupManager& manager = shell.app.getPopupSystem().getManager();
    for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
        manager.close(id); // whatever the seeded values raised
    }
    shell.open(shell.pages().mainPage, true);
    pagemanager::Page& page = shell.pages().informationMenuPage;
    shell.open(page);
    shell.bed.ticks(1);
    ASSERT_NE(shell.screen<GenericView>(), nullptr);
    // The top bar's line and the bottom bar beside the popup; the content lies
    // under the popup's middle.
    struct Probe
    {
        int16_t x, y;
    };
    int16_t lineY = 0;
    while (lineY < 72 && shell.bed.frame().at(10, lineY) == 0) {
        ++lineY;
    }
    ASSERT_LT(lineY, 72);
    const Probe probes[] = {{10, lineY}, {300, 470}, {790, 470}};
    std::vector<quillon::Color> before;
    for (const Probe& p : probes) {
        before.push_back(shell.bed.frame().at(p.x, p.y));
    }

    manager.show(POPUP_PANEL_LOCKED, 1);
    shell.bed.ticks(1);
    EXPECT_EQ(shell.bed.frame().at(20, 38), frametest::OnePopup::COLOR);
    EXPECT_EQ(shell.bed.frame().at(779, 441), frametest::OnePopup::COLOR);
    EXPECT_EQ(shell.bed.frame().at(400, 240), frametest::OnePopup::COLOR);
    for (size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(dimmedFrom(shell.bed.frame().at(probes[i].x, probes[i].y), before[i]));
    }
    shell.bed.click(201, 445); // back, under the overlay: nothing
    shell.bed.ticks(1);
    EXPECT_EQ(shell.app.getShownPageId(), page.getId());

    popups.panelLocked.close(); // the user's dismissal
    shell.bed.ticks(1);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(shell.bed.frame().at(probes[i].x, probes[i].y), before[i]) << i;
    }
}

TEST(ShellPopups, OneServiceChangeRaisesThePopupAndShowsTheNoticeButton)
{
    test::AppTestBed shell;
    common_info status = {};
    shell.bed.deviceSends(288, status);
    shell.open(shell.pages().mainPage, true);
    shell.open(shell.pages().mainMenuPage);
    shell.bed.ticks(1);
    GenericView* view = shell.screen<GenericView>();
    ASSERT_NE(view, nullptr);
    PopupManager& manager = shell.app.getPopupSystem().getManager();
    for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
        manager.close(id);
    }
    ASSERT_EQ(view->getBottomBar().getButton(GenericView::SERVICE_NOTICE_BUTTON).getIcon().getId(), quillon::BITMAP_NONE);

    status.bytes[1] = 0x01; // one service message
    shell.bed.deviceSends(288, status);
    shell.bed.ticks(1);
    EXPECT_TRUE(manager.isActive(POPUP_SERVICE));
    EXPECT_EQ(view->getBottomBar().getButton(GenericView::SERVICE_NOTICE_BUTTON).getIcon().getId(), 214);
}

TEST(ShellPopups, APopupRaisedDuringAFeedbackComesUpOnThePageItLeadsTo)
{
    frametest::OnePopup popups;
    test::AppTestBed shell;
    PopupManager& manager = shell.app.getPopupSystem().getManager();
    for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
        manager.close(id);
    }
    shell.open(shell.pages().mainPage, true);
    shell.open(shell.pages().languagePage);
    shell.open(shell.pages().heatingCurvePage);
    GenericView* view = shell.screen<GenericView>();
    ASSERT_NE(view, nullptr);
    view->showFeedback(wide(u"Saved"));
    manager.show(POPUP_PANEL_LOCKED, 1);
    shell.bed.ticks(2);
    EXPECT_FALSE(view->getPopupContainer()->isVisible());

    shell.bed.click(5 * 134 + 65, 444); // continue: back to the language page
    shell.bed.ticks(1);
    ASSERT_EQ(shell.app.getShownPageId(), shell.pages().languagePage.getId());
    const PopupContainer* container = shell.screen<GenericView>()->getPopupContainer();
    EXPECT_EQ(container->getCurrentPopup(), &popups.panelLocked);
    EXPECT_EQ(shell.bed.frame().at(400, 240), frametest::OnePopup::COLOR);
    manager.close(POPUP_PANEL_LOCKED);
    shell.bed.ticks(1);
}
} // namespace
