#include "gui/screens/infocircuit/InfoListPresenter.hpp"

#include "gui/screens/infocircuit/SolarFlags.hpp"
#include "model/DataModelManager.hpp"

bool InfoListPresenter::hasDataChanged()
{
    const bool values = filterChanged();
    const bool devices = getModel()->getDeviceManager().takeChanged();
    return values || (devices && deviceChanges == DeviceChanges::Rebuild);
}

bool InfoListPresenter::isAvailable(uint8_t flag) const
{
    return getModel()->getDeviceManager().isPresent(flag);
}

bool InfoListPresenter::hasLargeSolarSystem() const
{
    return isAvailable(SolarFlags::KIND_3) || isAvailable(SolarFlags::KIND_4);
}

bool InfoListPresenter::countsSolarEnergy() const
{
    return !isAvailable(SolarFlags::NO_ENERGY_A) && !isAvailable(SolarFlags::NO_ENERGY_B);
}

void InfoListPresenter::watchList(model::ParameterGroup& group)
{
    getModel()->getDeviceManager().takeChanged();
    watchGroup(group);
}
