#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/QuestionPopup.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemoveView.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

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

// The yes button of the question the frame shows now, if any.
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

// The road from the home screen to the scheme and through its removal, drawn headlessly: the
// touches and, after each, the picture the window must show. Empty when it did not get through.
struct Road
{
    std::vector<Touch> touches;
    std::vector<Picture> pictures;
    // Per picture, an area left out: what moves on its own in the window.
    std::vector<quillon::Rectangle> unsteady;
    std::string stoppedAt;
    uint8_t schemeAtEnd = 0;
};

void step(test::AppTestBed& shell, Road& road, const Touch& touch)
{
    shell.bed.click(int16_t(touch.x), int16_t(touch.y));
    shell.bed.ticks(touch.ticks);
    road.touches.push_back(touch);
    road.pictures.push_back(pictureOf(shell));
    road.unsteady.push_back(quillon::Rectangle());
}

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
    // The popup's rounded corner over the touched button blends differently in the window.
    road.unsteady.back() = quillon::Rectangle(768, 430, 12, 12);
    for (int answer = 0; answer < 3; ++answer) {
        Touch yes;
        if (!yesOf(shell.screen<GenericView>(), yes)) {
            road.stoppedAt = "question " + std::to_string(answer + 1);
            return false;
        }
        step(shell, road, yes);
    }
    if (WizzardDetectedDevicesView* detection = shell.screen<WizzardDetectedDevicesView>()) {
        road.unsteady.back() = detection->getFeedbackMode().getBusyIcon().getAbsoluteRect(); // it turns
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

Road headlessRoad()
{
    Road road;
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
TEST_F(SimulatorWindow, SchemeStepRemovesTheFirstCircuit)
{
    const Road road = headlessRoad();
    if (!road.stoppedAt.empty()) {
        GTEST_SKIP() << "the headless road stops at the " << road.stoppedAt;
    }
    ASSERT_EQ(road.schemeAtEnd, 4) << "the headless road did not end on scheme 4";
    const quillon::Rectangle topBar(0, 0, SCREEN_WIDTH, GenericView::TOP_BAR_HEIGHT);

    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    for (size_t i = 0; i < road.touches.size(); ++i) {
        click(road.touches[i].x, road.touches[i].y, road.touches[i].settle);
        char name[16];
        std::snprintf(name, sizeof(name), "img%02u.bmp", unsigned(i));
        Picture shot;
        ASSERT_TRUE(screenshot(name, shot)) << "no readable screenshots/" << name;
        EXPECT_EQ(differingPixels(shot, road.pictures[i], topBar, false) -
                      differingPixels(shot, road.pictures[i], road.unsteady[i], true),
                  0)
            << name << " is not the headless drawing";
    }
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
