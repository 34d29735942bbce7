#include "gui/screens/wizard/TuningPresenter.hpp"

#include "gui/screens/wizard/DevicePresence.hpp"

void TuningPresenter::deactivate()
{
    unwatch();
}

bool TuningPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel() != nullptr && getModel()->getDeviceManager().isPresent(deviceFlag);
}

bool TuningPresenter::isAnyAvailable(std::initializer_list<uint32_t> deviceFlags) const
{
    return getModel() != nullptr && isAnyPresent(getModel()->getDeviceManager(), deviceFlags);
}
