#ifndef GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMOVERVIEWPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMOVERVIEWPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramOverviewPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWCirculationTimeProgramOverviewPresenter : public TimeProgramOverviewPresenter
{
public:
    explicit DHWCirculationTimeProgramOverviewPresenter(TimeProgramOverviewView& view)
        : TimeProgramOverviewPresenter(view, TimeProgramKind::circulation())
    {
    }
};

#endif
