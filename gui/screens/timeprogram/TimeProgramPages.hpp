#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMPAGES_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMPAGES_HPP

#include "gui/pages/Pages.hpp"

// The running application's page tree, or null where no application of ours runs.
class TimeProgramPages
{
public:
    static Pages* find();
    static pagemanager::Page* page(pagemanager::Page Pages::*member);
};

#endif
