#include "gui/screens/setpoint/HeatingComfortTempPresenter.hpp"

#include "model/DataModelManager.hpp"

void HeatingComfortTempPresenter::activate()
{
    model::HeatingGroup& heating = getModel()->getGroups().heating;
    watch({&heating.comfortRequest, &heating.economyRequest});
    HeatingSetpointPresenter::activate();
}

void HeatingComfortTempPresenter::setValue(uint8_t value)
{
    // Comfort on and economy off first, so the device takes the temperature in comfort mode.
    model::HeatingGroup& heating = getModel()->getGroups().heating;
    heating.comfortRequest.at(circuit).setValue(1);
    heating.economyRequest.at(circuit).setValue(0);
    HeatingSetpointPresenter::setValue(value);
}

SetpointTempPresenter::Setpoint& HeatingComfortTempPresenter::getDataPoint()
{
    return getModel()->getGroups().heating.comfortTemperature.at(circuit);
}
