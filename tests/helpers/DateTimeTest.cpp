#include "helpers/DateTime.hpp"
#include "WideText.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ctime>

using helpers::DateTime;

TEST(DateTime, DefaultIsTheEarliestValidInstant)
{
    const DateTime value;
    EXPECT_EQ(value.getTimestamp(), 1388534400u);
    EXPECT_TRUE(value.isValid());
    EXPECT_EQ(value.getYear(), 2014u);
    EXPECT_EQ(value.getMonth(), 1u);
    EXPECT_EQ(value.getDay(), 1u);
    EXPECT_EQ(value.getWeekday(), 3u); // a Wednesday
}

TEST(DateTime, Validity)
{
    struct Case { uint32_t seconds; bool valid; };
    const Case cases[] = {
        {1388534399u, false}, {1388534400u, true}, {0u, false}, {0xFFFFFFFEu, true}, {0xFFFFFFFFu, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(DateTime(c.seconds).isValid(), c.valid);
    }
}

TEST(DateTime, CalendarConstructorAndFields)
{
    const DateTime leapDay(2016, 2, 29, 12, 0, 0);
    EXPECT_EQ(leapDay.getTimestamp(), 1456747200u);
    EXPECT_EQ(leapDay.getMonth(), 2u);
    EXPECT_EQ(leapDay.getDay(), 29u);
    EXPECT_EQ(leapDay.getDayOfYear(), 60u);
    EXPECT_EQ(leapDay.getHour(), 12u);

    struct Case { uint16_t year; uint8_t month, day; uint32_t dayOfYear; };
    const Case cases[] = {
        {2016, 3, 1, 61}, {2015, 3, 1, 60}, {2015, 2, 28, 59}, {2016, 12, 31, 366}, {2015, 12, 31, 365},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year * 10000 + c.month * 100 + c.day);
        const DateTime value(c.year, c.month, c.day, 0, 0, 0);
        EXPECT_EQ(value.getYear(), c.year);
        EXPECT_EQ(value.getMonth(), c.month);
        EXPECT_EQ(value.getDay(), c.day);
        EXPECT_EQ(value.getDayOfYear(), c.dayOfYear);
    }
    // Invalid dates roll over instead of being refused.
    EXPECT_EQ(DateTime(2016, 4, 31, 0, 0, 0), DateTime(2016, 5, 1, 0, 0, 0));
}

// Every day the panel offers, against the C library's UTC calendar.
TEST(DateTime, AgreesWithTheCalendarFrom2014To2099)
{
    for (time_t t = 1388534400; t < 4102444800; t += 86400 + 3661) {
        std::tm fields{};
        gmtime_r(&t, &fields);
        const DateTime value(static_cast<uint16_t>(fields.tm_year + 1900), static_cast<uint8_t>(fields.tm_mon + 1),
                             static_cast<uint8_t>(fields.tm_mday), static_cast<uint8_t>(fields.tm_hour),
                             static_cast<uint8_t>(fields.tm_min), static_cast<uint8_t>(fields.tm_sec));
        ASSERT_EQ(value.getTimestamp(), static_cast<uint32_t>(t));
        ASSERT_EQ(value.getYear(), static_cast<uint32_t>(fields.tm_year + 1900)) << t;
        ASSERT_EQ(value.getMonth(), static_cast<uint32_t>(fields.tm_mon + 1)) << t;
        ASSERT_EQ(value.getDay(), static_cast<uint32_t>(fields.tm_mday)) << t;
        ASSERT_EQ(value.getDayOfYear(), static_cast<uint32_t>(fields.tm_yday + 1)) << t;
        ASSERT_EQ(value.getWeekday(), static_cast<uint32_t>(fields.tm_wday)) << t;
        ASSERT_EQ(value.getSecond(), static_cast<uint32_t>(fields.tm_sec)) << t;

        // ISO weeks from Monday to Saturday; a Sunday takes the next day's week.
        time_t isoDay = fields.tm_wday == 0 ? t + 86400 : t;
        std::tm isoFields{};
        gmtime_r(&isoDay, &isoFields);
        char iso[4];
        strftime(iso, sizeof iso, "%V", &isoFields);
        ASSERT_EQ(value.getWeekOfYear(), static_cast<uint32_t>(atoi(iso))) << t;
    }
}

