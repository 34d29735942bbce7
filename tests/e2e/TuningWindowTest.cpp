#include "e2e/WizardRoad.hpp"

#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportSettingsView.hpp"
#include "gui/screens/wizard/WizzardHCTypeSelectView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardTuningHCView.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"

namespace e2e
{
namespace
{
// Tiles of the scheme.
const uint8_t COLLECTOR_TILE = 0;
const uint8_t SECOND_CIRCUIT_TILE = 7;
const uint8_t UNDERFLOOR = 1;
const uint8_t SETTINGS_TILE = 2;

// The tuning road and the line counts the headless lists showed on it.
struct TuningRoad : Road
{
    uint32_t circuitLines = 0;
    uint32_t underfloorLines = 0;
    bool screedShown = false; // after its supply temperatures, scrolled into the window
    uint32_t collectorLines = 0;
};

// A scheme tile touched, when the scheme shows it within the window.
bool touchTile(test::AppTestBed& shell, Road& road, uint8_t tile, const char* name)
{
    const WizzardSystemSchemeMainView* scheme = shell.screen<WizzardSystemSchemeMainView>();
    const quillon::Drawable* shown = scheme != nullptr ? &scheme->getScheme().getTile(tile) : nullptr;
    if (shown == nullptr || !scheme->getScheme().contains(*shown) ||
        shown->getAbsoluteRect().x + shown->getWidth() / 2 >= SCREEN_WIDTH) {
        road.stoppedAt = std::string("scheme without ") + name;
        return false;
    }
    step(shell, road, centreOf(*shown));
    return true;
}

template <class V>
V* reached(test::AppTestBed& shell, Road& road, const char* name)
{
    V* view = shell.screen<V>();
    if (view == nullptr) {
        road.stoppedAt = name;
    }
    return view;
}

// The scheme's circuit 2 made an underfloor circuit, the collector's list, "Continue" to the
// report and its "Settings".
TuningRoad tuningRoad()
{
    TuningRoad road;
    test::AppTestBed shell;
    if (!toScheme(shell, road) || !touchTile(shell, road, SECOND_CIRCUIT_TILE, "circuit 2")) {
        return road;
    }
    const WizzardTuningHCView* circuit = reached<WizzardTuningHCView>(shell, road, "circuit 2's tuning");
    if (circuit == nullptr) {
        return road;
    }
    road.circuitLines = circuit->getList().getLineCount();
    step(shell, road, centreOf(circuit->getLine(WizzardTuningHCView::CIRCUIT_TYPE)));
    const WizzardHCTypeSelectView* type = reached<WizzardHCTypeSelectView>(shell, road, "circuit type");
    if (type == nullptr || !type->getContent().contains(type->getTypeButton(UNDERFLOOR))) {
        road.stoppedAt = "circuit type without underfloor";
        return road;
    }
    step(shell, road, centreOf(type->getTypeButton(UNDERFLOOR)));
    // The device answers the written type a moment later.
    Touch ok = bottomButton(*type, WizzardHCTypeSelectView::OK_BUTTON);
    ok.settle = 1500;
    step(shell, road, ok);
    circuit = reached<WizzardTuningHCView>(shell, road, "circuit 2's tuning after the type");
    if (circuit == nullptr) {
        return road;
    }
    road.underfloorLines = circuit->getList().getLineCount();
    // Down until the screed drying line shows whole.
    const guicontrols::LongButton& screed = circuit->getLine(WizzardTuningHCView::SCREED_DRYING);
    const quillon::Rectangle list = circuit->getList().getScrollArea().getAbsoluteRect();
    for (int i = 0; i < 10 && screed.getAbsoluteRect().y + screed.getHeight() > list.y + list.height; ++i) {
        step(shell, road, centreOf(circuit->getList().getScrollArea().getDownButton()));
    }
    road.screedShown = circuit->getList().getLineCount() > 4 && &circuit->getList().getLine(4) == &screed &&
                       screed.getAbsoluteRect().y + screed.getHeight() <= list.y + list.height;
    step(shell, road, bottomButton(*circuit, GenericView::BACK_BUTTON));
    if (!touchTile(shell, road, COLLECTOR_TILE, "the collector")) {
        return road;
    }
    const WizzardTuningSolarModuleView* solar = reached<WizzardTuningSolarModuleView>(shell, road, "solar tuning");
    if (solar == nullptr) {
        return road;
    }
    road.collectorLines = solar->getList().getLineCount();
    step(shell, road, bottomButton(*solar, GenericView::BACK_BUTTON));
    const WizzardSystemSchemeMainView* scheme = reached<WizzardSystemSchemeMainView>(shell, road, "scheme again");
    if (scheme == nullptr) {
        return road;
    }
    step(shell, road, bottomButton(*scheme, WizzardSystemSchemeMainView::CONTINUE_BUTTON));
    const WizardReportMenuView* report = reached<WizardReportMenuView>(shell, road, "report menu");
    if (report == nullptr) {
        return road;
    }
    step(shell, road, centreOf(report->getTile(SETTINGS_TILE)));
    reached<WizardReportSettingsView>(shell, road, "report settings");
    return road;
}

// Menu, "Start-up", OK, the wizard's "Continue", "Yes", "No": the report at once; "Settings".
Road settingsRoad()
{
    Road road;
    test::AppTestBed shell;
    if (!toWizard(shell, road)) {
        return road;
    }
    for (bool yes : {true, false}) {
        Touch answer;
        if (!answerOf(shell.screen<GenericView>(), yes, answer)) {
            road.stoppedAt = "question";
            return road;
        }
        step(shell, road, answer);
    }
    const WizardReportMenuView* report = reached<WizardReportMenuView>(shell, road, "report menu");
    if (report == nullptr) {
        return road;
    }
    step(shell, road, centreOf(report->getTile(SETTINGS_TILE)));
    reached<WizardReportSettingsView>(shell, road, "report settings");
    return road;
}
} // namespace

// From the scheme into circuit 2's tuning, its type made underfloor (screed drying joins the
// list), the collector's tuning, and on to the report's settings: after every touch the window
// shows what the headless application draws.
TEST_F(RoadWindow, TuningListsFromTheScheme)
{
    const TuningRoad road = tuningRoad();
    ASSERT_EQ(road.stoppedAt, "") << "the headless road stops there";
    EXPECT_EQ(road.circuitLines, 8u);
    EXPECT_EQ(road.underfloorLines, 9u);
    EXPECT_TRUE(road.screedShown);
    EXPECT_EQ(road.collectorLines, 6u);

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    walk(road, "tuning");
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}

// The report's settings list reached straight from the wizard's questions.
TEST_F(RoadWindow, ReportSettingsFromTheWizardsReport)
{
    const Road road = settingsRoad();
    ASSERT_EQ(road.stoppedAt, "") << "the headless road stops there";

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    walk(road, "report-settings");
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
