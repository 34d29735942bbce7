#ifndef MODEL_GROUPS_CYLINDERGROUP_HPP
#define MODEL_GROUPS_CYLINDERGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// Cylinder history, stratification, minimum and maximum, buffer load and energy cockpit.
class CylinderGroup : public ParameterGroup
{
public:
    static constexpr uint32_t DAYS_OF_MONTH = 31;
    using History24 = DataPoint<temperature_24, DP_TEMPERATURE_24>;
    using History12 = RangeDataPoint<temperature_12, DP_TEMPERATURE_12, 8>;
    using History6 = RangeDataPoint<temperature_6, DP_TEMPERATURE_6, DAYS_OF_MONTH>;
    using Stratification = RangeDataPoint<percent_48, DP_PERCENT_48, DAYS_OF_MONTH>;
    using MinMax = DataPoint<cylinder_min_max, DP_CYLINDER_MIN_MAX>;

    DataPoint<temperature_21, DP_TEMPERATURE_21> profile{665, this, NO_ACTIONS}; // 21 levels
    DataPoint<temperature_11, DP_TEMPERATURE_11> calculatedTemperatures{654, this, NO_ACTIONS};
    U8 chargeState{661, this, NO_ACTIONS}; // %
    U8 bufferLoad662{662, this, NO_ACTIONS};
    U8 bufferLoad663{663, this, NO_ACTIONS};
    U8 bufferLoad664{664, this, NO_ACTIONS};
    History24 history24_1{752, this, NO_ACTIONS};
    History24 history24_2{753, this, NO_ACTIONS};
    History24 history24_3{754, this, NO_ACTIONS};
    History24 history24_4{755, this, NO_ACTIONS};
    History24 history24_5{756, this, NO_ACTIONS};
    History12 history12_1{this, 757};
    History12 history12_2{this, 765};
    History12 history12_3{this, 773};
    History12 history12_4{this, 781};
    History12 history12_5{this, 789};
    History6 history6_1{this, 797};
    History6 history6_2{this, 828};
    History6 history6_3{this, 859};
    History6 history6_4{this, 890};
    History6 history6_5{this, 921};
    Stratification stratification1{this, 954};
    Stratification stratification2{this, 985};
    Stratification stratification3{this, 591};
    MinMax collectorMinimum{668, this, NO_ACTIONS};
    MinMax collectorMaximum{667, this, NO_ACTIONS};
    MinMax cylinderMinimum{670, this, NO_ACTIONS};
    MinMax cylinderMaximum{669, this, NO_ACTIONS};
    U8 flag296{296, this, NO_ACTIONS};
    Float<DP_FLOAT> stratificationLimit1{651, this, NO_ACTIONS};
    Float<DP_FLOAT> stratificationLimit2{652, this, NO_ACTIONS};
    Float<DP_FLOAT> stratificationLimit3{653, this, NO_ACTIONS};
    U32 minMaxDate{671, this, NO_ACTIONS}; // seconds since 1970
};
} // namespace model

#endif
