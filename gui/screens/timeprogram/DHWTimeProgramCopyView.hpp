#ifndef GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMCOPYVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMCOPYVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramCopyView.hpp"

// The copy screen of this kind; its presenter picks the records and pages.
class DHWTimeProgramCopyView : public TimeProgramCopyView
{
};

#endif
