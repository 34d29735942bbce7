#include "gui/screens/wizard/WizzardSystemSchemeEditPresenter.hpp"

#include "model/devices/DeviceIds.hpp"

bool WizzardSystemSchemeEditPresenter::hasDataChanged()
{
    return getModel()->getDeviceManager().takeChanged();
}

bool WizzardSystemSchemeEditPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

bool WizzardSystemSchemeEditPresenter::hasSolar() const
{
    return isAvailable(DEVICE_ZR6) || isAvailable(DEVICE_ZR6_B) || isAvailable(DEVICE_HELIORA_1) ||
           isAvailable(DEVICE_HELIORA_2);
}

uint8_t WizzardSystemSchemeEditPresenter::getScheme() const
{
    return getModel()->getGroups().shortQuery.configuration319.getValue();
}

bool WizzardSystemSchemeEditPresenter::hasAddedCylinder() const
{
    return getModel()->getGroups().dhw.schemeFlag.getValue() != 0;
}
