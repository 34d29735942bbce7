#ifndef MODEL_GROUPS_GENERALGROUP_HPP
#define MODEL_GROUPS_GENERALGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The boiler and its inputs and outputs.
class GeneralGroup : public ParameterGroup
{
public:
    DataPoint<common_info, DP_COMMON_INFO> commonInfo{288, this, NO_ACTIONS};
    DataPoint<boiler_info, DP_BOILER_INFO> boilerInfo{211, this, NO_ACTIONS};
    Float<DP_SCALED_S16> value217{217, this, NO_ACTIONS}; // no screen shows it
    // The table entry is of type 7; the float read is the same.
    Float<DP_SCALED_S16> boilerTemperature{7, this, NO_ACTIONS};
    U32 burnerStarts{20, this, NO_ACTIONS};
    Float<DP_SCALED_U32> value310{310, this, NO_ACTIONS}; // no screen shows it
    Float<DP_SCALED_S16> adjustedOutsideTemperature{214, this, NO_ACTIONS};
    U32 burnerSeconds{27, this, NO_ACTIONS}; // "Burner hours" in whole hours
    U32 counter28{28, this, NO_ACTIONS};     // no screen shows it
    U8 output20Function{326, this, NO_ACTIONS};
    U8 output21{17, this, NO_ACTIONS};
    U8 output21Function{290, this, NO_ACTIONS};
    U8 switchingValve{34, this, NO_ACTIONS};
    U8 internalExtensionOutput{14, this, NO_ACTIONS};
    U8 internalExtensionFunction{291, this, NO_ACTIONS};
    U8 subscriberNumber{333, this, NO_ACTIONS}; // watched by the popup rules
    U8 inputDe1{41, this, NO_ACTIONS};
    U8 inputDe2{42, this, NO_ACTIONS};
    U8 inputDe3{43, this, NO_ACTIONS};
    U8 inputDe1Function{327, this, NO_ACTIONS};
    U8 inputDe2Function{328, this, NO_ACTIONS};
    U8 inputDe3Function{329, this, NO_ACTIONS};
    Float<DP_SCALED_U16> externalHookUp{44, this, NO_ACTIONS}; // 0..10 V as a percentage
    U8 qn5Output{45, this, NO_ACTIONS};
    U8 qn5OutputFunction{325, this, NO_ACTIONS};
    U8 xb3Output1{46, this, NO_ACTIONS};
    U8 xb3Output1Function{322, this, NO_ACTIONS};
    U8 xb3Output2{47, this, NO_ACTIONS};
    U8 xb3Output2Function{323, this, NO_ACTIONS};
    U32 actualPower{292, this, NO_ACTIONS}; // kW
    U8 configuration335{335, this, NO_ACTIONS};
    U8 heatRequest{213, this, NO_ACTIONS};
    U8 modulation{218, this, NO_ACTIONS}; // %
    Float<DP_FLOAT> gasQuality1{236, this, NO_ACTIONS};
    Float<DP_FLOAT> gasQuality2{235, this, NO_ACTIONS};
    // The gas meter reading screen's values.
    U32 gasMeter229{229, this, NO_ACTIONS};
    U32 gasMeter230{230, this, NO_ACTIONS};
    U32 gasMeter232{232, this, NO_ACTIONS};
    U32 gasMeter233{233, this, NO_ACTIONS};
    U32 gasMeter231{231, this, NO_ACTIONS};
    U32 gasMeter234{234, this, NO_ACTIONS};
    U32 gasMeter237{237, this, NO_ACTIONS};
};
} // namespace model

#endif
