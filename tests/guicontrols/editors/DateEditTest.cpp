#include "guicontrols/DateEdit.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using helpers::DateTime;

namespace
{
class DateEditTest : public EditorTest
{
protected:
    DateEditTest() : told(this, &DateEditTest::onDate) { edit.setDateCallback(&told); }

    void onDate(const DateTime& date) { dates.push_back(date); }
    void up(const SpinBox& box) { const_cast<SpinBox&>(box).onButtonClicked(box.getUpButton()); }
    void down(const SpinBox& box) { const_cast<SpinBox&>(box).onButtonClicked(box.getDownButton()); }
    static DateTime date(uint16_t year, uint8_t month, uint8_t day) { return DateTime(year, month, day, 0, 0, 0); }
    std::u16string day() const { return u16(edit.getDaySpinBox().getText()); }

    DateEdit edit;
    quillon::Callback<DateEditTest, const DateTime&> told;
    std::vector<DateTime> dates;
};
} // namespace

TEST_F(DateEditTest, TheDayFollowsTheMonthAndTheYear)
{
    edit.setDate(date(2016, 1, 31));
    EXPECT_TRUE(dates.empty());
    up(edit.getMonthSpinBox());
    EXPECT_EQ(edit.getDate(), date(2016, 2, 29));
    EXPECT_EQ(day(), u"29");
    up(edit.getYearSpinBox());
    EXPECT_EQ(edit.getDate(), date(2017, 2, 28));
    up(edit.getDaySpinBox());
    EXPECT_EQ(edit.getDate(), date(2017, 2, 1)); // day maximum 28: wraps within the month
    EXPECT_EQ(dates.size(), 3u);
    EXPECT_EQ(dates.back(), edit.getDate());
}

// Each field wraps on its own, without carrying into the next.
TEST_F(DateEditTest, FieldsWrapWithoutCarry)
{
    edit.setDate(date(2015, 4, 30));
    up(edit.getDaySpinBox());
    EXPECT_EQ(edit.getDate(), date(2015, 4, 1));
    edit.setDate(date(2099, 12, 15));
    up(edit.getYearSpinBox());
    EXPECT_EQ(edit.getDate(), date(2014, 12, 15));
    down(edit.getYearSpinBox());
    EXPECT_EQ(edit.getDate(), date(2099, 12, 15));
    up(edit.getMonthSpinBox());
    EXPECT_EQ(edit.getDate(), date(2099, 1, 15));
}

// A date set after a shorter month keeps its day: the day maximum is set before the day.
TEST_F(DateEditTest, SettingADateAfterAShortMonth)
{
    edit.setDate(date(2015, 2, 28));
    edit.setDate(date(2015, 1, 31));
    EXPECT_EQ(day(), u"31");
    EXPECT_EQ(edit.getDaySpinBox().getValue(), 31);
    up(edit.getMonthSpinBox());
    EXPECT_EQ(edit.getDate(), date(2015, 2, 28));
}

TEST_F(DateEditTest, ADateOutOfRangeIsKeptAndShownInRange)
{
    edit.setDate(date(2013, 6, 1));
    EXPECT_EQ(edit.getDate(), date(2013, 6, 1));
    EXPECT_EQ(u16(edit.getYearSpinBox().getText()), u"2099");
}

TEST_F(DateEditTest, Layout)
{
    EXPECT_EQ(edit.getRect(), quillon::Rectangle(0, 0, 360, 220));
    EXPECT_EQ(edit.getMonthSpinBox().getRect(), quillon::Rectangle(90, 0, 74, 214));
    EXPECT_EQ(edit.getYearSpinBox().getRect(), quillon::Rectangle(180, 0, 135, 214));
    EXPECT_EQ(u16(edit.getYearSpinBox().getText()), u"2014");
    EXPECT_EQ(edit.getDaySpinBox().getUpButton().getIcon().getId(), 186);
}
