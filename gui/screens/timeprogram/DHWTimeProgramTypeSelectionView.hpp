#ifndef GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMTYPESELECTIONVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_DHWTIMEPROGRAMTYPESELECTIONVIEW_HPP

#include "gui/screens/timeprogram/TimeProgramTypeSelectionView.hpp"

// The type selection screen of this kind; its presenter picks the records and pages.
class DHWTimeProgramTypeSelectionView : public TimeProgramTypeSelectionView
{
};

#endif
