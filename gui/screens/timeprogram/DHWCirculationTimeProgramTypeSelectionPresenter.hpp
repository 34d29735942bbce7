#ifndef GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMTYPESELECTIONPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMTYPESELECTIONPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramTypeSelectionPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWCirculationTimeProgramTypeSelectionPresenter : public TimeProgramTypeSelectionPresenter
{
public:
    explicit DHWCirculationTimeProgramTypeSelectionPresenter(TimeProgramTypeSelectionView& view)
        : TimeProgramTypeSelectionPresenter(view, TimeProgramKind::circulation())
    {
    }
};

#endif
