#include "helpers/Time.hpp"

#include "helpers/Conversions.hpp"
#include "helpers/Text.hpp"

namespace helpers
{
Time& Time::addSeconds(uint32_t count)
{
    seconds += count;
    return *this;
}

Time& Time::addMinutes(uint32_t count)
{
    return addSeconds(count * 60);
}

Time& Time::set(uint8_t hour, uint8_t minute, uint8_t second)
{
    seconds = toSeconds(hour, minute, second);
    return *this;
}

uint16_t Time::format(quillon::WideChar* buffer, uint16_t capacity) const
{
    formatHoursAndMinutes(buffer, capacity, getHour(), getMinute());
    return FORMATTED_LENGTH;
}

uint32_t Time::setFromSwitchTime(uint8_t switchTime)
{
    if (switchTime > END_OF_DAY_SWITCH_TIME) {
        switchTime = END_OF_DAY_SWITCH_TIME;
    }
    seconds = switchTimeToSeconds(switchTime);
    return seconds;
}

uint8_t Time::toSwitchTime() const
{
    return helpers::toSwitchTime(getHour(), getMinute());
}

uint16_t formatHoursAndMinutes(quillon::WideChar* buffer, uint16_t capacity, uint32_t hour, uint32_t minute)
{
    TextCursor out(buffer, capacity);
    out.number(static_cast<int32_t>(hour), 2).character(':').number(static_cast<int32_t>(minute), 2);
    return out.written();
}
} // namespace helpers
