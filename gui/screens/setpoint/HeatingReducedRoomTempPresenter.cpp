#include "gui/screens/setpoint/HeatingReducedRoomTempPresenter.hpp"

#include "model/DataModelManager.hpp"

SetpointTempPresenter::Setpoint& HeatingReducedRoomTempPresenter::getDataPoint()
{
    return getModel()->getGroups().heating.reducedRoomSetpoint.at(circuit);
}
