#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/popups/QuestionPopup.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportSettingsView.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <vector>

namespace e2e
{
namespace
{
// One touch of the road: where, and how long the window needs to follow it.
struct Step
{
    int x = 0;
    int y = 0;
    int settleMilliseconds = 600;
};

// The road walked headlessly, its touches kept for the window and the settings list drawn.
struct Road
{
    std::vector<Step> steps;
    Picture settings;
};

class Walk
{
public:
    explicit Walk(Road& road) : road(road) {}

    void touch(const quillon::Drawable& widget, uint32_t ticks, int settle = 600)
    {
        const quillon::Rectangle r = widget.getAbsoluteRect();
        touchAt(r.x + r.width / 2, r.y + r.height / 2, ticks, settle);
    }
    void touchAt(int x, int y, uint32_t ticks, int settle = 600)
    {
        road.steps.push_back(Step{x, y, settle});
        shell.bed.click(int16_t(x), int16_t(y));
        shell.bed.ticks(ticks);
    }
    // The answer of the question the frame shows now, touched.
    bool answer(const GenericView& view, bool yes)
    {
        const PopupContainer* container = view.getPopupContainer();
        const auto* question =
            container != nullptr ? static_cast<const QuestionPopup*>(container->getCurrentPopup()) : nullptr;
        if (question == nullptr) {
            return false;
        }
        touch(yes ? question->getYesButton() : question->getNoButton(), 3);
        return true;
    }

    test::AppTestBed shell;

private:
    Road& road;
};

const quillon::Drawable* startUpTile(const MenuView& menu)
{
    for (uint32_t i = 0; i < 6; ++i) {
        const quillon::WideChar* text = menu.getTile(i).getText();
        if (text != nullptr && quillon::WideString::strncmp(text, quillon::TypedText(991).getText(), 60) == 0) {
            return &menu.getTile(i);
        }
    }
    return nullptr;
}

// Menu, "Start-up", OK, the wizard's "Continue", "Yes", "No", the report's "Settings".
Road headlessRoad()
{
    Road road;
    Walk walk(road);
    walk.shell.bed.ticks(1 + 250 + 2); // the splash decides
    walk.touchAt(50, 30, 2);
    const MenuView* menu = walk.shell.screen<MenuView>();
    const quillon::Drawable* tile = menu != nullptr ? startUpTile(*menu) : nullptr;
    if (tile == nullptr) {
        return Road{};
    }
    walk.touch(*tile, 3);
    const ServiceExitView* service = walk.shell.screen<ServiceExitView>();
    if (service == nullptr) {
        return Road{};
    }
    walk.touch(service->getBottomBar().getButton(ServiceExitView::OK_BUTTON), 2 + 250 + 3, 6000);
    const WizzardInitView* start = walk.shell.screen<WizzardInitView>();
    if (start == nullptr) {
        return Road{};
    }
    walk.touch(start->getBottomBar().getButton(WizzardInitView::CONTINUE_BUTTON), 2);
    if (!walk.answer(*start, true) || !walk.answer(*start, false)) {
        return Road{};
    }
    const WizardReportMenuView* report = walk.shell.screen<WizardReportMenuView>();
    if (report == nullptr) {
        return Road{};
    }
    walk.touch(report->getTile(2), 3);
    if (walk.shell.screen<WizardReportSettingsView>() == nullptr) {
        return Road{};
    }
    road.settings = pictureOf(walk.shell);
    return road;
}
} // namespace

// The report's settings list reached by touches from the home screen, in the window as the
// headless application draws it.
TEST_F(SimulatorWindow, ReportSettingsFromTheWizardsReport)
{
    const Road road = headlessRoad();
    ASSERT_EQ(road.settings.width, SCREEN_WIDTH) << "the headless road did not reach the report's settings";

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    for (const Step& step : road.steps) {
        click(step.x, step.y, step.settleMilliseconds);
    }
    Picture settings;
    ASSERT_TRUE(screenshot("img00.bmp", settings)) << "no readable screenshots/img00.bmp";
    const quillon::Rectangle everything(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    EXPECT_EQ(differingPixels(settings, road.settings, everything, true), 0) << "img00.bmp is not the settings list";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
