#ifndef HELPERS_DEVICEDATETIME_HPP
#define HELPERS_DEVICEDATETIME_HPP

#include <stdint.h>

// A date and time as it travels in device frames, one packed BCD byte per field. Here, below
// the model, because helpers::DateTime converts it; the model's records include it.
struct date_time
{
    uint8_t century; // year / 100
    uint8_t year;    // year mod 100
    uint8_t month;   // 1..12
    uint8_t day;     // 1..31
    uint8_t weekday; // 0 = Sunday; ignored when read, computed when written
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
};
static_assert(sizeof(date_time) == 8, "date_time travels as 8 bytes");

#endif
