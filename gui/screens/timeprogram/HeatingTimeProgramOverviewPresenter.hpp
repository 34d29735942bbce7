#ifndef GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMOVERVIEWPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMOVERVIEWPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramOverviewPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class HeatingTimeProgramOverviewPresenter : public TimeProgramOverviewPresenter
{
public:
    explicit HeatingTimeProgramOverviewPresenter(TimeProgramOverviewView& view)
        : TimeProgramOverviewPresenter(view, TimeProgramKind::heating())
    {
    }
};

#endif
