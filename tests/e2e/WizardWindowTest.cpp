#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/popups/QuestionPopup.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportResultView.hpp"
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

// Outside the clock's line, and outside the popup panel's bottom-right rounding over the touched
// "Continue", which the window blends once more than a full drawing does.
int questionDifferences(const Picture& shot, const Picture& drawn, const quillon::Rectangle& dateLine)
{
    const quillon::Rectangle corner(768, 430, 12, 12);
    return differingPixels(shot, drawn, dateLine, false) - differingPixels(shot, drawn, corner, true);
}

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
    Point continueButton{};
    Point securityYes{};
    Point settingsNo{};
    Point resultsTile{};
    Point backButton{};
    Point finishButton{};
    Picture securityWarning;
    Picture settingsQuestion;
    Picture report;
    Picture results;
    Picture home;
};

// The answer button of the question the frame shows now; none when it shows no question.
Point answerOf(const GenericView& view, bool yes)
{
    const PopupContainer* container = view.getPopupContainer();
    const QuestionPopup* question =
        container != nullptr ? static_cast<const QuestionPopup*>(container->getCurrentPopup()) : nullptr;
    if (question == nullptr) {
        return Point{};
    }
    return centreOf(yes ? question->getYesButton() : question->getNoButton());
}

void touch(test::AppTestBed& shell, Point at, uint32_t ticks)
{
    shell.bed.click(int16_t(at.x), int16_t(at.y));
    shell.bed.ticks(ticks);
}

// The screen the road must be on now, drawn into the picture; null when it is not there.
template <class V>
V* reached(test::AppTestBed& shell, Picture& picture)
{
    V* view = shell.screen<V>();
    EXPECT_NE(view, nullptr);
    if (view != nullptr) {
        picture = pictureOf(shell);
    }
    return view;
}

// From the start step on: the two questions, the report, its results and back, "Finish".
void headlessReport(test::AppTestBed& shell, WizzardInitView& start, Road& road)
{
    road.continueButton = centreOf(start.getBottomBar().getButton(WizzardInitView::CONTINUE_BUTTON));
    touch(shell, road.continueButton, 2);
    road.securityWarning = pictureOf(shell);
    road.securityYes = answerOf(start, true);
    touch(shell, road.securityYes, 2);
    road.settingsQuestion = pictureOf(shell);
    road.settingsNo = answerOf(start, false);
    touch(shell, road.settingsNo, 3);
    WizardReportMenuView* report = reached<WizardReportMenuView>(shell, road.report);
    if (report == nullptr) {
        return;
    }
    road.resultsTile = centreOf(report->getTile(0));
    touch(shell, road.resultsTile, 3);
    WizardReportResultView* results = reached<WizardReportResultView>(shell, road.results);
    if (results == nullptr) {
        return;
    }
    road.backButton = centreOf(results->getBottomBar().getButton(GenericView::BACK_BUTTON));
    touch(shell, road.backButton, 3);
    Picture reportAgain;
    report = reached<WizardReportMenuView>(shell, reportAgain);
    if (report == nullptr) {
        return;
    }
    road.finishButton = centreOf(report->getBottomBar().getButton(WizardReportMenuView::FINISH_BUTTON));
    touch(shell, road.finishButton, 3);
    reached<MainView>(shell, road.home);
}

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
        headlessReport(shell, *start, road);
    }
    return road;
}
} // namespace

// From the home screen: Menu, "Start-up", OK; the splash runs again and the wizard's first
// step follows; its questions lead to the report, whose "Finish" goes home. The clock's line
// aside, each screen is what the headless application draws.
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

    // "Continue", "Yes", "No": the report; "Results", back, "Finish": home.
    ASSERT_EQ(road.home.width, SCREEN_WIDTH) << "the headless road did not reach home after Finish";
    ASSERT_GT(road.settingsNo.x, 0) << "no \"No\" on the additional-settings question";
    click(road.continueButton.x, road.continueButton.y);
    Picture warning;
    ASSERT_TRUE(screenshot("img02.bmp", warning)) << "no readable screenshots/img02.bmp";
    EXPECT_EQ(questionDifferences(warning, road.securityWarning, road.dateLine), 0)
        << "img02.bmp is not the security warning over the start step";
    click(road.securityYes.x, road.securityYes.y);
    Picture question;
    ASSERT_TRUE(screenshot("img03.bmp", question)) << "no readable screenshots/img03.bmp";
    EXPECT_EQ(questionDifferences(question, road.settingsQuestion, road.dateLine), 0)
        << "img03.bmp is not the additional-settings question";
    click(road.settingsNo.x, road.settingsNo.y);
    Picture report;
    ASSERT_TRUE(screenshot("img04.bmp", report)) << "no readable screenshots/img04.bmp";
    EXPECT_EQ(differingPixels(report, road.report, everything, true), 0) << "img04.bmp is not the report menu";
    click(road.resultsTile.x, road.resultsTile.y);
    Picture results;
    ASSERT_TRUE(screenshot("img05.bmp", results)) << "no readable screenshots/img05.bmp";
    EXPECT_EQ(differingPixels(results, road.results, everything, true), 0) << "img05.bmp is not the results";
    click(road.backButton.x, road.backButton.y);
    Picture reportAgain;
    ASSERT_TRUE(screenshot("img06.bmp", reportAgain)) << "no readable screenshots/img06.bmp";
    EXPECT_EQ(differingPixels(reportAgain, road.report, everything, true), 0)
        << "img06.bmp: back did not return to the report menu";
    click(road.finishButton.x, road.finishButton.y);
    Picture home;
    ASSERT_TRUE(screenshot("img07.bmp", home)) << "no readable screenshots/img07.bmp";
    // The top bar holds the clock, which may have turned a minute since the headless drawing.
    const quillon::Rectangle topBar(0, 0, SCREEN_WIDTH, GenericView::TOP_BAR_HEIGHT);
    EXPECT_EQ(differingPixels(home, road.home, topBar, false), 0) << "img07.bmp is not the home screen";
    EXPECT_GT(drawnPixels(home, topBar), 0) << "img07.bmp has no top bar";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
