#include "gui/pages/ExpertMultiDeviceProtector.hpp"

#include "model/DataModelManager.hpp"

bool ExpertMultiDeviceProtector::isAvailable()
{
    const model::DeviceManager& devices = model::DataModelManager::getInstance().getDeviceManager();
    return devices.isPresent(EXPERT_DEVICE) && anyPresent();
}
