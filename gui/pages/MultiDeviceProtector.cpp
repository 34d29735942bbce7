#include "gui/pages/MultiDeviceProtector.hpp"

#include "model/DataModelManager.hpp"

bool MultiDeviceProtector::anyPresent() const
{
    const model::DeviceManager& devices = model::DataModelManager::getInstance().getDeviceManager();
    for (uint32_t i = 0; i < protectedCount; ++i) {
        if (devices.isPresent(protectedDevices[i])) {
            return true;
        }
    }
    return false;
}
