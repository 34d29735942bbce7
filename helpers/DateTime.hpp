#ifndef HELPERS_DATETIME_HPP
#define HELPERS_DATETIME_HPP

#include "helpers/DeviceDateTime.hpp"
#include "helpers/Time.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>
#include <type_traits>
#include <utility>

namespace helpers
{
// Seconds since 1970-01-01 00:00:00 in the panel's local calendar, without time zone.
// Arithmetic is unsigned 32-bit and wraps; the calendar fields are exact from 1970 up to
// 2100-02-28, which covers every value the panel accepts.
class DateTime
{
public:
    // 2014-01-01 00:00:00: the earliest valid value and the default.
    static constexpr uint32_t EARLIEST = 1388534400u;
    static constexpr uint32_t SECONDS_PER_DAY = 86400;

    DateTime() : seconds(EARLIEST) {}
    explicit DateTime(uint32_t secondsSince1970) : seconds(secondsSince1970) {}
    // Invalid dates roll over: 31 April is 1 May, hour 24 the next day.
    DateTime(uint16_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minute, uint8_t second);
    explicit DateTime(const date_time& deviceForm) : seconds(0) { setFromDeviceFormat(deviceForm); }
    // From a date-and-time data point of the model: reads it, which clears its changed flag.
    // A template, so that the helpers need nothing of the model above them.
    template <class Point, class Value = decltype(std::declval<const Point&>().getValue()),
              class = typename std::enable_if<std::is_same<typename std::decay<Value>::type, date_time>::value>::type>
    explicit DateTime(const Point& point) : seconds(0)
    {
        setFromDeviceFormat(point.getValue());
    }
    DateTime(const DateTime& other) = default;
    DateTime& operator=(const DateTime& other) = default;
    virtual ~DateTime() = default;

    // The weekday byte is ignored.
    void setFromDeviceFormat(const date_time& deviceForm);
    // Writes every byte, the weekday computed from the date.
    void toDeviceFormat(date_time& deviceForm) const;

    // Keep the date; no range check, so hour 24 carries into the next day.
    void setTime(uint8_t hour, uint8_t minute, uint8_t second);
    void setTime(const Time& time);
    // Keeps the time of day.
    void setDate(uint16_t year, uint8_t month, uint8_t day);

    uint32_t getWeekday() const { return (days() + 4) % 7; } // 0 = Sunday
    uint32_t getYear() const;
    uint32_t getMonth() const;
    uint32_t getDay() const;
    uint32_t getDayOfYear() const;
    uint32_t getHour() const { return seconds % SECONDS_PER_DAY / 3600; }
    uint32_t getMinute() const { return seconds % SECONDS_PER_DAY / 60 % 60; }
    uint32_t getSecond() const { return seconds % 60; }
    uint32_t getTimestamp() const { return seconds; }
    Time getTime() const { return Time(seconds % SECONDS_PER_DAY); }
    // ISO 8601 from Monday to Saturday; a Sunday carries the following Monday's week.
    uint32_t getWeekOfYear() const;
    bool isValid() const { return seconds >= EARLIEST && seconds < 0xFFFFFFFFu; }

    // In place; the two's complement of a count subtracts.
    DateTime& addSeconds(uint32_t count);
    DateTime& addDays(uint32_t count);
    DateTime& addWeeks(uint32_t count);
    // The day is cut to the new month's length: 31 January + 1 is 28 or 29 February.
    DateTime& addMonths(int32_t count);

    int32_t operator-(const DateTime& other) const { return static_cast<int32_t>(seconds - other.seconds); }
    bool operator<(const DateTime& other) const { return seconds < other.seconds; }
    bool operator>(const DateTime& other) const { return seconds > other.seconds; }
    bool operator==(const DateTime& other) const { return seconds == other.seconds; }
    bool operator!=(const DateTime& other) const { return seconds != other.seconds; }

    // Texts are cut at the capacity and terminated when it allows; each returns the units
    // written. "24.12." / "24.12.16" day first, "12/24" / "12/24/16" month first.
    uint16_t formatShortDate(quillon::WideChar* buffer, uint16_t capacity, bool withYear, bool dayFirst) const;
    // "07.03.2016" day first, "03/07/2016" month first.
    uint16_t formatDate(quillon::WideChar* buffer, uint16_t capacity, bool dayFirst) const;
    // The day-first date, the separator, then "hh:mm".
    uint16_t formatDateTime(quillon::WideChar* buffer, uint16_t capacity, quillon::WideChar separator) const;

    static uint32_t getMaxYear() { return 2099; }
    static uint32_t getDaysInMonth(uint32_t month, int32_t year);
    static bool isLeapYear(int32_t year);
    // 53 when 1 January is a Thursday, or a Wednesday in a leap year.
    static uint32_t getWeeksInYear(uint16_t year);

private:
    uint32_t days() const { return seconds / SECONDS_PER_DAY; }
    // Day of the year counted from 0, and whether the year is a leap year (four-year rule).
    uint32_t dayOfYearFromZero(uint32_t& yearsSince1970, bool& leap) const;
    // Day of the year, moved so that 1 March is day 61 in every year.
    uint32_t marchAlignedDay() const;

    uint32_t seconds;
};
} // namespace helpers

#endif
