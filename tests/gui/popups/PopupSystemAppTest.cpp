#include "support/screen/AppTestBed.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/common/BasePresenter.hpp"
#include "gui/popups/PopupSystem.hpp"

#include <gtest/gtest.h>

// The application's one popup system, as the page manager and the presenters reach it.
namespace
{
TEST(PopupSystemInTheApplication, ThePageManagerAndEveryPresenterShareIt)
{
    test::AppTestBed app;
    PopupSystem& system = app.app.getPopupSystem();
    EXPECT_EQ(app.pageManager().getPopupManager(), &system.getManager());

    app.open(app.pages().mainMenuPage);
    BasePresenter* presenter = dynamic_cast<BasePresenter*>(app.app.getCurrentPresenter());
    ASSERT_NE(presenter, nullptr);
    EXPECT_EQ(presenter->getPopupSystem(), &system);

    // The rules navigate through the application's page manager, on the GUI task's frame.
    app.bed.deviceSends(227, std::uint8_t{1});
    system.getData().applyChanges();
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().ventingPage);
}
} // namespace
