#include "helpers/DateTime.hpp"

#include "helpers/Conversions.hpp"
#include "helpers/Text.hpp"

namespace helpers
{
namespace
{
// The day count of the calendar formula below for 1970-01-01.
const uint32_t DAYS_TO_1970 = 719499;
// "dd.mm.yyyy" for the years the panel offers.
const uint16_t DATE_TEXT_LENGTH = 10;
} // namespace

DateTime::DateTime(uint16_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minute, uint8_t second)
{
    // Months counted from March, so that the leap day ends the counted year.
    int32_t marchMonth = month - 2;
    uint32_t marchYear = year;
    if (marchMonth < 1) {
        marchMonth = month + 10;
        marchYear = year - 1u;
    }
    const uint32_t dayCount = marchYear / 4 - marchYear / 100 + marchYear / 400 +
                              367u * static_cast<uint32_t>(marchMonth) / 12 + day + 365u * marchYear;
    seconds = (((dayCount - DAYS_TO_1970) * 24 + hour) * 60 + minute) * 60 + second;
}

void DateTime::setFromDeviceFormat(const date_time& deviceForm)
{
    const uint16_t year = static_cast<uint16_t>(bcdToInt(deviceForm.century) * 100 + bcdToInt(deviceForm.year));
    *this = DateTime(year, bcdToInt(deviceForm.month), bcdToInt(deviceForm.day), bcdToInt(deviceForm.hour),
                     bcdToInt(deviceForm.minute), bcdToInt(deviceForm.second));
}

void DateTime::toDeviceFormat(date_time& deviceForm) const
{
    const uint32_t year = getYear();
    deviceForm.century = intToBcd(static_cast<uint8_t>(year / 100));
    deviceForm.year = intToBcd(static_cast<uint8_t>(year % 100));
    deviceForm.month = intToBcd(static_cast<uint8_t>(getMonth()));
    deviceForm.day = intToBcd(static_cast<uint8_t>(getDay()));
    deviceForm.hour = intToBcd(static_cast<uint8_t>(getHour()));
    deviceForm.minute = intToBcd(static_cast<uint8_t>(getMinute()));
    deviceForm.second = intToBcd(static_cast<uint8_t>(getSecond()));
    deviceForm.weekday = intToBcd(static_cast<uint8_t>(getWeekday()));
}

void DateTime::setTime(uint8_t hour, uint8_t minute, uint8_t second)
{
    seconds = seconds - seconds % SECONDS_PER_DAY + hour * 3600u + minute * 60u + second;
}

void DateTime::setTime(const Time& time)
{
    seconds = seconds - seconds % SECONDS_PER_DAY + time.getSecondsOfDay();
}

void DateTime::setDate(uint16_t year, uint8_t month, uint8_t day)
{
    *this = DateTime(year, month, day, static_cast<uint8_t>(getHour()), static_cast<uint8_t>(getMinute()),
                     static_cast<uint8_t>(getSecond()));
}

uint32_t DateTime::dayOfYearFromZero(uint32_t& yearsSince1970, bool& leap) const
{
    const uint32_t d = days();
    yearsSince1970 = (4 * d + 2) / 1461;
    leap = (yearsSince1970 + 70) % 4 == 0;
    return d - (1461 * yearsSince1970 + 1) / 4;
}

uint32_t DateTime::marchAlignedDay() const
{
    uint32_t years = 0;
    bool leap = false;
    const uint32_t dayOfYear = dayOfYearFromZero(years, leap);
    if (leap) {
        return dayOfYear > 59 ? dayOfYear + 1 : dayOfYear;
    }
    return dayOfYear > 58 ? dayOfYear + 2 : dayOfYear;
}

uint32_t DateTime::getYear() const
{
    uint32_t years = 0;
    bool leap = false;
    dayOfYearFromZero(years, leap);
    return years + 1970;
}

uint32_t DateTime::getDayOfYear() const
{
    uint32_t years = 0;
    bool leap = false;
    return dayOfYearFromZero(years, leap) + 1;
}

uint32_t DateTime::getMonth() const
{
    return (12 * marchAlignedDay() + 6) / 367 + 1;
}

uint32_t DateTime::getDay() const
{
    return marchAlignedDay() + 1 - (367 * (getMonth() - 1) + 5) / 12;
}

uint32_t DateTime::getWeekOfYear() const
{
    const int32_t week = (static_cast<int32_t>(getDayOfYear()) - static_cast<int32_t>(getWeekday()) + 10) / 7;
    const uint16_t year = static_cast<uint16_t>(getYear());
    if (week <= 0) {
        return getWeeksInYear(static_cast<uint16_t>(year - 1));
    }
    if (static_cast<uint32_t>(week) > getWeeksInYear(year)) {
        return 1;
    }
    return static_cast<uint32_t>(week);
}

DateTime& DateTime::addSeconds(uint32_t count)
{
    seconds += count;
    return *this;
}

DateTime& DateTime::addDays(uint32_t count)
{
    return addSeconds(count * SECONDS_PER_DAY);
}

DateTime& DateTime::addWeeks(uint32_t count)
{
    return addDays(count * 7);
}

DateTime& DateTime::addMonths(int32_t count)
{
    // Counted in months since year 0, the same as stepping month by month.
    const int64_t months = static_cast<int64_t>(getYear()) * 12 + (getMonth() - 1) + count;
    int64_t year = months / 12;
    int64_t month = months % 12;
    if (month < 0) {
        month += 12;
        year -= 1;
    }
    const uint32_t newMonth = static_cast<uint32_t>(month) + 1;
    const int32_t newYear = static_cast<int32_t>(year);
    uint32_t day = getDay();
    const uint32_t length = getDaysInMonth(newMonth, newYear);
    if (day > length) {
        day = length;
    }
    setDate(static_cast<uint16_t>(newYear), static_cast<uint8_t>(newMonth), static_cast<uint8_t>(day));
    return *this;
}

uint16_t DateTime::formatShortDate(quillon::WideChar* buffer, uint16_t capacity, bool withYear, bool dayFirst) const
{
    const int32_t day = static_cast<int32_t>(getDay());
    const int32_t month = static_cast<int32_t>(getMonth());
    const int32_t shortYear = static_cast<int32_t>(getYear()) - 2000;
    TextCursor out(buffer, capacity);
    if (dayFirst) {
        out.number(day, 2).character('.').number(month, 2).character('.');
        if (withYear) {
            out.number(shortYear, 2);
        }
    } else {
        out.number(month, 2).character('/').number(day, 2);
        if (withYear) {
            out.character('/').number(shortYear, 2);
        }
    }
    return out.written();
}

uint16_t DateTime::formatDate(quillon::WideChar* buffer, uint16_t capacity, bool dayFirst) const
{
    const int32_t day = static_cast<int32_t>(getDay());
    const int32_t month = static_cast<int32_t>(getMonth());
    const quillon::WideChar separator = dayFirst ? '.' : '/';
    TextCursor out(buffer, capacity);
    out.number(dayFirst ? day : month, 2).character(separator).number(dayFirst ? month : day, 2).character(separator);
    return out.number(static_cast<int32_t>(getYear()), 4).written();
}

uint16_t DateTime::formatDateTime(quillon::WideChar* buffer, uint16_t capacity, quillon::WideChar separator) const
{
    quillon::WideChar date[DATE_TEXT_LENGTH + 1];
    const uint16_t dateLength = formatDate(date, DATE_TEXT_LENGTH + 1, true);
    quillon::WideChar time[Time::FORMATTED_LENGTH + 1];
    const uint16_t timeLength = formatHoursAndMinutes(time, Time::FORMATTED_LENGTH + 1, getHour(), getMinute());
    TextCursor out(buffer, capacity);
    return out.text(date, dateLength).character(separator).text(time, timeLength).written();
}

uint32_t DateTime::getDaysInMonth(uint32_t month, int32_t year)
{
    if (month == 2) {
        return isLeapYear(year) ? 29 : 28;
    }
    return 31 - (month - 1) % 7 % 2;
}

bool DateTime::isLeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

uint32_t DateTime::getWeeksInYear(uint16_t year)
{
    const uint32_t newYearsDay = DateTime(year, 1, 1, 0, 0, 0).getWeekday();
    return (newYearsDay == 4 || (newYearsDay == 3 && isLeapYear(year))) ? 53 : 52;
}
} // namespace helpers
