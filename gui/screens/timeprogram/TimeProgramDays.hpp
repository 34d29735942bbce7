#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMDAYS_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMDAYS_HPP

#include "gui/screens/timeprogram/TimeProgramStore.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The weekday texts of the time-program screens, Monday first, and their common title.
class TimeProgramDays
{
public:
    static const uint16_t TITLE_UNITS = 50;

    static quillon::TextId shortName(uint8_t day);
    static quillon::TextId longName(uint8_t day);
    // "Time program for <weekday>", cut to the buffer.
    static void formatTitle(quillon::WideChar (&title)[TITLE_UNITS], uint8_t day);
};

#endif
