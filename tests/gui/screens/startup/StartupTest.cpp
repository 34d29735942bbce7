#include "gui/pagemanager/Params.hpp"
#include "gui/screens/startup/StartupView.hpp"
#include "guicontrols/Palette.hpp"
#include "support/screen/AppTestBed.hpp"
#include "support/screen/TextFit.hpp"
#include "../../../guicontrols/Gallery.hpp"
#include "../../common/OnePopup.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// The application as it starts: its first frame has built the splash; the next one ends the
// switch, so the splash's own ticks follow frame by frame.
class Splash : public ::testing::Test
{
protected:
    Splash()
    {
        shell.bed.ticks(1);
        splash = shell.screen<StartupView>();
    }

    // Non-black pixels in a screen rectangle.
    int drawn(int16_t x, int16_t y, int16_t width, int16_t height)
    {
        return width * height - shell.bed.frame().count(BLACK, quillon::Rectangle(x, y, width, height));
    }

    const quillon::Color BLACK = guicontrols::Palette::entry(StartupView::BACKGROUND_COLOR);
    test::AppTestBed shell;
    StartupView* splash = nullptr;
};

TEST_F(Splash, TheBarFollowsTheTicksToTheEnd)
{
    ASSERT_NE(splash, nullptr);
    struct Case
    {
        uint32_t ticks;
        uint8_t percent;
    };
    const Case cases[] = {{0, 0}, {3, 1}, {125, 50}, {249, 99}};
    uint32_t done = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticks);
        shell.bed.ticks(c.ticks - done);
        done = c.ticks;
        ASSERT_EQ(shell.screen<StartupView>(), splash);
        EXPECT_EQ(splash->getProgress(), c.percent);
    }
    // On the screen: 99 % reveals 434 of the bar's 439 pixels, 4 px inside the border.
    const int16_t barX = StartupView::BAR_X + 4;
    const int16_t barY = StartupView::BAR_Y + 1 + 4;
    EXPECT_GT(drawn(barX, barY, 434, 31), 434 * 31 / 2);
    EXPECT_EQ(drawn(barX + 434, barY, 5, 31), 0);
}

TEST_F(Splash, DecidesOnceOnTheTwoHundredFiftiethTickWithoutHistory)
{
    struct Case
    {
        uint8_t commissioning;
        uint16_t page;
    };
    for (const Case c : {Case{0, 51}, Case{1, 89}}) {
        SCOPED_TRACE(c.commissioning);
        test::AppTestBed app;
        app.bed.ticks(1);
        app.bed.deviceSends(StartupPresenter::COMMISSIONING_STATE, c.commissioning);
        // Left over from an earlier wizard run: the splash clears them only on its way there.
        app.pageManager().setParam(Params::FillingVenting{7});
        app.pageManager().setParam(Params::Commissioning{9});
        pagemanager::Page* startup = app.pageManager().getCurrentPage();
        app.bed.ticks(249);
        ASSERT_NE(app.screen<StartupView>(), nullptr);
        app.bed.ticks(1);
        EXPECT_EQ(app.app.getShownPageId(), c.page);
        EXPECT_EQ(app.pageManager().getHistorySize(), 0);
        const uint8_t request = app.pageManager().getParam<Params::FillingVenting>(startup)->request;
        const uint32_t mask = app.pageManager().getParam<Params::Commissioning>(startup)->mask;
        // Stored as 0 by the splash; the start step, built on the same frame, raises it to 1.
        EXPECT_EQ(request, c.commissioning != 0 ? 1 : 7);
        EXPECT_EQ(mask, c.commissioning != 0 ? 0u : 9u);
        // Neither back nor home leads to the splash.
        app.pageManager().back();
        app.pageManager().backTo(true);
        app.bed.ticks(300);
        EXPECT_EQ(app.screen<StartupView>(), nullptr);
        EXPECT_EQ(app.pageManager().getCurrentPage()->getId(), c.page);
    }
}

