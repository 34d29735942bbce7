#ifndef GUI_COMMON_HEATINGTITLEFUNCTOR_HPP
#define GUI_COMMON_HEATINGTITLEFUNCTOR_HPP

#include "gui/common/TitleFunctor.hpp"

// Puts the selected heating circuit in front of the title, so one screen serves all three
// circuits: its name, or "Heating circuit" and its number.
class HeatingTitleFunctor : public TitleFunctor
{
public:
    void operator()(guicontrols::TopBar& bar, const quillon::WideChar* title) override;
};

#endif
