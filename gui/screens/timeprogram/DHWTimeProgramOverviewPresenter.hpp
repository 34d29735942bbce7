#ifndef GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMOVERVIEWPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMOVERVIEWPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramOverviewPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWTimeProgramOverviewPresenter : public TimeProgramOverviewPresenter
{
public:
    explicit DHWTimeProgramOverviewPresenter(TimeProgramOverviewView& view)
        : TimeProgramOverviewPresenter(view, TimeProgramKind::hotWater())
    {
    }
};

#endif
