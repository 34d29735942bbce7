#include "e2e/WizardRoad.hpp"

#include "gui/screens/wizard/WizzardSystemSchemeEditView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemoveView.hpp"

namespace e2e
{
namespace
{
// The road through the scheme's removal, and the scheme it ends on.
struct RemovalRoad : Road
{
    uint8_t schemeAtEnd = 0;
};

RemovalRoad headlessRoad()
{
    RemovalRoad road;
    test::AppTestBed shell;
    if (!toScheme(shell, road)) {
        return road;
    }
    WizzardSystemSchemeMainView* scheme = shell.screen<WizzardSystemSchemeMainView>();
    if (!scheme->getBottomBar().getButton(WizzardSystemSchemeMainView::EDIT_BUTTON).isTouchable()) {
        road.stoppedAt = "scheme without \"Edit\"";
        return road;
    }
    step(shell, road, bottomButton(*scheme, WizzardSystemSchemeMainView::EDIT_BUTTON));
    WizzardSystemSchemeEditView* edit = shell.screen<WizzardSystemSchemeEditView>();
    if (edit == nullptr || !edit->getContent().contains(edit->getRemoveButton())) {
        road.stoppedAt = "edit choice without \"Remove components\"";
        return road;
    }
    step(shell, road, centreOf(edit->getRemoveButton()));
    WizzardSystemSchemeRemoveView* remove = shell.screen<WizzardSystemSchemeRemoveView>();
    if (remove == nullptr || !remove->getScheme().contains(remove->getScheme().getRemoveCircuitButton())) {
        road.stoppedAt = "remove screen without circuit 1's mark";
        return road;
    }
    step(shell, road, centreOf(remove->getScheme().getRemoveCircuitButton()));
    step(shell, road, bottomButton(*remove, WizzardSystemSchemeRemoveView::OK_BUTTON));
    edit = shell.screen<WizzardSystemSchemeEditView>();
    if (edit == nullptr) {
        road.stoppedAt = "edit choice after OK";
        return road;
    }
    step(shell, road, bottomButton(*edit, GenericView::BACK_BUTTON));
    scheme = shell.screen<WizzardSystemSchemeMainView>();
    if (scheme == nullptr) {
        road.stoppedAt = "scheme after back";
        return road;
    }
    road.schemeAtEnd = scheme->getScheme().getScheme();
    return road;
}
} // namespace

// From the home screen into the wizard, on to the scheme, and circuit 1 removed through the
// edit choice: each screenshot is what the headless application draws after the same touch,
// the top bar (with the start step's clock) aside.
TEST_F(RoadWindow, SchemeStepRemovesTheFirstCircuit)
{
    const RemovalRoad road = headlessRoad();
    if (!road.stoppedAt.empty()) {
        GTEST_SKIP() << "the headless road stops at the " << road.stoppedAt;
    }
    ASSERT_EQ(road.schemeAtEnd, 4) << "the headless road did not end on scheme 4";

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    walk(road, "scheme");
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
