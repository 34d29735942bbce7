#include "gui/screens/heating/HeatingHolidayProgramView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "support/TextReading.hpp"

#include <gtest/gtest.h>

namespace
{
using quillon::test::text;

const std::uint16_t START_ADDRESS = 0x2309;
const std::uint16_t END_ADDRESS = 0x2311;

// The panel clock of the test: 5 March 2025, 10:30.
helpers::DateTime& testNow()
{
    static helpers::DateTime now(2025, 3, 5, 10, 30, 0);
    return now;
}
bool readClock(helpers::DateTime& value)
{
    value = testNow();
    return true;
}
bool writeClock(const helpers::DateTime&) { return true; }
uint32_t noError() { return 0; }
bool unchanged() { return false; }

date_time record(std::initializer_list<std::uint8_t> bytes)
{
    date_time r{};
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<std::uint8_t*>(&r));
    return r;
}

class HolidayScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.bed.model().getTimeManager().useClock(model::TimeManager::Clock{&readClock, &writeClock, &noError, &unchanged});
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
    }
    void TearDown() override { app.bed.model().getTimeManager().useClock(model::TimeManager::boardClock()); }

    HeatingHolidayProgramView& open()
    {
        app.open(app.pages().mainMenuPage);
        app.open(app.pages().heatingHolidayProgramPage);
        app.bed.ticks(1);
        HeatingHolidayProgramView* view = app.screen<HeatingHolidayProgramView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    const guicontrols::HolidayProgramEdit& departure(HeatingHolidayProgramView& v) { return v.getEditor().getDepartureEditor(); }
    const guicontrols::HolidayProgramEdit& back(HeatingHolidayProgramView& v) { return v.getEditor().getReturnEditor(); }
    // The confirm button as the bar reports it; the screen is still there to be read until
    // the next frame changes the page.
    void confirm(HeatingHolidayProgramView& v) { v.onBottomBarButton(HeatingHolidayProgramView::CONFIRM_BUTTON); }

    test::AppTestBed app;
    test::WriteLog log;
};

const std::vector<std::uint8_t> DELETED = {0x19, 0x70, 0x01, 0x01, 0x04, 0x00, 0x00, 0x00};

TEST_F(HolidayScreen, NothingStoredShowsTodayAndConfirmDeletes)
{
    const date_time none[] = {record({0x19, 0x70, 0x01, 0x01, 0x04, 0, 0, 0}), record({0, 0, 0, 0, 0, 0, 0, 0})};
    for (const date_time& stored : none) {
        app.bed.deviceSends(79, stored);
        app.bed.deviceSends(80, stored);
        HeatingHolidayProgramView& view = open();
        EXPECT_EQ(text(departure(view).getDateText()), u"05.03.2025");
        EXPECT_EQ(text(back(view).getDateText()), u"05.03.2025");
        log.writes().clear();
        confirm(view);
        ASSERT_EQ(log.writes().size(), 2u);
        EXPECT_EQ(log.writes()[0].address, START_ADDRESS);
        EXPECT_EQ(log.writes()[0].bytes, DELETED);
        EXPECT_EQ(log.writes()[1].address, END_ADDRESS);
        EXPECT_EQ(log.writes()[1].bytes, DELETED);
        EXPECT_EQ(text(view.getMessage()), u"Holiday program has been deleted");
        app.bed.ticks(2);
    }
}

