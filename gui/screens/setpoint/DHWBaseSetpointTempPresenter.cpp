#include "gui/screens/setpoint/DHWBaseSetpointTempPresenter.hpp"

#include "model/DataModelManager.hpp"

namespace
{
const uint8_t LOWEST_MINIMUM = 10;
const uint8_t SWITCHED_OFF_CAP = 60;
} // namespace

uint8_t DHWBaseSetpointTempPresenter::getMinimum()
{
    const uint8_t lowerBound = getModel()->getGroups().heating.dhwSetpointLowerBound.getValue();
    return lowerBound > LOWEST_MINIMUM ? lowerBound : LOWEST_MINIMUM;
}

uint8_t DHWBaseSetpointTempPresenter::getMaximum()
{
    model::HeatingGroup& heating = getModel()->getGroups().heating;
    const uint8_t choice = heating.dhwUpperBoundChoice.getValue();
    const uint8_t limitSwitch = getLimitSwitchDataPoint().getValue();
    const uint8_t limit = heating.dhwSetpointLimit349.getValue();
    uint8_t maximum = limit > SWITCHED_OFF_CAP - 1 ? SWITCHED_OFF_CAP : limit;
    if (limitSwitch != 0) {
        maximum = choice == 0 ? limit : heating.dhwSetpointLimit352.getValue();
    }
    // A limit not read yet (0) would let OK write below the minimum.
    const uint8_t minimum = getMinimum();
    return maximum < minimum ? minimum : maximum;
}

SetpointTempPresenter::Setpoint& DHWBaseSetpointTempPresenter::getDataPoint()
{
    return getModel()->getGroups().dhw.setpoint;
}

SetpointTempPresenter::Setpoint& DHWBaseSetpointTempPresenter::getLimitSwitchDataPoint()
{
    return getModel()->getGroups().heating.secondDhwSetpoint;
}
