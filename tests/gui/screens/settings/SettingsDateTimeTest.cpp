#include "SettingsBed.hpp"

#include "gui/screens/settings/SettingsDateView.hpp"
#include "gui/screens/settings/SettingsTimeView.hpp"

namespace settings_test
{
namespace
{
const std::uint16_t DATE_TIME_MENU = 14;

std::u16string ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

class DateAndTime : public SettingsBed
{
protected:
    void openItem(const std::u16string& item)
    {
        openSettingsMenu();
        tapMenuItem(u"Date and time");
        tapMenuItem(item);
    }
    SettingsDateView& dateView() { return *app.screen<SettingsDateView>(); }
    SettingsTimeView& timeView() { return *app.screen<SettingsTimeView>(); }
    void stepSpin(const guicontrols::SpinBox& box, int steps)
    {
        for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) {
            tap(steps > 0 ? box.getUpButton() : box.getDownButton());
        }
    }
    void stepYear(int steps) { stepSpin(dateView().getDateEdit().getYearSpinBox(), steps); }
    void stepHour(int steps) { stepSpin(timeView().getTimeEdit().getHourSpinBox(), steps); }
    void stepMinute(int steps) { stepSpin(timeView().getTimeEdit().getMinuteSpinBox(), steps); }
    static helpers::DateTime at(uint16_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minute, uint8_t second)
    {
        return helpers::DateTime(year, month, day, hour, minute, second);
    }
};

TEST_F(DateAndTime, TheDateEditorOffersTheYears2014To2099)
{
    struct Case
    {
        uint16_t year;
        int steps;
        uint32_t shown;
    };
    const Case cases[] = {{2014, -1, 2099}, {2099, 1, 2014}, {2026, 1, 2027}}; // the year wraps within the range
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        TestClock::now() = at(c.year, 6, 1, 12, 0, 0);
        openItem(u"Date");
        ASSERT_NE(app.screen<SettingsDateView>(), nullptr);
        stepYear(c.steps);
        EXPECT_EQ(dateView().getDateEdit().getDate().getYear(), c.shown);
        EXPECT_EQ(str(dateView().getDateEdit().getYearSpinBox().getText()), ascii(std::to_string(c.shown)));
    }
}

// The time of day is the clock's at the accept, not the one read on entry.
TEST_F(DateAndTime, TheDateIsSetOnTheTimeOfDayReadAtTheAcceptAndConfirmed)
{
    openItem(u"Date");
    ASSERT_NE(app.screen<SettingsDateView>(), nullptr);
    EXPECT_EQ(title(), u"Date");
    stepSpin(dateView().getDateEdit().getDaySpinBox(), 2);
    stepYear(1);
    TestClock::now().addSeconds(300); // five minutes on the screen
    tapBottomButton(5);
    EXPECT_EQ(TestClock::written(), std::vector<helpers::DateTime>(TestClock::written().size(), at(2027, 3, 16, 10, 25, 30)));
    EXPECT_FALSE(TestClock::written().empty());
    const std::vector<DeviceWrite> deviceClock = writesTo(0x09A4); // seconds since 1970, to the device
    ASSERT_EQ(deviceClock.size(), 1u);
    const uint32_t seconds = at(2027, 3, 16, 10, 25, 30).getTimestamp();
    EXPECT_EQ(deviceClock[0].bytes, (std::vector<std::uint8_t>{static_cast<std::uint8_t>(seconds), static_cast<std::uint8_t>(seconds >> 8),
                                                               static_cast<std::uint8_t>(seconds >> 16), static_cast<std::uint8_t>(seconds >> 24)}));
    ASSERT_TRUE(feedbackShown());
    EXPECT_EQ(feedbackMessage(), u"Date accepted");
    app.bed.ticks(260);
    EXPECT_EQ(shownPage(), DATE_TIME_MENU);
}

TEST_F(DateAndTime, ARefusedDateGoesBackWithoutAcceptance)
{
    TestClock::refuses() = true;
    openItem(u"Date");
    stepYear(1);
    tapBottomButton(5);
    EXPECT_TRUE(TestClock::written().empty());
    EXPECT_FALSE(feedbackShown());
    EXPECT_EQ(shownPage(), DATE_TIME_MENU);
}

TEST_F(DateAndTime, LeavingEitherScreenSetsNothing)
{
    openItem(u"Date");
    stepYear(2);
    tapBottomButton(GenericView::BACK_BUTTON);
    tapMenuItem(u"Time");
    stepHour(1);
    tapBottomButton(GenericView::BACK_BUTTON);
    EXPECT_EQ(shownPage(), DATE_TIME_MENU);
    EXPECT_TRUE(TestClock::written().empty());
}

TEST_F(DateAndTime, TheTimeIsSetOnTheDateOfTheAcceptEvenPastMidnight)
{
    struct Case
    {
        helpers::DateTime entry;
        helpers::DateTime accept; // the clock when OK is pressed
        int hours;
        int minutes;
        helpers::DateTime written;
    };
    const Case cases[] = {
        {at(2026, 3, 14, 10, 20, 30), at(2026, 3, 14, 10, 21, 0), -3, 25, at(2026, 3, 14, 7, 45, 0)},
        {at(2026, 3, 14, 23, 59, 50), at(2026, 3, 15, 0, 0, 10), -16, -14, at(2026, 3, 15, 7, 45, 0)},
        {at(2026, 3, 14, 10, 20, 30), at(2026, 3, 14, 10, 22, 0), 0, 0, at(2026, 3, 14, 10, 20, 30)}, // untouched
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.getTimestamp());
        TestClock::written().clear();
        TestClock::now() = c.entry;
        openItem(u"Time");
        ASSERT_NE(app.screen<SettingsTimeView>(), nullptr);
        EXPECT_EQ(title(), u"Time");
        stepHour(c.hours);
        stepMinute(c.minutes);
        TestClock::now() = c.accept;
        tapBottomButton(5);
        EXPECT_FALSE(TestClock::written().empty());
        EXPECT_EQ(TestClock::written(), std::vector<helpers::DateTime>(TestClock::written().size(), c.written));
        EXPECT_FALSE(feedbackShown());
        EXPECT_EQ(shownPage(), DATE_TIME_MENU);
    }
}

TEST_F(DateAndTime, TheHourStopsAt23)
{
    TestClock::now() = at(2026, 3, 14, 22, 30, 0);
    openItem(u"Time");
    stepHour(3);
    EXPECT_EQ(timeView().getTimeEdit().getTime().getHour(), 23u);
    EXPECT_EQ(str(timeView().getTimeEdit().getHourSpinBox().getText()), u"23");
    stepMinute(30); // 23:59 does not carry into a 24th hour
    EXPECT_EQ(timeView().getTimeEdit().getTime().getHour(), 23u);
    EXPECT_EQ(timeView().getTimeEdit().getTime().getMinute(), 59u);
}
} // namespace
} // namespace settings_test
