#include "gui/screens/info/DHWPresenter.hpp"

namespace
{
const uint32_t DHW_TEMPERATURE_STATUS = 18; // byte of the common information
}

void DHWPresenter::activate()
{
    model::ParameterGroups& groups = getModel()->getGroups();
    watchGroup(groups.dhw);
    watchGroup(groups.cylinder);
    watch({&groups.idSolar.solarInfo});
    watchDevices();
}

void DHWPresenter::deactivate()
{
    unwatch();
}

bool DHWPresenter::isAvailable(uint32_t deviceFlag)
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

bool DHWPresenter::isActualValid()
{
    return getModel()->getGroups().dhw.commonInfo.getValue().bytes[DHW_TEMPERATURE_STATUS] == 0;
}
