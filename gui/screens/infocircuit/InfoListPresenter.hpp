#ifndef GUI_SCREENS_INFOCIRCUIT_INFOLISTPRESENTER_HPP
#define GUI_SCREENS_INFOCIRCUIT_INFOLISTPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "model/groups/ParameterGroup.hpp"

#include <stdint.h>

// The presenter of an information list over one parameter group: the group is watched while
// the page is shown, and the list is rebuilt when one of its values or, for lists whose
// lines follow the devices, a device's presence changed.
class InfoListPresenter : public BasePresenter
{
public:
    enum class DeviceChanges
    {
        Rebuild,
        Ignore,
    };

    InfoListPresenter(IView& view, DeviceChanges deviceChanges) : BasePresenter(view), deviceChanges(deviceChanges) {}
    ~InfoListPresenter() override {}

    void deactivate() override { unwatch(); }
    // Both reports are taken on every call, so neither is reported again later.
    bool hasDataChanged() override;
    bool isAvailable(uint8_t flag) const;
    // A solar system of kind 3 or 4.
    bool hasLargeSolarSystem() const;
    // Neither device that keeps the solar energy from being counted.
    bool countsSolarEnergy() const;

protected:
    // Watches the group and forgets device changes from before the list was built.
    void watchList(model::ParameterGroup& group);

private:
    DeviceChanges deviceChanges;
};

#endif
