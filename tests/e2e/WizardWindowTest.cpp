#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <thread>

namespace e2e
{
namespace
{
struct Point
{
    int x, y;
};

Point centreOf(const quillon::Drawable& widget)
{
    const quillon::Rectangle r = widget.getAbsoluteRect();
    return {r.x + r.width / 2, r.y + r.height / 2};
}

// The road drawn headlessly: where the touches go and what each screen must look like.
struct Road
{
    Point menuButton{50, 30};
    Point startUpTile{};
    Point okButton{};
    Picture serviceStartUp;
    Picture startStep;
    quillon::Rectangle dateLine{};
};

Road headlessRoad()
{
    Road road;
    test::AppTestBed shell;
    shell.bed.ticks(1 + 250 + 2); // the splash decides
    shell.bed.click(int16_t(road.menuButton.x), int16_t(road.menuButton.y));
    shell.bed.ticks(2);
    MenuView* menu = shell.screen<MenuView>();
    EXPECT_NE(menu, nullptr);
    if (menu == nullptr) {
        return road;
    }
    for (uint32_t i = 0; i < 6; ++i) {
        const quillon::WideChar* text = menu->getTile(i).getText();
        if (text != nullptr && quillon::WideString::strncmp(text, quillon::TypedText(991).getText(), 60) == 0) {
            road.startUpTile = centreOf(menu->getTile(i));
        }
    }
    shell.bed.click(int16_t(road.startUpTile.x), int16_t(road.startUpTile.y));
    shell.bed.ticks(3);
    ServiceExitView* service = shell.screen<ServiceExitView>();
    EXPECT_NE(service, nullptr);
    if (service == nullptr) {
        return road;
    }
    road.serviceStartUp = pictureOf(shell);
    road.okButton = centreOf(service->getBottomBar().getButton(ServiceExitView::OK_BUTTON));
    shell.bed.click(int16_t(road.okButton.x), int16_t(road.okButton.y));
    shell.bed.ticks(2 + 250 + 3);
    WizzardInitView* start = shell.screen<WizzardInitView>();
    EXPECT_NE(start, nullptr);
    if (start != nullptr) {
        road.startStep = pictureOf(shell);
        road.dateLine = start->getItem(WizzardInitView::DATE_AND_TIME).getAbsoluteRect();
    }
    return road;
}
} // namespace

// From the home screen: Menu, "Start-up", OK; the splash runs again and the wizard's first
// step follows. The clock's line aside, each screen is what the headless application draws.
TEST_F(SimulatorWindow, StartUpFromTheMenuLeadsIntoTheWizard)
{
    const Road road = headlessRoad();
    ASSERT_GT(road.startUpTile.x, 0) << "no \"Start-up\" tile in the main menu";
    ASSERT_EQ(road.startStep.width, SCREEN_WIDTH) << "the headless road did not reach the start step";
    const quillon::Rectangle everything(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    click(road.menuButton.x, road.menuButton.y);
    click(road.startUpTile.x, road.startUpTile.y);
    Picture service;
    ASSERT_TRUE(screenshot("img00.bmp", service)) << "no readable screenshots/img00.bmp";
    EXPECT_EQ(differingPixels(service, road.serviceStartUp, everything, true), 0)
        << "img00.bmp is not the service start-up";

    click(road.okButton.x, road.okButton.y, 6000); // the splash's 4 s and some
    Picture start;
    ASSERT_TRUE(screenshot("img01.bmp", start)) << "no readable screenshots/img01.bmp";
    EXPECT_EQ(differingPixels(start, road.startStep, road.dateLine, false), 0)
        << "img01.bmp is not the start step (title, step, entries, Continue)";
    EXPECT_GT(drawnPixels(start, road.dateLine), 0) << "no date and time line";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
