#include "gui/screens/timeprogram/TimeProgramKind.hpp"

const TimeProgramKind& TimeProgramKind::heating()
{
    static const TimeProgramKind kind = {HEATING,
                                         &Pages::heatingTimeProgramOverviewPage,
                                         &Pages::heatingTimeProgramEditPage,
                                         &Pages::heatingTimeProgramCopyPage,
                                         1191,
                                         793,
                                         quillon::TYPED_TEXT_INVALID,
                                         0,
                                         0,
                                         0};
    return kind;
}

const TimeProgramKind& TimeProgramKind::hotWater()
{
    static const TimeProgramKind kind = {HOT_WATER,
                                         &Pages::dhwTimeProgramOverviewPage,
                                         &Pages::dhwTimeProgramEditPage,
                                         &Pages::dhwTimeProgramCopyPage,
                                         1192,
                                         795,
                                         797,
                                         0x01,
                                         21,
                                         23};
    return kind;
}

const TimeProgramKind& TimeProgramKind::circulation()
{
    static const TimeProgramKind kind = {CIRCULATION,
                                         &Pages::dhwCirculationOverviewPage,
                                         &Pages::dhwCirculationEditPage,
                                         &Pages::dhwCirculationCopyPage,
                                         1193,
                                         796,
                                         798,
                                         0x02,
                                         22,
                                         24};
    return kind;
}
