#ifndef GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMTYPESELECTIONPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMTYPESELECTIONPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramTypeSelectionPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWTimeProgramTypeSelectionPresenter : public TimeProgramTypeSelectionPresenter
{
public:
    explicit DHWTimeProgramTypeSelectionPresenter(TimeProgramTypeSelectionView& view)
        : TimeProgramTypeSelectionPresenter(view, TimeProgramKind::hotWater())
    {
    }
};

#endif
