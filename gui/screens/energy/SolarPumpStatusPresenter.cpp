#include "gui/screens/energy/SolarPumpStatusPresenter.hpp"

#include "model/DataModelManager.hpp"

void SolarPumpStatusPresenter::activate()
{
    watch({&solar().solarInfo});
}

float SolarPumpStatusPresenter::getCalibrationFlow()
{
    return getModel()->getGroups().solar.calibrationFlow.getValue() / 10.0f; // tenths of l/min
}

uint8_t SolarPumpStatusPresenter::getCalibrationSpeed()
{
    return getModel()->getGroups().solar.value623.getValue(); // the speed the flow was measured at
}

uint8_t SolarPumpStatusPresenter::getPumpSpeed()
{
    return solar().solarInfo.getValue().bytes[1];
}

model::IDSolarGroup& SolarPumpStatusPresenter::solar()
{
    return getModel()->getGroups().idSolar;
}
