#ifndef MODEL_GROUPS_SHORTQUERYGROUP_HPP
#define MODEL_GROUPS_SHORTQUERYGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// Identification and configuration values the system-scheme step of the commissioning
// wizard reads as a whole. The device defines them; members are named by table index.
class ShortQueryGroup : public ParameterGroup
{
public:
    using Identifier = DataPoint<system_identifier, DP_SYSTEM_IDENTIFIER>;

    U8 configuration319{319, this, NO_ACTIONS}; // also read on its own by the scheme screens
    U8 value4{4, this, NO_ACTIONS};
    U8 value348{348, this, NO_ACTIONS};
    Identifier identifier315{315, this, NO_ACTIONS};
    U8 value2{2, this, NO_ACTIONS};
    DataPoint<common_info, DP_COMMON_INFO> commonInfo{288, this, NO_ACTIONS};
    Identifier identifier35{35, this, NO_ACTIONS};
    Identifier identifier38{38, this, NO_ACTIONS};
    U8 value313{313, this, NO_ACTIONS};
    U8 value312{312, this, NO_ACTIONS};
    U8 value314{314, this, NO_ACTIONS};
    U16 value219{219, this, NO_ACTIONS};
    U16 value220{220, this, NO_ACTIONS};
    Identifier identifier39{39, this, NO_ACTIONS};
    Identifier identifier40{40, this, NO_ACTIONS};
    U8 value18{18, this, NO_ACTIONS};
    DataPoint<lon_info, DP_LON_INFO> lonInfo{587, this, NO_ACTIONS};
    U8 value590{590, this, NO_ACTIONS};
    Identifier identifier588{588, this, NO_ACTIONS};
    Identifier identifier589{589, this, NO_ACTIONS};
    U8 subscriberNumber{333, this, NO_ACTIONS};
    U8 roomTemperatureHc1{92, this, NO_ACTIONS}; // the circuits' room-temperature flags
    U16 value270{270, this, NO_ACTIONS};
    U8 roomTemperatureHc2{145, this, NO_ACTIONS};
    U16 value271{271, this, NO_ACTIONS};
    U8 roomTemperatureHc3{198, this, NO_ACTIONS};
    U16 value272{272, this, NO_ACTIONS};
    Identifier identifier36{36, this, NO_ACTIONS};
    Identifier identifier48{48, this, NO_ACTIONS};
};
} // namespace model

#endif
