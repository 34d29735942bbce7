#include "e2e/SimulatorWindow.hpp"
#include "e2e/WizardRoad.hpp"

#include "support/screen/AppTestBed.hpp"
#include "support/screen/TextFit.hpp"

#include "gui/common/ConfirmViewMode.hpp"
#include "gui/screens/energy/SolarPumpCalibrationView.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"


#include <cstdio>
#include <string>
#include <vector>

namespace e2e
{
namespace
{
// The road drawn headlessly: every touch, and the two screens the window is asked to shoot.
struct SolarRoad
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

void step(test::AppTestBed& shell, SolarRoad& road, const Touch& touch)
{
    shell.bed.click(int16_t(touch.x), int16_t(touch.y));
    shell.bed.ticks(touch.ticks);
    road.touches.push_back(touch);
}

void shoot(test::AppTestBed& shell, SolarRoad& road)
{
    road.shotAfter.push_back(road.touches.size());
    road.pictures.push_back(pictureOf(shell));
}

// A line the list holds, scrolled into sight with the list's arrows as a user would.
bool reach(test::AppTestBed& shell, SolarRoad& road, const TuningList& list, const quillon::Drawable& line)
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

// Menu, "Start-up", OK, "Continue", three times "Yes", "Continue" until the scheme: the
// wizard's shared road, its touches taken over.
bool toScheme(test::AppTestBed& shell, SolarRoad& road)
{
    e2e::Road wizard;
    const bool reached = e2e::toScheme(shell, wizard);
    road.touches.insert(road.touches.end(), wizard.touches.begin(), wizard.touches.end());
    road.stoppedAt = wizard.stoppedAt;
    return reached;
}

// The collector's tuning list opened from the scheme.
WizzardTuningSolarModuleView* toSolarList(test::AppTestBed& shell, SolarRoad& road)
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

void absorberSurface(test::AppTestBed& shell, SolarRoad& road, WizzardTuningSolarModuleView& list)
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

void calibration(test::AppTestBed& shell, SolarRoad& road)
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

SolarRoad headlessRoad()
{
    SolarRoad road;
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
    const SolarRoad road = headlessRoad();
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
