#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/screens/startup/StartupView.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportResultView.hpp"
#include "guicontrols/Palette.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class Report : public ::testing::Test, public screens::WizardBed
{
protected:
    // As "No" on the question after the start step does: the report with history.
    WizardReportMenuView* openReport()
    {
        app.open(app.pages().wizardReportMenuPage);
        return app.screen<WizardReportMenuView>();
    }

    WizardReportResultView* openResults(WizardReportMenuView& menu)
    {
        clickOn(menu.getTile(0));
        return app.screen<WizardReportResultView>();
    }
};
} // namespace

TEST_F(Report, EveryBuildMarksTheReportAndEmptiesTheHistory)
{
    ASSERT_NE(enterWizard(), nullptr);
    app.pageManager().getParam<Params::Commissioning>(nullptr)->mask = 0x0013;
    WizardReportMenuView* menu = openReport();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(mask(), 0x0813u);
    EXPECT_EQ(app.pageManager().getHistorySize(), 0);
    EXPECT_EQ(screens::str(menu->getTopBar().getSegmentField(0).getText()), u"Start-up finished");
    EXPECT_EQ(screens::str(menu->getTopBar().getRightField().getText()), u"Step 5/5");
    const guicontrols::BottomBar& bar = menu->getBottomBar();
    EXPECT_EQ(bar.getButton(0).getIcon().getId(), quillon::BITMAP_NONE);
    EXPECT_EQ(bar.getButton(1).getIcon().getId(), quillon::BITMAP_NONE);
    EXPECT_EQ(bar.getButton(2).getIcon().getId(), +GenericView::HELP_ICON);
    EXPECT_GT(app.bed.frame().count(guicontrols::Palette::entry(8), bar.getButton(5).getAbsoluteRect()), 20);
    EXPECT_EQ(level(), 61);
}

TEST_F(Report, TilesOpenTheirPagesWithTheMenuBehindThem)
{
    ASSERT_NE(enterWizard(), nullptr);
    struct Case
    {
        int16_t x;
        const char16_t* text;
        uint16_t page;
    };
    const Case cases[] = {{48, u"Results", 83}, {288, u"Components", 87}, {528, u"Settings", 84}};
    for (uint8_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        WizardReportMenuView* menu = i == 0 ? openReport() : app.screen<WizardReportMenuView>();
        ASSERT_NE(menu, nullptr);
        const guicontrols::CheckableTileButton& tile = menu->getTile(i);
        EXPECT_EQ(tile.getAbsoluteRect().x, cases[i].x);
        EXPECT_EQ(screens::str(tile.getText()), cases[i].text);
        EXPECT_FALSE(tile.isChecked());
        clickOn(tile);
        ASSERT_NE(current(), nullptr);
        EXPECT_EQ(current()->getId(), cases[i].page);
        EXPECT_EQ(app.pageManager().getHistorySize(), 1);
        app.pageManager().back();
        app.bed.ticks(2);
        EXPECT_EQ(current(), &app.pages().wizardReportMenuPage);
    }
    EXPECT_EQ(mask(), 0x0800u); // back on the menu changes nothing else
}

TEST_F(Report, FinishEndsTheCommissioningAndTheNextStartGoesHome)
{
    ASSERT_NE(enterWizard(), nullptr);
    WizardReportMenuView* menu = openReport();
    ASSERT_NE(menu, nullptr);
    forgetWrites();
    screens::WizardClock::now() = helpers::DateTime(2026, 12, 11, 0, 10, 5);
    clickBottomButton(menu->getBottomBar(), WizardReportMenuView::FINISH_BUTTON);

    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0xFF01, 0}}));
    EXPECT_EQ(tableByte(COMMISSIONING_REQUEST), 0);
    EXPECT_EQ(groups().settings.wizzardStart.get(), helpers::DateTime(2026, 12, 11, 0, 10, 5).getTimestamp());
    EXPECT_EQ(level(), 5);
    EXPECT_FALSE(hasMask());
    EXPECT_EQ(app.pageManager().getParam<Params::FillingVenting>(nullptr), nullptr);
    EXPECT_EQ(current(), &app.pages().mainPage);
    EXPECT_NE(app.screen<MainView>(), nullptr);
    EXPECT_EQ(app.pageManager().getHistorySize(), 0);

    app.open(app.pages().startupPage, true);
    app.bed.ticks(SPLASH_TICKS + 2);
    EXPECT_EQ(current(), &app.pages().mainPage);
    groups().settings.wizzardStart.set(0);
}

TEST_F(Report, ResultsShowWhatTheMaskRecorded)
{
    const quillon::BitmapId T = WizardReportResultView::DONE_ICON;
    const quillon::BitmapId o = WizardReportResultView::OPEN_TICK_ICON;
    const quillon::BitmapId x = WizardReportResultView::OPEN_CROSS_ICON;
    struct Case
    {
        bool withMask;
        uint32_t mask;
        bool calibratable;
        std::vector<quillon::BitmapId> icons; // the listed lines
    };
    const Case cases[] = {
        {false, 0, true, {o, x, o, x, o, x, o, x, x}},
        {true, 0x0004, false, {o, x, o, x, o, x, o, x}},          // filling without venting
        {true, 0x000C, false, {o, x, o, T, o, x, o, x}},          // both
        {true, 0x0080 | 0x0400, false, {o, x, o, x, o, x, o, x}}, // no line for 0x0080; no pump, no line 9
        {true, 0x0FFF, true, {T, T, T, T, T, T, T, T, T}},
        {true, 0x0053, true, {T, T, T, x, T, x, o, x, x}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        presentOnly(c.calibratable ? std::initializer_list<std::uint32_t>{WizardReportResultView::CALIBRATION_DEVICE}
                                   : std::initializer_list<std::uint32_t>{});
        if (c.withMask) {
            ASSERT_NE(enterWizard(), nullptr);
            app.pageManager().getParam<Params::Commissioning>(nullptr)->mask = c.mask;
        } else {
            app.pageManager().reset();
            app.open(app.pages().mainPage, true);
        }
        WizardReportMenuView* menu = openReport();
        ASSERT_NE(menu, nullptr);
        WizardReportResultView* results = openResults(*menu);
        ASSERT_NE(results, nullptr);
        EXPECT_EQ(screens::str(results->getTopBar().getTitleField().getText()), u"Results");
        ASSERT_EQ(results->getListControl().getCount(), c.icons.size());
        for (uint8_t line = 0; line < c.icons.size(); ++line) {
            SCOPED_TRACE(line);
            EXPECT_EQ(results->getLine(line).getImage(), c.icons[line]);
        }
        EXPECT_EQ(screens::str(results->getLine(3).getText()), u"Filling and venting");
        // Back returns to the report; there is no home button.
        const guicontrols::BottomBar& bar = results->getBottomBar();
        EXPECT_EQ(bar.getButton(0).getIcon().getId(), quillon::BITMAP_NONE);
        EXPECT_EQ(bar.getButton(2).getIcon().getId(), +GenericView::HELP_ICON);
        clickBottomButton(bar, GenericView::BACK_BUTTON);
        EXPECT_NE(app.screen<WizardReportMenuView>(), nullptr);
    }
}
