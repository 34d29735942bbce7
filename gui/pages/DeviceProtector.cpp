#include "gui/pages/DeviceProtector.hpp"

#include "model/DataModelManager.hpp"

bool DeviceProtector::isAvailable()
{
    return model::DataModelManager::getInstance().getDeviceManager().isPresent(protectedDevice);
}
