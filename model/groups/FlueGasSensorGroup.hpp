#ifndef MODEL_GROUPS_FLUEGASSENSORGROUP_HPP
#define MODEL_GROUPS_FLUEGASSENSORGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// Flue-gas sensor and gas type; the popup rules watch the whole group.
class FlueGasSensorGroup : public ParameterGroup
{
public:
    U8 sensorState{225, this, NO_ACTIONS};
    U8 sensorState2{953, this, NO_ACTIONS};
    U8 acknowledgement{295, this, NO_ACTIONS}; // written with 1 when both states are 1
    U8 sensorState3{346, this, NO_ACTIONS};
    U8 tileChoice1{212, this, NO_ACTIONS};
    U8 tileChoice2{222, this, NO_ACTIONS};
    U8 gasType{336, this, NO_ACTIONS}; // "Gas type": natural or liquefied gas
};
} // namespace model

#endif
