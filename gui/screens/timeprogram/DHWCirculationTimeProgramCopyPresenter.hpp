#ifndef GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMCOPYPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMCOPYPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramCopyPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWCirculationTimeProgramCopyPresenter : public TimeProgramCopyPresenter
{
public:
    explicit DHWCirculationTimeProgramCopyPresenter(TimeProgramCopyView& view)
        : TimeProgramCopyPresenter(view, TimeProgramKind::circulation())
    {
    }
};

#endif
