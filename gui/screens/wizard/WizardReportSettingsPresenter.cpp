#include "gui/screens/wizard/WizardReportSettingsPresenter.hpp"

#include "gui/screens/wizard/DevicePresence.hpp"

namespace
{
const uint8_t CIRCUITS = 3;
}

bool WizardReportSettingsPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel() != nullptr && getModel()->getDeviceManager().isPresent(deviceFlag);
}

bool WizardReportSettingsPresenter::isUnderfloorCircuit(uint8_t circuit) const
{
    return getModel() != nullptr && circuit < CIRCUITS &&
           getModel()->getGroups().hc.circuitType[circuit].getValue() == UNDERFLOOR_TYPE;
}

bool WizardReportSettingsPresenter::isAnyAvailable(std::initializer_list<uint32_t> deviceFlags) const
{
    return getModel() != nullptr && isAnyPresent(getModel()->getDeviceManager(), deviceFlags);
}
