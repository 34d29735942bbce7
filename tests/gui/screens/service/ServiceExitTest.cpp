#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/startup/StartupView.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

namespace
{
class ServiceStartUp : public ::testing::Test, public screens::WizardBed
{
protected:
    // Home, the main menu, then its "Start-up" tile, as the engineer goes.
    ServiceExitView* openFromTheMenu()
    {
        app.open(app.pages().mainPage, true);
        app.open(app.pages().mainMenuPage);
        MenuView* menu = app.screen<MenuView>();
        EXPECT_NE(menu, nullptr);
        if (menu == nullptr) {
            return nullptr;
        }
        for (uint8_t i = 0; i < 6; ++i) {
            if (screens::str(menu->getTile(i).getText()) == u"Start-up") {
                clickOn(menu->getTile(i));
                break;
            }
        }
        forgetWrites();
        return app.screen<ServiceExitView>();
    }
};
} // namespace

TEST(ServiceExitScreen, PanelAndLinesComeWithTheFirstTickNotBefore)
{
    test::ScreenTestBed bed(0x1234);
    bed.show<ServiceExitView, ServiceExitPresenter>();
    ServiceExitView& view = bed.view<ServiceExitView>();
    EXPECT_TRUE(view.isContentPending());
    EXPECT_EQ(view.getPanel().getParent(), nullptr);
    EXPECT_EQ(view.getNotice().getParent(), nullptr);
    bed.ticks(1); // the transition's frame: the screen has not ticked yet
    EXPECT_TRUE(view.isContentPending());
    EXPECT_EQ(view.getPanel().getParent(), nullptr);

    bed.ticks(1); // its first tick
    EXPECT_FALSE(view.isContentPending());
    EXPECT_NE(view.getPanel().getParent(), nullptr);
    EXPECT_EQ(view.getPanel().getBitmap().getId(), 65);
    EXPECT_EQ(view.getPanel().getAbsoluteRect(), quillon::Rectangle(20, 72 + 20, 760, 480 - 72 - 71 - 40));
    EXPECT_EQ(view.getNotice().getAbsoluteRect(), quillon::Rectangle(20, 72 + 120, 760, 30));
    EXPECT_EQ(view.getQuestion().getAbsoluteRect(), quillon::Rectangle(20, 72 + 160, 760, 30));
    EXPECT_EQ(screens::str(view.getNotice().getText()), u"The heating system is reset to the factory state.");
    EXPECT_EQ(screens::str(view.getQuestion().getText()), u"Do you really want to perform the initial start-up?");
    // The panel is drawn: its border is no longer the background.
    EXPECT_NE(bed.frame().at(20, 72 + 20), 0x1234);
}

TEST_F(ServiceStartUp, TitleAndBarOfferBackAndOkOnly)
{
    ServiceExitView* view = openFromTheMenu();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Service start-up");
    const guicontrols::BottomBar& bar = view->getBottomBar();
    EXPECT_EQ(bar.getButton(0).getIcon().getId(), quillon::BITMAP_NONE); // no home
    EXPECT_EQ(bar.getButton(1).getIcon().getId(), +GenericView::BACK_ICON);
    EXPECT_EQ(bar.getButton(2).getIcon().getId(), quillon::BITMAP_NONE); // no help
    EXPECT_EQ(bar.getButton(5).getIcon().getId(), +ServiceExitView::OK_ICON);
}

TEST_F(ServiceStartUp, BackLeavesWithoutWriting)
{
    ServiceExitView* view = openFromTheMenu();
    ASSERT_NE(view, nullptr);
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_NE(app.screen<MenuView>(), nullptr);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(tableByte(COMMISSIONING_REQUEST), 0);
}

TEST_F(ServiceStartUp, OkRequestsCommissioningAndRestartsIntoTheWizard)
{
    app.pageManager().setAccessLevel(13); // a service login before
    ServiceExitView* view = openFromTheMenu();
    ASSERT_NE(view, nullptr);
    clickBottomButton(view->getBottomBar(), ServiceExitView::OK_BUTTON);

    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{0xFF01, 1}}));
    EXPECT_EQ(tableByte(COMMISSIONING_REQUEST), 1);
    EXPECT_EQ(current(), &app.pages().startupPage);
    EXPECT_NE(app.screen<StartupView>(), nullptr);
    EXPECT_EQ(app.pageManager().getHistorySize(), 0);
    EXPECT_EQ(level(), 5);
    EXPECT_FALSE(hasMask()); // all parameters gone

    // The splash runs again and, the request being set, opens the start step for good.
    app.bed.ticks(SPLASH_TICKS + 2);
    EXPECT_EQ(current(), &app.pages().wizardInitPage);
    ASSERT_NE(app.screen<WizzardInitView>(), nullptr);
    EXPECT_EQ(app.pageManager().getHistorySize(), 0);
    EXPECT_EQ(mask(), 0u);
    const Params::FillingVenting* request = app.pageManager().getParam<Params::FillingVenting>(nullptr);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->request, 1); // stored as 0 by the splash, raised by the start step
}
