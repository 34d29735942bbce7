#include "gui/screens/wizard/WizzardSystemSchemeAddPresenter.hpp"

bool WizzardSystemSchemeAddPresenter::hasDataChanged()
{
    return getModel()->getDeviceManager().takeChanged();
}

bool WizzardSystemSchemeAddPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

uint8_t WizzardSystemSchemeAddPresenter::getScheme() const
{
    return getModel()->getGroups().shortQuery.configuration319.getValue();
}

bool WizzardSystemSchemeAddPresenter::hasAddedCylinder() const
{
    return getModel()->getGroups().dhw.schemeFlag.getValue() != 0;
}

void WizzardSystemSchemeAddPresenter::setAddedCylinder()
{
    getModel()->getGroups().dhw.schemeFlag.setValue(1);
}