TEST(DateTime, WeekNumbers)
{
    EXPECT_EQ(DateTime::getWeeksInYear(2015), 53u); // 1 January a Thursday
    EXPECT_EQ(DateTime::getWeeksInYear(2020), 53u); // a Wednesday in a leap year
    EXPECT_EQ(DateTime::getWeeksInYear(2016), 52u);
    EXPECT_EQ(DateTime::getWeeksInYear(2014), 52u); // a Wednesday, not a leap year

    EXPECT_EQ(DateTime(2016, 1, 2, 0, 0, 0).getWeekOfYear(), 53u); // Saturday: week 53 of 2015
    EXPECT_EQ(DateTime(2016, 1, 3, 0, 0, 0).getWeekOfYear(), 1u);  // Sunday: not ISO, the next week
    EXPECT_EQ(DateTime(2016, 1, 4, 0, 0, 0).getWeekOfYear(), 1u);
    EXPECT_EQ(DateTime(2019, 12, 31, 0, 0, 0).getWeekOfYear(), 1u); // past the 52 weeks of 2019
}

TEST(DateTime, DaysInMonthAndLeapYears)
{
    const uint32_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (uint32_t month = 1; month <= 12; ++month) {
        EXPECT_EQ(DateTime::getDaysInMonth(month, 2015), lengths[month - 1]) << month;
    }
    EXPECT_EQ(DateTime::getDaysInMonth(2, 2016), 29u);
    EXPECT_EQ(DateTime::getDaysInMonth(2, 2100), 28u);
    EXPECT_EQ(DateTime::getDaysInMonth(2, 2000), 29u);
    EXPECT_EQ(DateTime::getMaxYear(), 2099u);
}

