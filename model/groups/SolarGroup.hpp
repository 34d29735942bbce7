#ifndef MODEL_GROUPS_SOLARGROUP_HPP
#define MODEL_GROUPS_SOLARGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// Solar yield and the solar module's settings.
class SolarGroup : public ParameterGroup
{
public:
    DataPoint<solar_histogram, DP_SOLAR_HISTOGRAM> yieldHistory{628, this, NO_ACTIONS};
    U8 pumpType{622, this, NO_ACTIONS}; // PWM or constant speed
    U8 cylinderMaximumTemperature{624, this, NO_ACTIONS};
    U8 stagnationTimeReduction{625, this, NO_ACTIONS};
    U8 flow{626, this, NO_ACTIONS};
    U8 destratificationPump{627, this, NO_ACTIONS};
    U8 calibrationFlow{626, this, NO_ACTIONS}; // the entry of flow, for the calibration screen
    U8 value623{623, this, NO_ACTIONS};
};
} // namespace model

#endif
