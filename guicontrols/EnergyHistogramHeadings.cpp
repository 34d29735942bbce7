// The histogram screens' headings: a range of days, weeks, months or years ending at the
// reference date, or a single day, week, month or year.

#include "guicontrols/EnergyHistogram.hpp"

#include "helpers/Text.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/TypedText.hpp>

namespace guicontrols
{
namespace
{
const quillon::TextId LONG_WEEKDAYS[7] = {1226, 1215, 1232, 1217, 1236, 1229, 1223}; // Sunday first
const quillon::TextId LONG_MONTHS[12] = {1207, 1206, 1210, 1203, 1211, 1209, 1208, 1204, 1214, 1213, 1212, 1205};
const quillon::TextId CALENDAR_WEEK = 1251;
const uint16_t DATE_SIZE = 11;

// Writes behind what is there; the buffer end is never passed.
class Heading
{
public:
    Heading(quillon::WideChar* buffer, uint8_t size) : buffer(buffer), size(size), length(0)
    {
        if (size > 0) {
            buffer[0] = 0;
        }
    }

    void text(const quillon::WideChar* text) { append("%ls", text); }
    void literal(const char* text) { append("%s", text); }
    void number(int32_t value) { append("%d", value); }
    void week(uint32_t weekOfYear) { append("%02u", weekOfYear); }
    void date(const helpers::DateTime& date, uint16_t characters)
    {
        quillon::WideChar written[DATE_SIZE] = {};
        date.formatDate(written, DATE_SIZE, true);
        written[characters < DATE_SIZE ? characters : DATE_SIZE - 1] = 0;
        text(written);
    }
    uint8_t written() const { return length; }

private:
    template <class T>
    void append(const char* format, T value)
    {
        if (length + 1 >= size) {
            return;
        }
        length = static_cast<uint8_t>(length + helpers::formatWide(buffer + length, static_cast<uint16_t>(size - length),
                                                                   format, value));
    }

    quillon::WideChar* buffer;
    uint8_t size;
    uint8_t length;
};

helpers::DateTime movedByDays(const helpers::DateTime& date, int32_t days)
{
    helpers::DateTime moved(date);
    moved.addDays(static_cast<uint32_t>(days));
    return moved;
}

const quillon::WideChar* longMonth(const helpers::DateTime& date)
{
    return quillon::TypedText(LONG_MONTHS[date.getMonth() - 1]).getText();
}
} // namespace

uint8_t EnergyHistogram::formatDayRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date,
                                        int32_t days, bool shortForm)
{
    Heading heading(buffer, size);
    heading.date(movedByDays(date, days), shortForm ? 6 : 10);
    heading.literal(" - ");
    heading.date(date, 10);
    return heading.written();
}

uint8_t EnergyHistogram::formatWeekRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date,
                                         int32_t weeks, bool shortForm)
{
    Heading heading(buffer, size);
    heading.text(quillon::TypedText(CALENDAR_WEEK).getText());
    heading.literal(" ");
    heading.week(movedByDays(date, weeks * 7).getWeekOfYear());
    heading.literal(" - ");
    heading.week(date.getWeekOfYear());
    heading.literal(" (");
    heading.date(movedByDays(date, weeks * 7), shortForm ? 6 : 10);
    heading.literal(" - ");
    heading.date(date, 10);
    heading.literal(")");
    return heading.written();
}

uint8_t EnergyHistogram::formatMonthRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date,
                                          int32_t months)
{
    helpers::DateTime first(date);
    first.addMonths(months);
    Heading heading(buffer, size);
    heading.text(longMonth(first));
    heading.literal(" ");
    heading.number(static_cast<int32_t>(first.getYear()));
    heading.literal(" - ");
    heading.text(longMonth(date));
    heading.literal(" ");
    heading.number(static_cast<int32_t>(date.getYear()));
    return heading.written();
}

uint8_t EnergyHistogram::formatYearRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date,
                                         int32_t years)
{
    Heading heading(buffer, size);
    heading.number(static_cast<int32_t>(date.getYear()) + years);
    heading.literal(" - ");
    heading.number(static_cast<int32_t>(date.getYear()));
    return heading.written();
}

uint8_t EnergyHistogram::formatDay(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date)
{
    Heading heading(buffer, size);
    heading.text(quillon::TypedText(LONG_WEEKDAYS[date.getWeekday()]).getText());
    heading.literal(" ");
    heading.date(date, 10);
    return heading.written();
}

uint8_t EnergyHistogram::formatWeek(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date)
{
    const helpers::DateTime monday = weekStart(date);
    Heading heading(buffer, size);
    heading.text(quillon::TypedText(CALENDAR_WEEK).getText());
    heading.literal(" ");
    heading.week(monday.getWeekOfYear());
    heading.literal(" ");
    heading.date(monday, 10);
    return heading.written();
}

uint8_t EnergyHistogram::formatMonth(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date)
{
    Heading heading(buffer, size);
    heading.text(longMonth(date));
    heading.literal(" ");
    heading.number(static_cast<int32_t>(date.getYear()));
    return heading.written();
}

uint8_t EnergyHistogram::formatYear(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date)
{
    Heading heading(buffer, size);
    heading.number(static_cast<int32_t>(date.getYear()));
    return heading.written();
}
} // namespace guicontrols
