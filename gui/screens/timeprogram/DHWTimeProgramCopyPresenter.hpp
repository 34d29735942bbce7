#ifndef GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMCOPYPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMCOPYPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramCopyPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class DHWTimeProgramCopyPresenter : public TimeProgramCopyPresenter
{
public:
    explicit DHWTimeProgramCopyPresenter(TimeProgramCopyView& view)
        : TimeProgramCopyPresenter(view, TimeProgramKind::hotWater())
    {
    }
};

#endif
