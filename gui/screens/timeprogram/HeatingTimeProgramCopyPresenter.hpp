#ifndef GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMCOPYPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMCOPYPRESENTER_HPP

#include "gui/screens/timeprogram/TimeProgramCopyPresenter.hpp"

// The generic screen with this kind's records, pages and type codes.
class HeatingTimeProgramCopyPresenter : public TimeProgramCopyPresenter
{
public:
    explicit HeatingTimeProgramCopyPresenter(TimeProgramCopyView& view)
        : TimeProgramCopyPresenter(view, TimeProgramKind::heating())
    {
    }
};

#endif