TEST_F(Splash, BlackWithLogoBarAndCentredLabelNoBars)
{
    ASSERT_NE(splash, nullptr);
    shell.bed.ticks(125);
    EXPECT_FALSE(splash->getBottomBar().isVisible());
    EXPECT_FALSE(splash->allowsPopups());
    // The content starts on the display's second line.
    const int16_t top = 1;
    EXPECT_EQ(drawn(0, 0, 800, top + StartupView::LOGO_Y), 0); // no top bar; nothing above the logo
    EXPECT_GT(drawn(StartupView::LOGO_X, top + StartupView::LOGO_Y, 536, 114), 1000); // the logo
    EXPECT_EQ(drawn(0, top + StartupView::LOGO_Y, StartupView::LOGO_X, 114), 0);
    EXPECT_EQ(drawn(StartupView::LOGO_X + 536, top + StartupView::LOGO_Y, 800 - 668, 114), 0);
    EXPECT_EQ(drawn(0, 400, 800, 80), 0); // where the bottom bar would be
    // "Showcase" below the bar, centred on it.
    const int16_t labelY = static_cast<int16_t>(top + StartupView::BAR_Y + 39 + 2);
    int16_t left = 800, right = -1;
    for (int16_t y = labelY; y < labelY + 39; ++y) {
        for (int16_t x = 0; x < 800; ++x) {
            if (shell.bed.frame().at(x, y) != BLACK) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GT(right, left);
    EXPECT_GE(left, StartupView::BAR_X);
    EXPECT_LE(right, StartupView::BAR_X + 447);
    EXPECT_NEAR((left + right) / 2.0, StartupView::BAR_X + 447 / 2.0, 3.0);
    EXPECT_EQ(drawn(0, labelY + 39, 800, 480 - labelY - 39), 0);
}

TEST_F(Splash, AClickChangesNothing)
{
    ASSERT_NE(splash, nullptr);
    shell.bed.ticks(10);
    const uint8_t before = splash->getProgress();
    shell.bed.click(400, 200);
    shell.bed.click(67, 445); // where home would be
    shell.bed.click(201, 445); // where back would be
    EXPECT_EQ(shell.screen<StartupView>(), splash);
    EXPECT_GT(splash->getProgress(), before); // still counting
}
TEST(SplashPopups, ARaisedPopupWaitsForThePageAfterTheSplash)
{
    frametest::OnePopup popups; // outlives the application's screens
    test::AppTestBed shell;
    shell.bed.ticks(1);
    StartupView* splash = shell.screen<StartupView>();
    ASSERT_NE(splash, nullptr);
    PopupManager& manager = shell.app.getPopupSystem().getManager();
    manager.show(POPUP_PANEL_LOCKED, 1);
    shell.bed.ticks(100);
    ASSERT_EQ(shell.screen<StartupView>(), splash);
    EXPECT_FALSE(splash->getPopupContainer()->isVisible());
    EXPECT_EQ(shell.bed.frame().count(frametest::OnePopup::COLOR), 0);
    EXPECT_EQ(shell.bed.frame().at(5, 200), guicontrols::Palette::entry(StartupView::BACKGROUND_COLOR)); // not dimmed

    shell.bed.ticks(150); // the page after the splash shows it
    ASSERT_EQ(shell.screen<StartupView>(), nullptr);
    EXPECT_EQ(shell.bed.frame().at(400, 240), frametest::OnePopup::COLOR);
    manager.close(POPUP_PANEL_LOCKED);
    shell.bed.ticks(1);
}

TEST(SplashPreview, EveryLanguage)
{
    for (quillon::LanguageId language = 0; language < 10; ++language) {
        SCOPED_TRACE(language);
        test::AppTestBed shell;
        shell.bed.setLanguage(language);
        shell.bed.ticks(125);
        StartupView* splash = shell.screen<StartupView>();
        ASSERT_NE(splash, nullptr);
        EXPECT_EQ(test::overwideTexts(splash->getRootContainer()), std::vector<std::string>());
        std::vector<quillon::Color> pixels = shell.bed.frame().pixels();
        EXPECT_TRUE(guicontrols::test::writeGalleryPng("screen-startup-" + std::to_string(language), 800, 480, pixels));
    }
}
} // namespace
