#ifndef GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMCOPYVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMCOPYVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramCopyView.hpp"

// The copy screen of this kind; its presenter picks the records and pages.
class DHWCirculationTimeProgramCopyView : public TimeProgramCopyView
{
};

#endif
