#include "gui/screens/setpoint/SetpointTempPresenter.hpp"

void SetpointTempPresenter::activate()
{
    watch({&getDataPoint()});
}

void SetpointTempPresenter::deactivate()
{
    unwatch();
}

uint8_t SetpointTempPresenter::getValue()
{
    return getDataPoint().getValue();
}

void SetpointTempPresenter::setValue(uint8_t value)
{
    getDataPoint().setValue(value);
}
