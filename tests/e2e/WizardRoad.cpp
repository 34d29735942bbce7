#include "e2e/WizardRoad.hpp"

#include "e2e/ScreenWalk.hpp"

#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/QuestionPopup.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"

#include "../guicontrols/Gallery.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <cstdio>

namespace e2e
{
Touch centreOf(const quillon::Drawable& widget, uint32_t ticks, int settle)
{
    const quillon::Rectangle r = widget.getAbsoluteRect();
    return {r.x + r.width / 2, r.y + r.height / 2, ticks, settle};
}

Touch bottomButton(const GenericView& view, uint8_t index)
{
    return centreOf(view.getBottomBar().getButton(index));
}

bool answerOf(const GenericView* view, bool yes, Touch& touch)
{
    const PopupContainer* container = view != nullptr ? view->getPopupContainer() : nullptr;
    const QuestionPopup* question =
        container != nullptr ? static_cast<const QuestionPopup*>(container->getCurrentPopup()) : nullptr;
    if (question == nullptr) {
        return false;
    }
    touch = centreOf(yes ? question->getYesButton() : question->getNoButton());
    return true;
}

void step(test::AppTestBed& shell, Road& road, const Touch& touch)
{
    shell.bed.click(int16_t(touch.x), int16_t(touch.y));
    shell.bed.ticks(touch.ticks);
    road.touches.push_back(touch);
    road.pictures.push_back(pictureOf(shell));
    road.unsteady.push_back(quillon::Rectangle());
}

bool toWizard(test::AppTestBed& shell, Road& road)
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
    // Its date and time line shows the minute, which may turn before the window gets there.
    road.unsteady.back() = start->getItem(WizzardInitView::DATE_AND_TIME).getAbsoluteRect();
    step(shell, road, bottomButton(*start, WizzardInitView::CONTINUE_BUTTON));
    // The popup's rounded corner over the touched button blends differently in the window.
    road.unsteady.back() = quillon::Rectangle(768, 430, 12, 12);
    return true;
}

bool toScheme(test::AppTestBed& shell, Road& road)
{
    if (!toWizard(shell, road)) {
        return false;
    }
    for (int answer = 0; answer < 3; ++answer) {
        Touch yes;
        if (!answerOf(shell.screen<GenericView>(), true, yes)) {
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

void RoadWindow::walk(const Road& road, const std::string& name)
{
    const quillon::Rectangle topBar(0, 0, SCREEN_WIDTH, GenericView::TOP_BAR_HEIGHT);
    for (size_t i = 0; i < road.touches.size(); ++i) {
        click(road.touches[i].x, road.touches[i].y, road.touches[i].settle);
        char file[16];
        std::snprintf(file, sizeof(file), "img%02u.bmp", unsigned(i));
        Picture shot;
        ASSERT_TRUE(screenshot(file, shot)) << "no readable screenshots/" << file;
        const std::vector<quillon::Color> pixels(shot.pixels.begin(), shot.pixels.end());
        EXPECT_TRUE(guicontrols::test::writeGalleryPng("e2e/" + name + "-" + std::string(file + 3, 2), shot.width,
                                                       shot.height, pixels));
        EXPECT_EQ(differingPixels(shot, road.pictures[i], topBar, false) -
                      differingPixels(shot, road.pictures[i], road.unsteady[i], true),
                  0)
            << file << " is not the headless drawing: "
            << differences(shot, road.pictures[i],
                           quillon::Rectangle(0, GenericView::TOP_BAR_HEIGHT, SCREEN_WIDTH,
                                              SCREEN_HEIGHT - GenericView::TOP_BAR_HEIGHT));
    }
}
} // namespace e2e
