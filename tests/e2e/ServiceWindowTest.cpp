#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/popups/QuestionPopup.hpp"
#include "gui/popups/TestOperationPopup.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/FillingView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/service/TestOperationView.hpp"
#include "gui/screens/service/VentingView.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <vector>

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

// A touch of the road and, when the screen after it is to be compared, what it must show
// outside the area that may differ (a live value or an animation).
struct Step
{
    Point at;
    uint32_t ticks;
    int settleMilliseconds;
    bool shoot;
    Picture expected;
    quillon::Rectangle ignored;
};

struct Road
{
    std::vector<Step> steps;
    bool complete = false;
};

class HeadlessRoad
{
public:
    explicit HeadlessRoad(Road& road) : road(road) {}

    void touch(Point at, uint32_t ticks, int settle = 600)
    {
        shell.bed.click(int16_t(at.x), int16_t(at.y));
        shell.bed.ticks(ticks);
        road.steps.push_back({at, ticks, settle, false, Picture{}, quillon::Rectangle()});
    }
    void touch(const quillon::Drawable& widget, uint32_t ticks, int settle = 600) { touch(centreOf(widget), ticks, settle); }
    // The screen now is to be compared, outside the given area.
    void shoot(const quillon::Rectangle& ignored = quillon::Rectangle())
    {
        road.steps.back().shoot = true;
        road.steps.back().expected = pictureOf(shell);
        road.steps.back().ignored = ignored;
    }
    const quillon::Drawable* tile(quillon::TextId text)
    {
        MenuView* menu = shell.screen<MenuView>();
        for (uint32_t i = 0; menu != nullptr && i < 6; ++i) {
            const quillon::WideChar* shown = menu->getTile(i).getText();
            if (shown != nullptr && quillon::WideString::strncmp(shown, quillon::TypedText(text).getText(), 60) == 0) {
                return &menu->getTile(i);
            }
        }
        return nullptr;
    }
    const QuestionPopup* question()
    {
        GenericView* view = dynamic_cast<GenericView*>(shell.app.getCurrentScreen());
        const PopupContainer* container = view != nullptr ? view->getPopupContainer() : nullptr;
        return container != nullptr ? dynamic_cast<const QuestionPopup*>(container->getCurrentPopup()) : nullptr;
    }
    bool yes(uint32_t ticks = 3)
    {
        const QuestionPopup* popup = question();
        if (popup == nullptr) {
            return false;
        }
        touch(popup->getYesButton(), ticks);
        return true;
    }
    template <class V>
    bool bottom(uint8_t button, uint32_t ticks = 3)
    {
        V* view = shell.screen<V>();
        if (view == nullptr) {
            return false;
        }
        touch(view->getBottomBar().getButton(button), ticks);
        return true;
    }

    void run();

    test::AppTestBed shell;
    Road& road;
};

void HeadlessRoad::run()
{
    shell.bed.frame().setCounting(false);
    shell.bed.ticks(1 + 250 + 2); // the splash decides
    touch(Point{50, 30}, 2);      // Menu
    const quillon::Drawable* testTile = tile(1064);
    if (testTile == nullptr) {
        return;
    }
    touch(*testTile, 3);
    TestOperationView* test = shell.screen<TestOperationView>();
    if (test == nullptr) {
        return;
    }
    touch(test->getOnButton(), 3);
    const TestOperationPopup* running =
        dynamic_cast<const TestOperationPopup*>(test->getPopupContainer()->getCurrentPopup());
    if (running == nullptr) {
        return;
    }
    // The boiler temperature and the burner are live.
    quillon::Rectangle live = running->getTemperatureLine().getAbsoluteRect();
    live.expandToFit(running->getBurnerSymbol().getAbsoluteRect());
    shoot(live);
    touch(running->getOffButton(), 3);
    const quillon::Drawable* startUpTile = tile(991);
    if (shell.screen<MenuView>() == nullptr || startUpTile == nullptr) {
        return;
    }
    touch(*startUpTile, 3);
    if (!bottom<ServiceExitView>(ServiceExitView::OK_BUTTON, 2 + 250 + 3)) {
        return;
    }
    road.steps.back().settleMilliseconds = 6000; // the splash's 4 s and some
    WizzardInitView* start = shell.screen<WizzardInitView>();
    if (start == nullptr) {
        return;
    }
    // Scrolled into view first, as a user would.
    for (int i = 0; i < 10 && start->getItem(WizzardInitView::FILLING).getAbsoluteRect().bottom() >
                                  480 - GenericView::BOTTOM_BAR_HEIGHT;
         ++i) {
        touch(start->getListControl().getDownButton(), 2);
    }
    touch(start->getItem(WizzardInitView::FILLING), 3);
    if (!yes()) {
        return;
    }
    shoot(); // the filling notice
    if (!bottom<FillingView>(FillingView::OK_BUTTON) || !yes() ||
        !bottom<VentingView>(VentingView::OK_BUTTON) || shell.screen<WizzardInitView>() == nullptr) {
        return;
    }
    if (!bottom<WizzardInitView>(WizzardInitView::CONTINUE_BUTTON) || !yes() || !yes() || !yes()) {
        return;
    }
    WizzardDetectedDevicesView* detection = shell.screen<WizzardDetectedDevicesView>();
    if (detection == nullptr) {
        return;
    }
    shoot(detection->getFeedbackMode().getBusyIcon().getAbsoluteRect()); // it turns
    if (!bottom<WizzardDetectedDevicesView>(WizzardDetectedDevicesView::CONTINUE_BUTTON)) {
        return;
    }
    shoot();
    road.complete = shell.screen<WizzardDetectedDevicesView>() != nullptr;
}
} // namespace

// From the home screen: Menu, "Test operation", "On" (the running test operation's popup over
// the screen), "OFF" (the main menu); then "Start-up", OK, "Filling and venting", "Yes", OK,
// "Yes", OK (the start step again), "Continue", "Yes", "Yes", "Yes", "Continue" on the waiting
// screen: the component list. The popup, the filling notice, the waiting screen and the list
// are what the headless application draws.
TEST_F(SimulatorWindow, TestOperationThenFillingVentingAndTheDetection)
{
    Road road;
    {
        HeadlessRoad headless(road);
        headless.run();
    }
    ASSERT_TRUE(road.complete) << "the headless road stopped after " << road.steps.size() << " touches";

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    const char* names[] = {"img00.bmp", "img01.bmp", "img02.bmp", "img03.bmp"};
    const char* what[] = {"the test operation's popup", "the filling notice", "the detection's waiting screen",
                          "the component list"};
    uint32_t shot = 0;
    for (const Step& step : road.steps) {
        click(step.at.x, step.at.y, step.settleMilliseconds);
        if (!step.shoot) {
            continue;
        }
        ASSERT_LT(shot, 4u);
        Picture picture;
        ASSERT_TRUE(screenshot(names[shot], picture)) << "no readable screenshots/" << names[shot];
        EXPECT_EQ(differingPixels(picture, step.expected, step.ignored, false), 0)
            << names[shot] << " is not " << what[shot];
        ++shot;
    }
    EXPECT_EQ(shot, 4u);
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
