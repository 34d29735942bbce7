#include "gui/screens/info/GeneralPresenter.hpp"

namespace
{
const uint8_t OUTPUT_20_BITS = 0x0C;
}

void GeneralPresenter::activate()
{
    watchGroup(getModel()->getGroups().general);
    watchGroup(getModel()->getGroups().dhw);
    watchDevices();
    watchClock();
}

void GeneralPresenter::deactivate()
{
    unwatch();
}

bool GeneralPresenter::isAvailable(uint32_t deviceFlag)
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

bool GeneralPresenter::isOutput20On()
{
    return (getModel()->getGroups().general.commonInfo.getValue().bytes[2] & OUTPUT_20_BITS) != 0;
}

bool GeneralPresenter::isOutput21On()
{
    return getModel()->getGroups().general.output21.getValue() != 0;
}

bool GeneralPresenter::isInternalOutputOn()
{
    return getModel()->getGroups().general.internalExtensionOutput.getValue() != 0;
}
