#include "gui/screens/infocircuit/InfoListPresenter.hpp"

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

void InfoListPresenter::watchList(model::ParameterGroup& group)
{
    getModel()->getDeviceManager().takeChanged();
    watchGroup(group);
}
