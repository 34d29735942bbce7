#include "gui/screens/settings/LanDriving.hpp"

#include "gui/screens/service/LanCardRescueUpdateView.hpp"

using namespace lan_test;

namespace
{
const std::uint32_t UPDATE_STATE = 650;

class RescueUpdate : public ::testing::Test
{
protected:
    RescueUpdate()
    {
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        app.open(app.pages().mainPage, true);
        app.bed.deviceSends(UPDATE_STATE, std::uint8_t{0});
        app.open(app.pages().lanRescueUpdatePage);
        view = app.screen<LanCardRescueUpdateView>();
    }

    void answerYes()
    {
        press(app, 5);
        app.bed.ticks(1);
    }

    test::AppTestBed app;
    LinkLog log;
    LanCardRescueUpdateView* view = nullptr;
};
} // namespace

TEST_F(RescueUpdate, AsksFirstAndNoGoesBack)
{
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getViewMode(), &view->getConfirmMode());
    EXPECT_EQ(shown(view->getConfirmMode().getQuestionField().getText()), textOf(1586));
    press(app, 1);
    app.bed.ticks(1);
    EXPECT_EQ(currentPageId(app), 51);
    EXPECT_TRUE(LinkLog::writes().empty());
}

TEST_F(RescueUpdate, AModuleLeftAtZeroEndsInTheFailureAfter10And30Seconds)
{
    ASSERT_NE(view, nullptr);
    answerYes();
    ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0xD0DA});
    EXPECT_EQ(LinkLog::writes()[0].bytes, std::vector<std::uint8_t>{1});
    EXPECT_EQ(view->getState(), LanCardRescueUpdateView::STARTING);
    EXPECT_EQ(shown(view->getMessage().getText()), textOf(1587));
    EXPECT_FALSE(view->getBottomBar().getButton(5).isTouchable());
    EXPECT_FALSE(view->getBottomBar().getButton(1).isTouchable());
    app.bed.ticks(130); // a 2-s poll reads the state and the version
    EXPECT_GE(LinkLog::readsOf(0xD0DA), 1u);
    EXPECT_GE(LinkLog::readsOf(0xD084), 1u);
    app.bed.ticks(625 - 130 - 1);
    app.bed.deviceSends(UPDATE_STATE, std::uint8_t{0});
    app.bed.ticks(2);
    EXPECT_EQ(view->getState(), LanCardRescueUpdateView::UPDATING);
    EXPECT_EQ(shown(view->getMessage().getText()), textOf(1588));
    app.bed.ticks(1876);
    EXPECT_EQ(view->getState(), LanCardRescueUpdateView::UNCHANGED);
    EXPECT_EQ(shown(view->getMessage().getText()), textOf(1590));
    EXPECT_EQ(LinkLog::writes().back().bytes, std::vector<std::uint8_t>{0});
    ASSERT_TRUE(view->getBottomBar().getButton(5).isTouchable());
    press(app, 5);
    app.bed.ticks(1);
    EXPECT_EQ(currentPageId(app), 51);
}

TEST_F(RescueUpdate, UpToDateAndFailedAreActedOnAtTheNextRefresh)
{
    struct Case
    {
        std::uint8_t reported;
        std::uint32_t state;
        quillon::TextId message;
    };
    const Case cases[] = {{254, LanCardRescueUpdateView::UP_TO_DATE, 1591}, {255, LanCardRescueUpdateView::FAILED, 1590}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reported);
        app.bed.deviceSends(UPDATE_STATE, std::uint8_t{0});
        app.open(app.pages().lanRescueUpdatePage);
        view = app.screen<LanCardRescueUpdateView>();
        ASSERT_NE(view, nullptr);
        answerYes();
        LinkLog::writes().clear();
        app.bed.deviceSends(UPDATE_STATE, c.reported);
        app.bed.ticks(2);
        EXPECT_EQ(view->getState(), c.state);
        EXPECT_EQ(shown(view->getMessage().getText()), textOf(c.message));
        ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0xD0DA});
        EXPECT_EQ(LinkLog::writes().back().bytes, std::vector<std::uint8_t>{0});
        EXPECT_TRUE(view->getBottomBar().getButton(5).isTouchable());
        press(app, 5);
        app.bed.ticks(1);
        EXPECT_EQ(currentPageId(app), 51);
    }
}

// A module that takes the start but still reports a running download 240 s later has failed.
TEST_F(RescueUpdate, ADownloadStillRunningAfter240SecondsFails)
{
    ASSERT_NE(view, nullptr);
    answerYes();
    app.bed.deviceSends(UPDATE_STATE, std::uint8_t{7});
    int frames = 0;
    while (view->getState() == LanCardRescueUpdateView::STARTING && frames < 700) {
        app.bed.ticks(1);
        ++frames;
    }
    ASSERT_EQ(view->getState(), LanCardRescueUpdateView::DOWNLOADING);
    EXPECT_EQ(shown(view->getMessage().getText()), textOf(1587));
    LinkLog::writes().clear();
    // 240 000 ms at 16 ms a frame; the frame that restarted the timer counts as its first.
    app.bed.ticks(14999);
    EXPECT_EQ(view->getState(), LanCardRescueUpdateView::DOWNLOADING);
    app.bed.ticks(1);
    EXPECT_EQ(view->getState(), LanCardRescueUpdateView::FAILED);
    EXPECT_EQ(shown(view->getMessage().getText()), textOf(1590));
    ASSERT_EQ(LinkLog::writtenAddresses(), std::vector<std::uint16_t>{0xD0DA});
    EXPECT_EQ(LinkLog::writes().back().bytes, std::vector<std::uint8_t>{0});
}

TEST_F(RescueUpdate, AChangedFirmwareAfterTheUpdateGoesBackAtOnce)
{
    ASSERT_NE(view, nullptr);
    answerYes();
    app.bed.deviceSends(UPDATE_STATE, std::uint8_t{0}); // the module never takes the start
    app.bed.ticks(627); // left at 0: download counted as finished
    ASSERT_EQ(view->getState(), LanCardRescueUpdateView::UPDATING);
    app.bed.deviceSends(644, std::uint32_t{0x52010203});
    app.bed.ticks(1876);
    EXPECT_EQ(currentPageId(app), 51);
}
