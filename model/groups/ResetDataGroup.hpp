#ifndef MODEL_GROUPS_RESETDATAGROUP_HPP
#define MODEL_GROUPS_RESETDATAGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The values shown next to the reset functions.
class ResetDataGroup : public ParameterGroup
{
public:
    U32 burnerHours{27, this, NO_ACTIONS};
    U32 burnerStarts{20, this, NO_ACTIONS};
    Float<DP_SCALED_S16> adjustedOutsideTemperature{214, this, NO_ACTIONS};
    Float<DP_SCALED_U32> value310{310, this, NO_ACTIONS}; // no screen shows it
    DataPoint<solar_info, DP_SOLAR_INFO> solarInfo{253, this, NO_ACTIONS}; // its counters reset
};
} // namespace model

#endif
