#include "guicontrols/HolidayProgramOverview.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using helpers::DateTime;

namespace
{
DateTime date(uint16_t year, uint8_t month, uint8_t day)
{
    return DateTime(year, month, day, 0, 0, 0);
}

class HolidayProgramOverviewTest : public EditorTest
{
protected:
    static void step(const HolidayProgramEdit& editor, bool up)
    {
        HolidayProgramEdit& target = const_cast<HolidayProgramEdit&>(editor);
        target.onButtonClicked(up ? editor.getUpButton() : editor.getDownButton());
    }

    HolidayProgramOverview overview;
};
} // namespace

TEST_F(HolidayProgramOverviewTest, EachDateTakesTheOtherAlong)
{
    overview.setDates(date(2016, 3, 10), date(2016, 3, 1), date(2016, 3, 12));
    for (int i = 0; i < 3; ++i) {
        step(overview.getDepartureEditor(), true);
    }
    EXPECT_EQ(overview.getDepartureDate(), date(2016, 3, 13));
    EXPECT_EQ(overview.getReturnDate(), date(2016, 3, 13));
    for (int i = 0; i < 4; ++i) {
        step(overview.getReturnEditor(), false);
    }
    EXPECT_EQ(overview.getReturnDate(), date(2016, 3, 9));
    EXPECT_EQ(overview.getDepartureDate(), date(2016, 3, 9));
    EXPECT_EQ(u16(overview.getDepartureEditor().getDateText()), u"09.03.2016");
}

TEST_F(HolidayProgramOverviewTest, BothRangesRunAYearFromToday)
{
    overview.setDates(date(2016, 3, 1), date(2016, 3, 1), date(2017, 3, 1));
    step(overview.getDepartureEditor(), false);
    EXPECT_EQ(overview.getDepartureDate(), date(2016, 3, 1));
    step(overview.getReturnEditor(), true);
    EXPECT_EQ(overview.getReturnDate(), date(2017, 3, 1));
    EXPECT_EQ(overview.getRect(), quillon::Rectangle(0, 0, 790, 280));
    EXPECT_EQ(u16(overview.getReturnEditor().getTitle().getTypedText().getText()), u"Return date");
}
