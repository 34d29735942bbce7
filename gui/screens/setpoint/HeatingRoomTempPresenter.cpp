#include "gui/screens/setpoint/HeatingRoomTempPresenter.hpp"

#include "model/DataModelManager.hpp"

SetpointTempPresenter::Setpoint& HeatingRoomTempPresenter::getDataPoint()
{
    return getModel()->getGroups().heating.roomSetpoint.at(circuit);
}
