#include "gui/screens/energy/SolarPumpCalibrationPresenter.hpp"

#include "model/DataModelManager.hpp"

void SolarPumpCalibrationPresenter::sendCalibrationMode(uint8_t mode)
{
    (void)getModel()->getGroups().rpc.functionCode.sendCodeWithData(CALIBRATION_CODE, &mode, 1); // no answer
}

bool SolarPumpCalibrationPresenter::isAbsorberSurfaceKnown()
{
    return getModel()->getGroups().idSolar.absorberSurface.getValue() > 0.0f;
}

uint8_t SolarPumpCalibrationPresenter::getCalibrationFlow()
{
    return getModel()->getGroups().solar.calibrationFlow.getValue();
}

void SolarPumpCalibrationPresenter::setCalibrationFlow(uint8_t tenths)
{
    getModel()->getGroups().solar.calibrationFlow.setValue(tenths);
}

uint8_t SolarPumpCalibrationPresenter::getCalibrationSpeed()
{
    return getModel()->getGroups().solar.value623.getValue();
}
