#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupManager.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/TestOperationView.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr uint32_t RUNNING = 223;         // 0x571F
constexpr uint32_t FLOW_SUFFICIENT = 294; // 0x74A8

class TestOperation : public ::testing::Test, public screens::WizardBed
{
protected:
    // Home, the main menu, then its "Test operation" tile.
    TestOperationView* openFromTheMenu()
    {
        app.pageManager().reset();
        app.open(app.pages().mainPage, true);
        app.open(app.pages().mainMenuPage);
        MenuView* menu = app.screen<MenuView>();
        EXPECT_NE(menu, nullptr);
        for (uint8_t i = 0; menu != nullptr && i < 6; ++i) {
            if (screens::str(menu->getTile(i).getText()) == u"Test operation") {
                clickOn(menu->getTile(i));
                break;
            }
        }
        forgetWrites();
        return app.screen<TestOperationView>();
    }

    // While the switch is on, the rules hold the test-operation popup over this screen and it
    // would take the touch: the press goes to the screen as if that popup were dismissed.
    void on(TestOperationView& view)
    {
        app.app.getPopupSystem().getManager().close(POPUP_TEST_OPERATION);
        app.bed.ticks(1);
        clickOn(view.getOnButton());
    }
    std::u16string line(const guicontrols::TextField& field) { return screens::str(field.getText()); }
    quillon::BitmapId icon(TestOperationView& view, uint8_t button)
    {
        return view.getBottomBar().getButton(button).getIcon().getId();
    }
};
} // namespace

TEST_F(TestOperation, OnWhileOffOnlySwitchesItOn)
{
    TestOperationView* view = openFromTheMenu();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Test operation");
    EXPECT_EQ(line(view->getFirstLine()), u"Test operation");
    EXPECT_FALSE(view->getSecondLine().isVisible());
    EXPECT_FALSE(view->getBusyIcon().isVisible());
    EXPECT_TRUE(view->getOnButton().isVisible());
    on(*view);
    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0x7580, 1}}));
    EXPECT_EQ(view->getState(), TestOperationView::STATE_START);
    EXPECT_TRUE(view->getOnButton().isVisible());
    EXPECT_EQ(line(view->getFirstLine()), u"Test operation");
}

TEST_F(TestOperation, WhileItRunsOnChecksTheFlowUntilTheDeviceFindsItSufficient)
{
    TestOperationView* view = openFromTheMenu();
    ASSERT_NE(view, nullptr);
    on(*view); // switched on; the device reports it running on the next frame
    app.bed.ticks(1);
    forgetWrites();
    on(*view);
    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0x74A7, 1}}));
    EXPECT_EQ(view->getState(), TestOperationView::STATE_FLOW_TEST);
    EXPECT_EQ(line(view->getFirstLine()), u"Testing flow");
    EXPECT_EQ(line(view->getSecondLine()), u"Ensure sufficient heat dissipation.");
    EXPECT_TRUE(view->getBusyIcon().isRotating());
    EXPECT_FALSE(view->getOnButton().isVisible());

    // Help and back: the content is built again in state 1, without a second request.
    clickBottomButton(view->getBottomBar(), GenericView::HELP_BUTTON);
    EXPECT_EQ(view->getViewMode(), &view->getHelpMode());
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_EQ(view->getViewMode(), view);
    EXPECT_EQ(view->getState(), TestOperationView::STATE_FLOW_TEST);
    EXPECT_EQ(writes().size(), 1u);

    app.bed.deviceSeconds(DeviceModel::FLOW_TEST_SECONDS);
    app.bed.ticks(1);
    EXPECT_EQ(view->getState(), TestOperationView::STATE_FLOW_SUFFICIENT);
    EXPECT_EQ(line(view->getSecondLine()), u"Flow sufficient");
    EXPECT_FALSE(view->getBusyIcon().isVisible());
    EXPECT_EQ(icon(*view, 0), quillon::BITMAP_NONE);
    EXPECT_EQ(icon(*view, 1), quillon::BITMAP_NONE);
    EXPECT_EQ(icon(*view, 5), +TestOperationView::OK_ICON);

    clickBottomButton(view->getBottomBar(), TestOperationView::OK_BUTTON);
    EXPECT_EQ(writes().back(), (screens::DeviceWrite{0x7580, 1}));
    EXPECT_NE(app.screen<MenuView>(), nullptr);
}

TEST_F(TestOperation, AFlowAlreadySufficientEndsTheCheckInTheSameStep)
{
    app.bed.deviceSends(RUNNING, uint8_t{1});
    app.bed.deviceSends(FLOW_SUFFICIENT, uint8_t{1});
    TestOperationView* view = openFromTheMenu();
    ASSERT_NE(view, nullptr);
    const quillon::Rectangle r = view->getOnButton().getAbsoluteRect();
    app.bed.click(static_cast<int16_t>(r.x + r.width / 2), static_cast<int16_t>(r.y + r.height / 2));
    EXPECT_EQ(view->getState(), TestOperationView::STATE_FLOW_SUFFICIENT);
}

TEST_F(TestOperation, TheMaximumOutputPageChecksTheFlowOnEntryAndOkDoesNothing)
{
    app.bed.deviceSends(RUNNING, uint8_t{1});
    app.open(app.pages().mainPage, true);
    forgetWrites();
    app.open(app.pages().testOperationPage2);
    TestOperationView* view = app.screen<TestOperationView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Maximum thermal output");
    EXPECT_EQ(view->getState(), TestOperationView::STATE_FLOW_TEST);
    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0x74A7, 1}}));
    app.bed.deviceSends(FLOW_SUFFICIENT, uint8_t{1});
    app.bed.ticks(2); // the page's transition frame, then its first tick
    ASSERT_EQ(view->getState(), TestOperationView::STATE_FLOW_SUFFICIENT);
    clickBottomButton(view->getBottomBar(), TestOperationView::OK_BUTTON);
    EXPECT_EQ(app.screen<TestOperationView>(), view);
    EXPECT_EQ(writes().size(), 1u);
}

TEST_F(TestOperation, BackClosesTheThermalOutputQuestionFirstAndHelpFollowsTheState)
{
    for (bool flowTest : {false, true}) {
        SCOPED_TRACE(flowTest);
        app.bed.deviceSends(RUNNING, static_cast<uint8_t>(flowTest ? 1 : 0));
        TestOperationView* view = openFromTheMenu();
        ASSERT_NE(view, nullptr);
        if (flowTest) {
            on(*view);
        }
        EXPECT_EQ(screens::str(view->getHelpText()).substr(0, 20), flowTest ? u"The flow rate is too" : u"Burner and pumps are");
        // The screen's own back, as when the question is stacked but not on display: the
        // frame's overlay would otherwise take the touch.
        view->getPopupContainer()->setEnabled(false);
        popups().show(TestOperationView::MAXIMAL_THERMAL_OUTPUT_POPUP, 1);
        clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
        EXPECT_FALSE(popups().isActive(TestOperationView::MAXIMAL_THERMAL_OUTPUT_POPUP));
        EXPECT_NE(app.screen<MenuView>(), nullptr);
    }
}

TEST(TestOperationScreen, APageWithoutParameterIsTheTestOperation)
{
    test::ScreenTestBed bed;
    bed.show<TestOperationView, TestOperationPresenter>();
    TestOperationView& view = bed.view<TestOperationView>();
    bed.ticks(2);
    EXPECT_EQ(view.getTitleText(), +TestOperationView::TITLE_TEXT);
    EXPECT_EQ(view.getState(), TestOperationView::STATE_START);
}
