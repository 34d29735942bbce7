#ifndef MODEL_GROUPS_RVGROUP_HPP
#define MODEL_GROUPS_RVGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The communication interface.
class RvGroup : public ParameterGroup
{
public:
    DataPoint<relavo20_info, DP_RELAVO20_INFO> interfaceInfo{50, this, NO_ACTIONS};
};
} // namespace model

#endif
