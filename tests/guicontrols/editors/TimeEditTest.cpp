#include "guicontrols/TimeEdit.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using helpers::Time;

namespace
{
class TimeEditTest : public EditorTest
{
protected:
    TimeEditTest() : told(this, &TimeEditTest::onTime) {}

    void onTime(const Time& time) { times.push_back(time); }
    void step(const SpinBox& box, bool up)
    {
        SpinBox& target = const_cast<SpinBox&>(box);
        target.onButtonClicked(up ? box.getUpButton() : box.getDownButton());
    }
    std::u16string shown() const
    {
        return u16(edit.getHourSpinBox().getText()) + u":" + u16(edit.getMinuteSpinBox().getText());
    }

    TimeEdit edit;
    quillon::Callback<TimeEditTest, const Time&> told;
    std::vector<Time> times;
};
} // namespace

// Minute buttons: the wrap carries into the hours, and stops at either end of the day.
TEST_F(TimeEditTest, MinutesCarryIntoHours)
{
    struct Case
    {
        int32_t minuteStep;
        bool allow24;
        Time start;
        bool up;
        Time expected;
    };
    const Case cases[] = {
        {1, false, Time(10, 59, 0), true, Time(11, 0, 0)},
        {1, false, Time(0, 0, 0), false, Time(0, 0, 0)},
        {1, false, Time(23, 59, 0), true, Time(23, 59, 0)},
        {10, false, Time(10, 50, 0), true, Time(11, 0, 0)},
        {10, false, Time(11, 0, 0), false, Time(10, 50, 0)},
        {10, true, Time(23, 50, 0), true, Time(24, 0, 0)},
        {10, true, Time(24, 0, 0), true, Time(24, 0, 0)},
        {10, true, Time(24, 0, 0), false, Time(23, 50, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.getSecondsOfDay() * 10 + c.up);
        TimeEdit fresh;
        fresh.setMinuteStep(c.minuteStep);
        fresh.setAllow24(c.allow24);
        fresh.setTime(c.start);
        fresh.setTimeCallback(&told);
        times.clear();
        const SpinBox& minutes = fresh.getMinuteSpinBox();
        const_cast<SpinBox&>(minutes).onButtonClicked(c.up ? minutes.getUpButton() : minutes.getDownButton());
        EXPECT_EQ(fresh.getTime(), c.expected);
        EXPECT_EQ(fresh.getHourSpinBox().getValue() * 60 + fresh.getMinuteSpinBox().getValue(),
                  static_cast<int32_t>(c.expected.getSecondsOfDay() / 60));
        ASSERT_EQ(times.size(), 1u);
        EXPECT_EQ(times[0], c.expected);
    }
}

TEST_F(TimeEditTest, HoursStopAtTheEndOfTheDay)
{
    edit.setMinuteStep(10);
    edit.setAllow24(true);
    edit.setTime(Time(23, 30, 0));
    edit.setTimeCallback(&told);
    step(edit.getHourSpinBox(), true);
    EXPECT_EQ(edit.getTime(), Time(23, 30, 0));
    EXPECT_EQ(shown(), u"23:30");
    ASSERT_EQ(times.size(), 1u);

    TimeEdit plain;
    plain.setTime(Time(23, 0, 0));
    plain.setTimeCallback(&told);
    times.clear();
    const SpinBox& hours = plain.getHourSpinBox();
    const_cast<SpinBox&>(hours).onButtonClicked(hours.getUpButton());
    EXPECT_EQ(plain.getTime(), Time(23, 0, 0));
    EXPECT_TRUE(times.empty()); // the spin box did not move
}

TEST_F(TimeEditTest, ShowsZeroUntilSetThenTwoDigits)
{
    EXPECT_EQ(shown(), u"0:0");
    edit.setTime(Time(7, 5, 0));
    EXPECT_EQ(shown(), u"07:05");
    EXPECT_EQ(edit.getRect(), quillon::Rectangle(0, 0, 180, 220));
}
