#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMKIND_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMKIND_HPP

#include "gui/pages/Pages.hpp"

#include <quillon/TypedText.hpp>

#include <stdint.h>

// What tells the three program kinds apart: their records, pages, texts and type codes.
// The screens of a kind are the generic ones handed one of these.
struct TimeProgramKind
{
    enum Program : uint8_t
    {
        HEATING = 0,
        HOT_WATER = 1,
        CIRCULATION = 2,
    };

    Program program;
    pagemanager::Page Pages::*overviewPage;
    pagemanager::Page Pages::*editPage;
    pagemanager::Page Pages::*copyPage;
    quillon::TextId overviewTitle;
    quillon::TextId overviewHelp;
    quillon::TextId typeHelp;
    uint8_t typeBit;       // set in the type byte: "Automatic"
    uint8_t automaticCode; // function codes of the type choice
    uint8_t individualCode;

    static const TimeProgramKind& heating();
    static const TimeProgramKind& hotWater();
    static const TimeProgramKind& circulation();
};

#endif
