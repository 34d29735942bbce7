#include "guicontrols/HolidayProgramEdit.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using helpers::DateTime;

namespace
{
DateTime date(uint16_t year, uint8_t month, uint8_t day)
{
    return DateTime(year, month, day, 9, 30, 0);
}

class HolidayProgramEditTest : public EditorTest
{
protected:
    HolidayProgramEditTest() : told(this, &HolidayProgramEditTest::onDate)
    {
        edit.setMinimum(date(2016, 3, 1));
        edit.setMaximum(date(2017, 3, 1));
        edit.setDateCallback(&told);
    }
    void onDate(const DateTime& value) { dates.push_back(value); }
    void up() { edit.onButtonClicked(edit.getUpButton()); }
    void down() { edit.onButtonClicked(edit.getDownButton()); }

    HolidayProgramEdit edit;
    quillon::Callback<HolidayProgramEditTest, const DateTime&> told;
    std::vector<DateTime> dates;
};
} // namespace

TEST_F(HolidayProgramEditTest, ABoundStopsTheStepYetTellsTheCallback)
{
    edit.setDate(date(2016, 3, 1));
    down();
    EXPECT_EQ(edit.getDate(), date(2016, 3, 1));
    EXPECT_EQ(dates, std::vector<DateTime>{date(2016, 3, 1)});
    edit.setDate(date(2017, 3, 1));
    up();
    EXPECT_EQ(edit.getDate(), date(2017, 3, 1));
    down();
    EXPECT_EQ(edit.getDate(), date(2017, 2, 28)); // keeps the time of day
    EXPECT_EQ(dates.size(), 3u);
}

TEST_F(HolidayProgramEditTest, ShowsTheWeekdayAndTheDate)
{
    edit.setDate(date(2016, 3, 1));
    EXPECT_EQ(u16(edit.getDateText()), u"01.03.2016");
    EXPECT_EQ(u16(edit.getWeekday().getTypedText().getText()), u"Tuesday");
    up();
    EXPECT_EQ(u16(edit.getWeekday().getTypedText().getText()), u"Wednesday");
    edit.setDate(date(2016, 3, 6));
    EXPECT_EQ(u16(edit.getWeekday().getTypedText().getText()), u"Sunday");
    EXPECT_EQ(u16(edit.getTitle().getTypedText().getText()), u"Departure date");
    edit.setDeparture(false);
    EXPECT_EQ(u16(edit.getTitle().getTypedText().getText()), u"Return date");
}

// A date set outside the range is kept; the first step moves it, then brings it into the
// range, whichever way it went.
TEST_F(HolidayProgramEditTest, ADateOutsideTheRangeIsKeptUntilAStep)
{
    edit.setDate(date(2017, 6, 1));
    EXPECT_EQ(edit.getDate(), date(2017, 6, 1));
    down();
    EXPECT_EQ(edit.getDate(), date(2017, 3, 1));
    edit.setDate(date(2016, 1, 1));
    up();
    EXPECT_EQ(edit.getDate(), date(2016, 3, 1));
    EXPECT_EQ(dates.back(), date(2016, 3, 1));
    edit.setMinimum(date(2017, 4, 1)); // a bound moves the date onto it
    EXPECT_EQ(edit.getDate(), date(2017, 4, 1));
}

TEST_F(HolidayProgramEditTest, Layout)
{
    EXPECT_EQ(edit.getRect(), quillon::Rectangle(0, 0, 390, 280));
    EXPECT_EQ(edit.getUpButton().getRect(), quillon::Rectangle(310, 50, 71, 71));
    EXPECT_EQ(edit.getDownButton().getRect(), quillon::Rectangle(310, 210, 71, 71));
    EXPECT_EQ(edit.getDownButton().getIcon().getId(), 95);
}

// The longest title and date are drawn whole.
TEST_F(HolidayProgramEditTest, TextsFitTheirFields)
{
    edit.setDate(date(2016, 8, 28));
    const quillon::TypedText dateFormat(19);
    EXPECT_LE(LiteralText::getWidth(dateFormat.getFont(), edit.getDateText()), 300);
    const quillon::TypedText title = edit.getTitle().getTypedText();
    EXPECT_LE(LiteralText::getWidth(title.getFont(), title.getText()), edit.getTitle().getWidth());
    const quillon::TypedText weekday(1217); // "Wednesday"
    EXPECT_LE(LiteralText::getWidth(weekday.getFont(), weekday.getText()), edit.getWeekday().getWidth());
}
