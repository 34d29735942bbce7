#ifndef MODEL_GROUPS_IDSOLARGROUP_HPP
#define MODEL_GROUPS_IDSOLARGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// Solar controller identification and status.
class IDSolarGroup : public ParameterGroup
{
public:
    DataPoint<solar_info, DP_SOLAR_INFO> solarInfo{253, this, NO_ACTIONS};
    U8 value257{257, this, NO_ACTIONS};
    Float<DP_FLOAT> absorberSurface{666, this, NO_ACTIONS}; // m², 0 until entered
    U8 absorberValue673{673, this, NO_ACTIONS};
    U8 absorberValue674{674, this, NO_ACTIONS};
};
} // namespace model

#endif
