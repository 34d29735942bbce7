#ifndef GUI_SCREENS_WIZARD_WIZZARDTUNINGSOLARMODULEPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDTUNINGSOLARMODULEPRESENTER_HPP

#include "gui/screens/wizard/TuningPresenter.hpp"

// The solar module's settings as the commissioning looks them over.
class WizzardTuningSolarModulePresenter : public TuningPresenter
{
public:
    explicit WizzardTuningSolarModulePresenter(IView& view) : TuningPresenter(view) {}
    ~WizzardTuningSolarModulePresenter() override {}

    void activate() override;
};

#endif
