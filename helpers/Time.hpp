#ifndef HELPERS_TIME_HPP
#define HELPERS_TIME_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace helpers
{
// A time of day in seconds since midnight. 86400 is 24:00, the end of a day in a time
// program; anything above is invalid.
class Time
{
public:
    static constexpr uint32_t SECONDS_PER_DAY = 86400;
    // 24:00 as a switching-time byte; greater bytes read as this.
    static constexpr uint8_t END_OF_DAY_SWITCH_TIME = 0xC0;
    // "hh:mm"
    static constexpr uint16_t FORMATTED_LENGTH = 5;

    Time() : seconds(0) {}
    explicit Time(uint32_t secondsOfDay) : seconds(secondsOfDay) {}
    Time(uint8_t hour, uint8_t minute, uint8_t second) : seconds(toSeconds(hour, minute, second)) {}
    Time(const Time& other) = default;
    Time& operator=(const Time& other) = default;
    virtual ~Time() = default;

    bool isValid() const { return seconds <= SECONDS_PER_DAY; }

    // 24 for 24:00: not reduced modulo 24.
    uint32_t getHour() const { return seconds / 3600; }
    uint32_t getMinute() const { return seconds / 60 % 60; }
    uint32_t getSecond() const { return seconds % 60; }
    uint32_t getSecondsOfDay() const { return seconds; }

    // No wrap at midnight: 23:30 + 1 h is 24:30, which is invalid.
    Time& addSeconds(uint32_t count);
    Time& addMinutes(uint32_t count);
    Time& set(uint8_t hour, uint8_t minute, uint8_t second);

    // Callers subtract the earlier from the later.
    uint32_t operator-(const Time& other) const { return seconds - other.seconds; }
    bool operator<(const Time& other) const { return seconds < other.seconds; }
    bool operator>(const Time& other) const { return seconds > other.seconds; }
    bool operator==(const Time& other) const { return seconds == other.seconds; }
    bool operator!=(const Time& other) const { return seconds != other.seconds; }

    // "hh:mm", cut at the capacity; returns 5 whatever the capacity allowed.
    uint16_t format(quillon::WideChar* buffer, uint16_t capacity) const;

    // Bytes above 0xC0 read as 24:00. Returns the new seconds.
    uint32_t setFromSwitchTime(uint8_t switchTime);
    // Truncated to the ten-minute step: 07:38 gives 07:30 (0x3B).
    uint8_t toSwitchTime() const;

private:
    static uint32_t toSeconds(uint8_t hour, uint8_t minute, uint8_t second)
    {
        return hour * 3600u + minute * 60u + second;
    }

    uint32_t seconds;
};

// "hh:mm" of hours and minutes, cut at the capacity; returns the units written.
uint16_t formatHoursAndMinutes(quillon::WideChar* buffer, uint16_t capacity, uint32_t hour, uint32_t minute);
} // namespace helpers

#endif
