#ifndef MODEL_GROUPS_DHWGROUP_HPP
#define MODEL_GROUPS_DHWGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// Hot water.
class DHWGroup : public ParameterGroup
{
public:
    DataPoint<common_info, DP_COMMON_INFO> commonInfo{288, this, NO_ACTIONS}; // DHW temperatures
    DataPoint<hc_pump, DP_HC_PUMP> circulationPump{243, this, NO_ACTIONS};
    DataPoint<hc_pump, DP_HC_PUMP> cylinderPrimaryPump{242, this, NO_ACTIONS};
    U8 chargeState{661, this, NO_ACTIONS}; // %
    U8 tuningValue15{15, this, NO_ACTIONS};
    U8 setpoint{238, this, NO_ACTIONS}; // whole degrees
    U8 tuningValue262{262, this, NO_ACTIONS};
    U8 separatorConnection{260, this, NO_ACTIONS}; // in front of or behind the separator
    U8 reheatingSuppression{261, this, NO_ACTIONS};
    U8 circulationPumpPresent{256, this, NO_ACTIONS};
    U8 destratificationPump{627, this, NO_ACTIONS};
    U8 cylinderType{255, this, NO_ACTIONS};
    U8 state240{240, this, NO_ACTIONS}; // tested for 1 with the burner bit
    U8 schemeFlag{265, this, NO_ACTIONS};
    U8 cylinderStatus{264, this, NO_ACTIONS};
    Float<DP_SCALED_U16> listSetpoint{239, this, NO_ACTIONS};
    U8 cylinderSensorStatus{10, this, NO_ACTIONS};
};
} // namespace model

#endif
