#ifndef GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMEDITVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMEDITVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramEditView.hpp"

// The edit screen of this kind; its presenter picks the records and pages.
class HeatingTimeProgramEditView : public TimeProgramEditView
{
};

#endif
