#ifndef GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMEDITPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMEDITPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramEditPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWTimeProgramEditPresenter : public TimeProgramEditPresenter
{
public:
    explicit DHWTimeProgramEditPresenter(TimeProgramEditView& view)
        : TimeProgramEditPresenter(view, TimeProgramKind::hotWater())
    {
    }
};

#endif
