#ifndef GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMEDITVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMEDITVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramEditView.hpp"

// The edit screen of this kind; its presenter picks the records and pages.
class DHWTimeProgramEditView : public TimeProgramEditView
{
};

#endif
