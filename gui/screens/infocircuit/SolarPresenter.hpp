#ifndef GUI_SCREENS_INFOCIRCUIT_SOLARPRESENTER_HPP
#define GUI_SCREENS_INFOCIRCUIT_SOLARPRESENTER_HPP

#include "gui/screens/infocircuit/InfoListPresenter.hpp"
#include "model/groups/IDSolarGroup.hpp"

// The solar system's information lists: its status record and absorber surface; the lines
// follow the detected solar devices and features.
class SolarPresenter : public InfoListPresenter
{
public:
    explicit SolarPresenter(IView& view) : InfoListPresenter(view, DeviceChanges::Rebuild) {}
    ~SolarPresenter() override {}

    void activate() override { watchList(solar()); }

    model::IDSolarGroup& solar() { return getModel()->getGroups().idSolar; }
};

#endif
