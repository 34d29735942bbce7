#ifndef GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMOVERVIEWVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWCIRCULATIONTIMEPROGRAMOVERVIEWVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"

// The overview screen of this kind; its presenter picks the records and pages.
class DHWCirculationTimeProgramOverviewView : public TimeProgramOverviewView
{
};

#endif
