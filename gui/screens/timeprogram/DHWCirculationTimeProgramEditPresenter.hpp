#ifndef GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMEDITPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMEDITPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramEditPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWCirculationTimeProgramEditPresenter : public TimeProgramEditPresenter
{
public:
    explicit DHWCirculationTimeProgramEditPresenter(TimeProgramEditView& view)
        : TimeProgramEditPresenter(view, TimeProgramKind::circulation())
    {
    }
};

#endif
