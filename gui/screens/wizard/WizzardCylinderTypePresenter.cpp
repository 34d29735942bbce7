#include "gui/screens/wizard/WizzardCylinderTypePresenter.hpp"

void WizzardCylinderTypePresenter::activate()
{
    watch({&getModel()->getGroups().dhw.cylinderType});
}

void WizzardCylinderTypePresenter::deactivate()
{
    unwatch();
}

bool WizzardCylinderTypePresenter::hasDataChanged()
{
    const bool point = filterChanged();
    const bool devices = getModel()->getDeviceManager().takeChanged();
    return point || devices;
}

bool WizzardCylinderTypePresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

uint8_t WizzardCylinderTypePresenter::getCylinderType() const
{
    return static_cast<uint8_t>(getModel()->getGroups().dhw.cylinderType.getValue() % TYPE_MODULUS);
}

void WizzardCylinderTypePresenter::setCylinderType(uint8_t type)
{
    getModel()->getGroups().dhw.cylinderType.setValue(type);
}
