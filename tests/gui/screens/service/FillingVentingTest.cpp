#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/popups/QuestionPopup.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/service/FillingView.hpp"
#include "gui/screens/service/VentingView.hpp"
#include "gui/screens/service/TestOperationView.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
constexpr uint32_t PROGRAMME = 227; // 0x572F
constexpr uint32_t RELEASE = 354;   // 0x88DE
constexpr uint16_t PROGRAMME_ADDRESS = 0x572F;

using FillingNotice = ProgrammeView<FillingPresenter>;
using VentingNotice = ProgrammeView<VentingPresenter>;

// One of the two screens: its page, its programme code and its question.
struct Programme
{
    const char* name;
    pagemanager::Page Pages::*page;
    uint8_t code;
    std::u16string question;
    std::u16string request;
};

const Programme FILLING = {"filling", &Pages::fillingPage, 2, u"Should the filling be performed?",
                           u"Please perform filling."};
const Programme VENTING = {"venting", &Pages::ventingPage, 1, u"Should the venting be performed?",
                           u"Please perform venting."};

class FillingVenting : public ::testing::Test, public screens::WizardBed
{
protected:
    FillingVenting() { app.bed.frame().setCounting(false); }

    // Home, the main menu, then the screen: outside the wizard, one page behind it.
    void openFromTheMenu(const Programme& programme)
    {
        app.pageManager().reset();
        app.open(app.pages().mainPage, true);
        app.open(app.pages().mainMenuPage);
        forgetWrites();
        app.open(app.pages().*programme.page);
        app.bed.ticks(1);
    }

    GenericView* shown() { return dynamic_cast<GenericView*>(app.app.getCurrentScreen()); }
    // The filling or venting notice on display, whichever it is.
    struct Notice
    {
        const quillon::Image* icon = nullptr;
        std::u16string heading, request, end;
    };
    template <class V>
    static Notice noticeOf(const V& view)
    {
        return {&view.getIcon(), screens::str(view.getHeading().getText()), screens::str(view.getRequestLine().getText()),
                screens::str(view.getEndLine().getText())};
    }
    Notice notice()
    {
        if (FillingView* filling = app.screen<FillingView>()) {
            return noticeOf(*filling);
        }
        VentingView* venting = app.screen<VentingView>();
        return venting != nullptr ? noticeOf(*venting) : Notice{};
    }
    const quillon::Image* noticeIcon() { return notice().icon; }
    const QuestionPopup* question()
    {
        GenericView* view = shown();
        const PopupContainer* container = view != nullptr ? view->getPopupContainer() : nullptr;
        return container != nullptr ? dynamic_cast<const QuestionPopup*>(container->getCurrentPopup()) : nullptr;
    }
    void answer(bool yes)
    {
        const QuestionPopup* popup = question();
        ASSERT_NE(popup, nullptr);
        clickOn(yes ? popup->getYesButton() : popup->getNoButton());
    }
    void press(uint8_t button)
    {
        GenericView* view = shown();
        ASSERT_NE(view, nullptr);
        clickBottomButton(view->getBottomBar(), button);
    }
    quillon::BitmapId icon(uint8_t button) { return shown()->getBottomBar().getButton(button).getIcon().getId(); }
    std::vector<screens::DeviceWrite> programmeWrites()
    {
        std::vector<screens::DeviceWrite> found;
        for (const screens::DeviceWrite& write : writes()) {
            if (write.address == PROGRAMME_ADDRESS) {
                found.push_back(write);
            }
        }
        return found;
    }
};

TEST_F(FillingVenting, ANotReleasedProgrammeGoesBackExactlyOnePageWithoutAskingOrWriting)
{
    for (const Programme* programme : {&FILLING, &VENTING}) {
        SCOPED_TRACE(programme->name);
        app.bed.deviceSends(RELEASE, uint8_t{1});
        openFromTheMenu(*programme);
        app.bed.ticks(3);
        EXPECT_NE(app.screen<MenuView>(), nullptr);
        EXPECT_TRUE(writes().empty());
        EXPECT_FALSE(popups().isActive(ProgrammeView<FillingPresenter>::QUESTION_POPUP));
        app.bed.deviceSends(RELEASE, uint8_t{0});
    }
}