TEST_F(HolidayScreen, ConfirmWritesTheEndOfTheDepartureDayAndTheStartOfTheReturnDay)
{
    app.bed.deviceSends(79, record({0x20, 0x25, 0x03, 0x10, 0x01, 0x23, 0x59, 0x59}));
    app.bed.deviceSends(80, record({0x20, 0x25, 0x03, 0x17, 0x01, 0x00, 0x00, 0x00}));
    HeatingHolidayProgramView& view = open();
    EXPECT_EQ(text(departure(view).getDateText()), u"10.03.2025");
    EXPECT_EQ(text(back(view).getDateText()), u"17.03.2025");
    log.writes().clear();
    confirm(view);
    ASSERT_EQ(log.writes().size(), 2u);
    EXPECT_EQ(log.writes()[0].bytes, (std::vector<std::uint8_t>{0x20, 0x25, 0x03, 0x10, 0x01, 0x23, 0x59, 0x59}));
    EXPECT_EQ(log.writes()[1].bytes, (std::vector<std::uint8_t>{0x20, 0x25, 0x03, 0x17, 0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(text(view.getMessage()), u"10.03.2025 to 17.03.2025 adopted");
}

TEST_F(HolidayScreen, DatesSteppedFromTodayAreWrittenAsTheEndAndTheStartOfTheirDays)
{
    app.bed.deviceSends(79, record({0, 0, 0, 0, 0, 0, 0, 0}));
    app.bed.deviceSends(80, record({0, 0, 0, 0, 0, 0, 0, 0}));
    HeatingHolidayProgramView& view = open(); // today is 5 March, 10:30
    for (int day = 0; day < 5; ++day) {
        test::tap(app, departure(view).getUpButton());
    }
    for (int day = 0; day < 7; ++day) {
        test::tap(app, back(view).getUpButton());
    }
    log.writes().clear();
    test::tap(app, view.getBottomBar().getButton(HeatingHolidayProgramView::CONFIRM_BUTTON));
    ASSERT_EQ(log.writes().size(), 2u);
    EXPECT_EQ(log.writes()[0].address, START_ADDRESS);
    EXPECT_EQ(log.writes()[0].bytes, (std::vector<std::uint8_t>{0x20, 0x25, 0x03, 0x10, 0x01, 0x23, 0x59, 0x59}));
    EXPECT_EQ(log.writes()[1].address, END_ADDRESS);
    EXPECT_EQ(log.writes()[1].bytes, (std::vector<std::uint8_t>{0x20, 0x25, 0x03, 0x17, 0x01, 0x00, 0x00, 0x00}));
    // The user reads the dates in the feedback, which goes back when it closes.
    ASSERT_EQ(app.screen<HeatingHolidayProgramView>(), &view);
    ASSERT_EQ(view.getViewMode(), &view.getFeedbackMode());
    EXPECT_EQ(text(view.getFeedbackMode().getMessageField().getText()), u"10.03.2025 to 17.03.2025 adopted");
    app.bed.ticks(FeedbackViewMode::DEFAULT_TIMEOUT_MS / FeedbackViewMode::FRAME_MS + 2);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainMenuPage);
}

TEST_F(HolidayScreen, CircuitFromTheParameterOrCircuitZero)
{
    struct Case { std::uint16_t circuit; std::uint16_t offset; };
    for (const Case& c : {Case{1, 0x1000}, Case{2, 0x2000}, Case{9, 0}}) {
        SCOPED_TRACE(c.circuit);
        app.pageManager().setParam(HeatingCircuitParam{c.circuit, 0, 0, 0, {}});
        HeatingHolidayProgramView& view = open();
        test::tap(app, back(view).getUpButton());
        log.writes().clear();
        confirm(view);
        ASSERT_EQ(log.writes().size(), 2u);
        EXPECT_EQ(log.writes()[0].address, START_ADDRESS + c.offset);
        EXPECT_EQ(log.writes()[1].address, END_ADDRESS + c.offset);
        app.bed.ticks(2);
    }
}

TEST_F(HolidayScreen, ADateSteppedPastTheOtherDragsItAlongAndTheReturnStopsAYearAhead)
{
    app.bed.deviceSends(79, record({0x20, 0x25, 0x03, 0x10, 0x01, 0x23, 0x59, 0x59}));
    app.bed.deviceSends(80, record({0x20, 0x25, 0x03, 0x11, 0x02, 0x00, 0x00, 0x00}));
    HeatingHolidayProgramView& view = open();
    test::tap(app, departure(view).getUpButton());
    test::tap(app, departure(view).getUpButton());
    EXPECT_EQ(text(departure(view).getDateText()), u"12.03.2025");
    EXPECT_EQ(text(back(view).getDateText()), u"12.03.2025");
    test::tap(app, back(view).getDownButton());
    EXPECT_EQ(text(departure(view).getDateText()), u"11.03.2025");

    for (int day = 0; day < 367; ++day) {
        test::tap(app, back(view).getUpButton());
    }
    EXPECT_EQ(text(back(view).getDateText()), u"05.03.2026"); // today + 365 days
    log.writes().clear();
    test::tap(app, view.getBottomBar().getButton(GenericView::BACK_BUTTON));
    EXPECT_TRUE(log.writes().empty());
}
} // namespace
