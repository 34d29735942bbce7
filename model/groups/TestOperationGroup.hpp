#ifndef MODEL_GROUPS_TESTOPERATIONGROUP_HPP
#define MODEL_GROUPS_TESTOPERATIONGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The test-operation service function.
class TestOperationGroup : public ParameterGroup
{
public:
    U8 request{311, this, NO_ACTIONS};        // 1 starts; not 0 raises the test-operation popup
    U8 flowSufficient{294, this, NO_ACTIONS}; // not 0: the flow is sufficient
    U8 running{223, this, NO_ACTIONS};        // not 0 while it runs; 0 stops it
    U8 flowTest{293, this, NO_ACTIONS};       // 1 starts, 0 ends; never polled
    DataPoint<thermal_output, DP_THERMAL_OUTPUT> thermalOutput{221, this, NO_ACTIONS}; // never polled
    U8 parameter353{353, this, NO_ACTIONS};
    U8 parameter351{351, this, NO_ACTIONS};
    U8 maximumThermalOutput{347, this, NO_ACTIONS}; // "Maximum thermal output"
};
} // namespace model

#endif
