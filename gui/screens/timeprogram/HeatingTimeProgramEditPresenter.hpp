#ifndef GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMEDITPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMEDITPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramEditPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class HeatingTimeProgramEditPresenter : public TimeProgramEditPresenter
{
public:
    explicit HeatingTimeProgramEditPresenter(TimeProgramEditView& view)
        : TimeProgramEditPresenter(view, TimeProgramKind::heating())
    {
    }
};

#endif
