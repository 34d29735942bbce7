#include "gui/screens/energy/BoilerDetailsMainPresenter.hpp"

#include "model/DataModelManager.hpp"

namespace
{
// The order the model names are asked in; flag 58 wins over 57.
const uint32_t BOILER_FLAGS_IN_ORDER[] = {58, 57, 59, 60};
const uint32_t DEFAULT_BOILER = 57;
} // namespace

void BoilerDetailsMainPresenter::activate()
{
    model::ParameterGroups& g = getModel()->getGroups();
    watch({&g.general.burnerSeconds, &g.general.actualPower, &g.cylinder.flag296});
}

uint32_t BoilerDetailsMainPresenter::getBoilerDevice()
{
    const model::DeviceManager& devices = getModel()->getDeviceManager();
    for (uint32_t flag : BOILER_FLAGS_IN_ORDER) {
        if (devices.isPresent(flag)) {
            return flag;
        }
    }
    return DEFAULT_BOILER;
}