TEST_F(FillingVenting, YesStartsTheProgrammeAndItsNoticeStaysUntilTheDeviceReportsTheEnd)
{
    for (const Programme* programme : {&FILLING, &VENTING}) {
        SCOPED_TRACE(programme->name);
        openFromTheMenu(*programme);
        ASSERT_NE(question(), nullptr);
        EXPECT_EQ(screens::str(question()->getMessage().getText()), programme->question);
        EXPECT_TRUE(writes().empty());

        answer(true);
        EXPECT_EQ(programmeWrites(), (std::vector<screens::DeviceWrite>{{PROGRAMME_ADDRESS, programme->code}}));
        EXPECT_EQ(question(), nullptr);
        const Notice shownNotice = notice();
        const quillon::Image* wrench = shownNotice.icon;
        ASSERT_NE(wrench, nullptr);
        EXPECT_EQ(wrench->getBitmap().getId(), +FillingNotice::ICON);
        EXPECT_EQ(wrench->getAbsoluteRect().y, GenericView::TOP_BAR_HEIGHT + FillingNotice::ICON_Y);
        EXPECT_EQ(wrench->getAbsoluteRect().x, 400 - wrench->getWidth() / 2);
        EXPECT_EQ(shownNotice.heading, u"Service");
        EXPECT_EQ(shownNotice.request, programme->request);
        EXPECT_EQ(shownNotice.end, u"Confirm end with OK");
        EXPECT_EQ(icon(GenericView::HELP_BUTTON), +GenericView::HELP_ICON);
        EXPECT_EQ(icon(FillingNotice::OK_BUTTON), +FillingNotice::OK_ICON);
        EXPECT_NE(icon(GenericView::HOME_BUTTON), quillon::BITMAP_NONE); // outside the wizard

        // The device's own end, after its 20 minutes.
        app.bed.deviceSeconds(DeviceModel::PROGRAMME_LIMIT_SECONDS - 1);
        app.bed.ticks(2);
        EXPECT_EQ(noticeIcon(), wrench);
        app.bed.deviceSeconds(1);
        app.bed.ticks(2);
        EXPECT_NE(app.screen<MenuView>(), nullptr);
    }
}

// OK, home and back only stop: the screen goes when the device reports the end, one page back.
TEST_F(FillingVenting, ButtonsOnlyStopAndAProgrammeFoundRunningNeedsNoQuestion)
{
    for (const Programme* programme : {&FILLING, &VENTING}) {
        for (uint8_t button : {FillingNotice::OK_BUTTON, GenericView::HOME_BUTTON, GenericView::BACK_BUTTON}) {
            SCOPED_TRACE(std::string(programme->name) + " button " + std::to_string(button));
            app.bed.deviceSends(PROGRAMME, programme->code);
            openFromTheMenu(*programme);
            EXPECT_EQ(question(), nullptr);
            EXPECT_FALSE(popups().isActive(FillingNotice::QUESTION_POPUP));
            app.bed.ticks(5);
            ASSERT_NE(noticeIcon(), nullptr);
            EXPECT_TRUE(writes().empty());
            press(button);
            EXPECT_EQ(programmeWrites(), (std::vector<screens::DeviceWrite>{{PROGRAMME_ADDRESS, 0}}));
            EXPECT_NE(app.screen<MenuView>(), nullptr); // neither home nor two pages back
        }
    }
}

TEST_F(FillingVenting, OkBeforeTheAnswerOnlyStopsAndAStartReadBackAsZeroIsAnEnd)
{
    openFromTheMenu(FILLING);
    ASSERT_NE(question(), nullptr);
    // The screen's own OK, as when the question is stacked but not on display: the frame's
    // overlay would otherwise take the touch.
    shown()->getPopupContainer()->setEnabled(false);
    shown()->getPopupContainer()->update();
    press(FillingNotice::OK_BUTTON);
    EXPECT_EQ(writes(), (std::vector<screens::DeviceWrite>{{PROGRAMME_ADDRESS, 0}}));
    EXPECT_NE(app.screen<FillingView>(), nullptr);
    EXPECT_TRUE(popups().isActive(FillingNotice::QUESTION_POPUP));

    openFromTheMenu(FILLING);
    answer(true);
    ASSERT_NE(app.screen<FillingView>(), nullptr);
    app.bed.deviceSends(PROGRAMME, uint8_t{0}); // refused
    app.bed.ticks(2);
    EXPECT_NE(app.screen<MenuView>(), nullptr);
}