TEST(DateTime, AddMonthsCutsTheDayAndKeepsTheTime)
{
    struct Case { DateTime start; int32_t months; DateTime expected; };
    const Case cases[] = {
        {DateTime(2016, 1, 31, 10, 20, 30), 1, DateTime(2016, 2, 29, 10, 20, 30)},
        {DateTime(2016, 3, 31, 0, 0, 0), -1, DateTime(2016, 2, 29, 0, 0, 0)},
        {DateTime(2016, 1, 15, 0, 0, 0), -13, DateTime(2014, 12, 15, 0, 0, 0)},
        {DateTime(2016, 12, 15, 8, 0, 0), 1, DateTime(2017, 1, 15, 8, 0, 0)},
        {DateTime(2015, 1, 31, 0, 0, 0), 25, DateTime(2017, 2, 28, 0, 0, 0)},
        {DateTime(2016, 5, 17, 1, 2, 3), 0, DateTime(2016, 5, 17, 1, 2, 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        DateTime value = c.start;
        EXPECT_EQ(value.addMonths(c.months), c.expected);
    }
}

TEST(DateTime, ArithmeticWrapsAndSubtractsWithTwosComplement)
{
    DateTime value(2016, 3, 1, 0, 0, 0);
    value.addDays(static_cast<uint32_t>(-1));
    EXPECT_EQ(value, DateTime(2016, 2, 29, 0, 0, 0));
    value.addWeeks(1).addSeconds(90);
    EXPECT_EQ(value, DateTime(2016, 3, 7, 0, 1, 30));
    EXPECT_EQ(DateTime(2016, 3, 1, 0, 0, 0) - DateTime(2016, 3, 2, 0, 0, 0), -86400);
    EXPECT_LT(DateTime(1u), DateTime(2u));
}

TEST(DateTime, SetTimeAndDate)
{
    DateTime value(2016, 3, 7, 14, 5, 9);
    value.setTime(24, 0, 0); // carries into the next day
    EXPECT_EQ(value, DateTime(2016, 3, 8, 0, 0, 0));
    value.setTime(helpers::Time(7, 30, 0));
    EXPECT_EQ(value, DateTime(2016, 3, 8, 7, 30, 0));
    value.setDate(2020, 2, 29);
    EXPECT_EQ(value, DateTime(2020, 2, 29, 7, 30, 0));
    EXPECT_EQ(value.getTime().getSecondsOfDay(), 7 * 3600u + 30 * 60u);
}

TEST(DateTime, DeviceFormat)
{
    const DateTime monday(2016, 3, 7, 14, 5, 9);
    date_time bytes{};
    monday.toDeviceFormat(bytes);
    const uint8_t expected[8] = {0x20, 0x16, 0x03, 0x07, 0x01, 0x14, 0x05, 0x09};
    EXPECT_EQ(0, memcmp(&bytes, expected, sizeof expected));

    for (uint8_t weekday : {0x00, 0x01, 0x06, 0xFF}) {
        bytes.weekday = weekday; // ignored when read
        EXPECT_EQ(DateTime(bytes), monday) << int(weekday);
    }
}

TEST(DateTime, Texts)
{
    quillon::WideChar buffer[32];
    const DateTime christmasEve(2016, 12, 24, 0, 0, 0);
    struct Case { bool withYear, dayFirst; const char16_t* text; };
    const Case cases[] = {
        {false, true, u"24.12."}, {true, true, u"24.12.16"}, {false, false, u"12/24"}, {true, false, u"12/24/16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ascii(c.text));
        const uint16_t length = christmasEve.formatShortDate(buffer, 32, c.withYear, c.dayFirst);
        EXPECT_EQ(narrow(buffer), c.text);
        EXPECT_EQ(length, std::u16string(c.text).size());
    }

    const DateTime march(2016, 3, 7, 9, 5, 0);
    EXPECT_EQ(march.formatDate(buffer, 32, true), 10);
    EXPECT_EQ(narrow(buffer), u"07.03.2016");
    march.formatDate(buffer, 32, false);
    EXPECT_EQ(narrow(buffer), u"03/07/2016");
    EXPECT_EQ(march.formatDateTime(buffer, 32, ' '), 16);
    EXPECT_EQ(narrow(buffer), u"07.03.2016 09:05");
}

TEST(DateTime, TextsStopAtTheCapacity)
{
    const DateTime march(2016, 3, 7, 9, 5, 0);
    struct Case { bool withTime; uint16_t capacity; const char16_t* text; };
    const Case cases[] = {
        {false, 0, u""}, {false, 1, u""}, {false, 2, u""}, {false, 3, u"07"}, {false, 4, u"07."},
        {false, 5, u"07."}, {false, 10, u"07.03."}, {false, 11, u"07.03.2016"}, // whole pieces only
        {true, 10, u""}, {true, 12, u"07.03.2016 "}, {true, 16, u"07.03.2016 "}, {true, 17, u"07.03.2016 09:05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.withTime << " " << c.capacity);
        quillon::WideChar buffer[20];
        std::fill(std::begin(buffer), std::end(buffer), 0xEEEE);
        const uint16_t length = c.withTime ? march.formatDateTime(buffer, c.capacity, ' ')
                                           : march.formatDate(buffer, c.capacity, true);
        EXPECT_EQ(length, std::u16string(c.text).size());
        EXPECT_EQ(narrow(buffer, c.capacity), c.text);
        if (c.capacity > 0) {
            EXPECT_EQ(buffer[length], 0) << "terminated";
        }
        for (uint16_t i = c.capacity; i < 20; ++i) {
            ASSERT_EQ(buffer[i], 0xEEEE) << "written past the capacity at " << i;
        }
    }
}
