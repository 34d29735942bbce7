#ifndef GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMCOPYVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_HEATINGTIMEPROGRAMCOPYVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramCopyView.hpp"

// The copy screen of this kind; its presenter picks the records and pages.
class HeatingTimeProgramCopyView : public TimeProgramCopyView
{
};

#endif