TEST_F(FillingVenting, TheProgrammePointStaysOnItsFastPollAfterTheScreen)
{
    static std::vector<uint16_t> reads;
    reads.clear();
    test::ScreenTestBed bed;
    bed.show<FillingView, FillingPresenter>();
    bed.ticks(1);
    bed.show<TestOperationView, TestOperationPresenter>(); // the screen has gone
    bed.show<TestOperationView, TestOperationPresenter>(); // and the next one too
    auto log = [](uint16_t address) {
        reads.push_back(address);
        return 1;
    };
    dptSetSenders({[](uint16_t, const void*, uint32_t) { return 1; }, log, log});
    dptPollTimerCallback(nullptr); // what was due at once
    reads.clear();
    for (int second = 0; second < 30; ++second) {
        dptPollTimerCallback(nullptr);
    }
    EXPECT_GE(std::count(reads.begin(), reads.end(), PROGRAMME_ADDRESS), 2); // every 10 s
    EXPECT_EQ(std::count(reads.begin(), reads.end(), uint16_t{0x88DE}), 0); // back to 180 s
}

TEST_F(FillingVenting, InTheWizardFillingLeadsOnToVentingAndVentingBackToTheStartStep)
{
    ASSERT_NE(enterWizard(), nullptr);
    const uint32_t maskBefore = mask();
    touch(*app.screen<WizzardInitView>(), WizzardInitView::FILLING);
    ASSERT_NE(app.screen<FillingView>(), nullptr);
    EXPECT_EQ(icon(GenericView::HOME_BUTTON), quillon::BITMAP_NONE);
    EXPECT_EQ(icon(GenericView::BACK_BUTTON), +GenericView::BACK_ICON);
    answer(true);
    press(FillingNotice::OK_BUTTON);
    app.bed.ticks(1);
    ASSERT_NE(app.screen<VentingView>(), nullptr);
    EXPECT_EQ(app.pageManager().getHistorySize(), 2u); // the start step, filling
    EXPECT_EQ(icon(GenericView::HOME_BUTTON), quillon::BITMAP_NONE);
    answer(true);
    EXPECT_EQ(programmeWrites().back(), (screens::DeviceWrite{PROGRAMME_ADDRESS, 1}));
    app.bed.deviceSeconds(DeviceModel::PROGRAMME_LIMIT_SECONDS);
    app.bed.ticks(3);
    ASSERT_NE(app.screen<WizzardInitView>(), nullptr);
    EXPECT_EQ(mask(), maskBefore | WizzardInitView::FILLING_BIT | VentingView::VENTING_BIT);
}

// How each end of the sequence comes back to the start step, and whether venting was recorded.
TEST_F(FillingVenting, EveryOtherEndInTheWizardReturnsToTheStartStep)
{
    struct Road
    {
        const char* name;
        bool fillingYes;
        uint8_t fillingEnd; // the button that ends filling
        bool ventingYes;
        uint8_t ventingEnd;
        bool ventingShown;
        bool ventingRecorded;
    };
    const uint8_t BACK = GenericView::BACK_BUTTON;
    const uint8_t OK = FillingNotice::OK_BUTTON;
    const Road roads[] = {
        {"filling ended by back", true, BACK, false, 0, false, false},
        {"no to filling", false, 0, false, 0, false, false},
        {"no to venting", true, OK, false, 0, true, false},
        {"venting ended by back", true, OK, true, BACK, true, true},
        {"venting ended by OK", true, OK, true, OK, true, true},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        ASSERT_NE(enterWizard(), nullptr);
        touch(*app.screen<WizzardInitView>(), WizzardInitView::FILLING);
        ASSERT_NE(app.screen<FillingView>(), nullptr);
        answer(road.fillingYes);
        if (road.fillingYes) {
            press(road.fillingEnd);
            app.bed.ticks(1);
        }
        EXPECT_EQ(app.screen<VentingView>() != nullptr, road.ventingShown);
        if (road.ventingShown) {
            answer(road.ventingYes);
            if (road.ventingYes) {
                press(road.ventingEnd);
            }
            app.bed.ticks(1);
        }
        ASSERT_NE(app.screen<WizzardInitView>(), nullptr);
        EXPECT_EQ((mask() & VentingView::VENTING_BIT) != 0, road.ventingRecorded);
        EXPECT_EQ(app.pageManager().getHistorySize(), 0u);
    }
}
} // namespace
