#ifndef GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMOVERVIEWVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMOVERVIEWVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"

// The overview screen of this kind; its presenter picks the records and pages.
class HeatingTimeProgramOverviewView : public TimeProgramOverviewView
{
};

#endif
