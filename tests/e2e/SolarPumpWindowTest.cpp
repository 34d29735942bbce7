#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"
#include "support/screen/TextFit.hpp"

#include "gui/common/ConfirmViewMode.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/QuestionPopup.hpp"
#include "gui/screens/energy/SolarPumpCalibrationView.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace e2e
{
namespace
{
struct Touch
{
    int x = 0, y = 0;
    uint32_t ticks = 3;
    int settle = 600;
};

Touch centreOf(const quillon::Drawable& widget, uint32_t ticks = 3, int settle = 600)
{
    const quillon::Rectangle r = widget.getAbsoluteRect();
    return {r.x + r.width / 2, r.y + r.height / 2, ticks, settle};
}

Touch bottomButton(const GenericView& view, uint8_t index)
{
    return centreOf(view.getBottomBar().getButton(index));
}

bool yesOf(const GenericView* view, Touch& touch)
{
    const PopupContainer* container = view != nullptr ? view->getPopupContainer() : nullptr;
    const QuestionPopup* question =
        container != nullptr ? static_cast<const QuestionPopup*>(container->getCurrentPopup()) : nullptr;
    if (question == nullptr) {
        return false;
    }
    touch = centreOf(question->getYesButton());
    return true;
}

// The road drawn headlessly: every touch, and the two screens the window is asked to shoot.
struct Road
{
    std::vector<Touch> touches;
    // After which touch a screenshot is due, and what it must show.
    std::vector<size_t> shotAfter;
    std::vector<Picture> pictures;
    std::string stoppedAt;
    std::string absorberResult;
    float storedSurface = 0.0f;
    // The calibration flow in tenths of l/min, as seeded and as OK stored it.
    int seededFlow = -1;
    int storedFlow = -1;
    bool backOnList = false;
};

void step(test::AppTestBed& shell, Road& road, const Touch& touch)
{
    shell.bed.click(int16_t(touch.x), int16_t(touch.y));
    shell.bed.ticks(touch.ticks);
    road.touches.push_back(touch);
}

void shoot(test::AppTestBed& shell, Road& road)
{
    road.shotAfter.push_back(road.touches.size());
    road.pictures.push_back(pictureOf(shell));
}

// A line the list holds, scrolled into sight with the list's arrows as a user would.
bool reach(test::AppTestBed& shell, Road& road, const TuningList& list, const quillon::Drawable& line)
{
    bool held = false;
    for (uint32_t i = 0; i < list.getLineCount(); ++i) {
        held = held || &list.getLine(i) == &line;
    }
    const guicontrols::ScrollArea& area = list.getScrollArea();
    for (int i = 0; held && i < 20; ++i) {
        const quillon::Rectangle shown = area.getItemsArea().getAbsoluteRect();
        const quillon::Rectangle r = line.getAbsoluteRect();
        if (r.y < shown.y) {
            step(shell, road, centreOf(area.getUpButton()));
        } else if (r.y + r.height > shown.y + shown.height) {
            step(shell, road, centreOf(area.getDownButton()));
        } else {
            return true;
        }
    }
    return false;
}

// Menu, "Start-up", OK, "Continue", three times "Yes", "Continue" until the scheme.
bool toScheme(test::AppTestBed& shell, Road& road)
{
    shell.bed.ticks(1 + 250 + 2); // the splash decides
    step(shell, road, Touch{50, 30});
    MenuView* menu = shell.screen<MenuView>();
    if (menu == nullptr) {
        road.stoppedAt = "main menu";
        return false;
    }
    for (uint32_t i = 0; i < 6; ++i) {
        const quillon::WideChar* text = menu->getTile(i).getText();
        if (text != nullptr && quillon::WideString::strncmp(text, quillon::TypedText(991).getText(), 60) == 0) {
            step(shell, road, centreOf(menu->getTile(i)));
        }
    }
    ServiceExitView* service = shell.screen<ServiceExitView>();
    if (service == nullptr) {
        road.stoppedAt = "service start-up";
        return false;
    }
    Touch ok = bottomButton(*service, ServiceExitView::OK_BUTTON);
    ok.ticks = 2 + 250 + 3;
    ok.settle = 6000; // the splash's 4 s and some
    step(shell, road, ok);
    WizzardInitView* start = shell.screen<WizzardInitView>();
    if (start == nullptr) {
        road.stoppedAt = "start step";
        return false;
    }
    step(shell, road, bottomButton(*start, WizzardInitView::CONTINUE_BUTTON));
    for (int answer = 0; answer < 3; ++answer) {
        Touch yes;
        if (!yesOf(shell.screen<GenericView>(), yes)) {
            road.stoppedAt = "question " + std::to_string(answer + 1);
            return false;
        }
        step(shell, road, yes);
    }
    for (int i = 0; i < 2 && shell.screen<WizzardSystemSchemeMainView>() == nullptr; ++i) {
        GenericView* list = shell.screen<GenericView>();
        if (list == nullptr || !list->getBottomBar().getButton(5).isTouchable()) {
            road.stoppedAt = "detection list (no \"Continue\")";
            return false;
        }
        step(shell, road, bottomButton(*list, 5));
    }
    if (shell.screen<WizzardSystemSchemeMainView>() == nullptr) {
        road.stoppedAt = "scheme";
        return false;
    }
    return true;
}

// The collector's tuning list opened from the scheme.
WizzardTuningSolarModuleView* toSolarList(test::AppTestBed& shell, Road& road)
{
    WizzardSystemSchemeMainView* scheme = shell.screen<WizzardSystemSchemeMainView>();
    const quillon::Drawable& collector = scheme->getScheme().getTile(0);
    if (!scheme->getScheme().contains(collector)) {
        road.stoppedAt = "scheme without a collector";
        return nullptr;
    }
    step(shell, road, centreOf(collector));
    WizzardTuningSolarModuleView* list = shell.screen<WizzardTuningSolarModuleView>();
    if (list == nullptr || list->isNotice()) {
        road.stoppedAt = "solar tuning list";
        return nullptr;
    }
    return list;
}

void absorberSurface(test::AppTestBed& shell, Road& road, WizzardTuningSolarModuleView& list)
{
    const guicontrols::LongButton& line = list.getLine(WizzardTuningSolarModuleView::ABSORBER_SURFACE);
    if (!reach(shell, road, list.getList(), line)) {
        road.stoppedAt = "solar list without \"Absorber surface\"";
        return;
    }
    step(shell, road, centreOf(line));
    WizzardAbsorberSurfaceView* absorber = shell.screen<WizzardAbsorberSurfaceView>();
    if (absorber == nullptr) {
        road.stoppedAt = "absorber surface";
        return;
    }
    road.absorberResult = test::utf8(absorber->getResult().getText());
    shoot(shell, road);
    step(shell, road, bottomButton(*absorber, WizzardAbsorberSurfaceView::CONFIRM_BUTTON));
    road.storedSurface = shell.bed.model().getGroups().idSolar.absorberSurface.getValue();
}

void calibration(test::AppTestBed& shell, Road& road)
{
    WizzardTuningSolarModuleView* list = shell.screen<WizzardTuningSolarModuleView>();
    if (list == nullptr) {
        road.stoppedAt = "solar list after the absorber's OK";
        return;
    }
    const guicontrols::LongButton& line = list->getLine(WizzardTuningSolarModuleView::CALIBRATION);
    if (!reach(shell, road, list->getList(), line)) {
        road.stoppedAt = "solar list without the calibration";
        return;
    }
    step(shell, road, centreOf(line));
    SolarPumpCalibrationView* pump = shell.screen<SolarPumpCalibrationView>();
    if (pump == nullptr || pump->getViewMode() != &pump->getConfirmMode()) {
        road.stoppedAt = "calibration question";
        return;
    }
    step(shell, road, bottomButton(*pump, ConfirmViewMode::YES_BUTTON));
    if (pump->getCalibrationState() != SolarPumpCalibrationView::FLOW_ENTRY) {
        road.stoppedAt = "calibration entry (state " + std::to_string(pump->getCalibrationState()) + ")";
        return;
    }
    road.seededFlow = shell.bed.model().getGroups().solar.calibrationFlow.getValue();
    step(shell, road, centreOf(pump->getFlowEntry().getUpButton()));
    step(shell, road, centreOf(pump->getFlowEntry().getUpButton()));
    shoot(shell, road);
    step(shell, road, bottomButton(*pump, SolarPumpCalibrationView::OK_BUTTON));
    road.storedFlow = shell.bed.model().getGroups().solar.calibrationFlow.getValue();
    road.backOnList = shell.screen<WizzardTuningSolarModuleView>() != nullptr;
}

Road headlessRoad()
{
    Road road;
    test::AppTestBed shell;
    if (!toScheme(shell, road)) {
        return road;
    }
    WizzardTuningSolarModuleView* list = toSolarList(shell, road);
    if (list == nullptr) {
        return road;
    }
    absorberSurface(shell, road, *list);
    if (road.stoppedAt.empty()) {
        calibration(shell, road);
    }
    return road;
}
} // namespace

// From the home screen into the wizard, on to the scheme and the collector's list: the absorber
// surface confirmed as seeded, then the pump calibrated two steps up. The window shows both
// screens as the headless application draws them.
TEST_F(SimulatorWindow, SolarPumpCalibratedAfterTheAbsorberSurface)
{
    const Road road = headlessRoad();
    ASSERT_EQ(road.stoppedAt, "") << "the headless road stopped there";
    EXPECT_EQ(road.absorberResult, "4.64 m\xC2\xB2");
    EXPECT_FLOAT_EQ(road.storedSurface, 4.64f);
    EXPECT_EQ(road.storedFlow, road.seededFlow + 2) << "two steps of 0.1 l/min up from the seeded flow";
    EXPECT_TRUE(road.backOnList) << "OK did not return to the solar list";
    ASSERT_EQ(road.pictures.size(), 2u);
    const quillon::Rectangle everything(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    size_t shot = 0;
    for (size_t i = 0; i <= road.touches.size(); ++i) {
        if (shot < road.shotAfter.size() && road.shotAfter[shot] == i) {
            char name[16];
            std::snprintf(name, sizeof(name), "img%02u.bmp", unsigned(shot));
            Picture picture;
            ASSERT_TRUE(screenshot(name, picture)) << "no readable screenshots/" << name;
            EXPECT_EQ(differingPixels(picture, road.pictures[shot], everything, true), 0)
                << name << " is not the headless drawing";
            ++shot;
        }
        if (i < road.touches.size()) {
            click(road.touches[i].x, road.touches[i].y, road.touches[i].settle);
        }
    }
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
