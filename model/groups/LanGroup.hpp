#ifndef MODEL_GROUPS_LANGROUP_HPP
#define MODEL_GROUPS_LANGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The LAN module. Addresses are IPv4 with the first octet in the most significant byte.
class LanGroup : public ParameterGroup
{
public:
    using Text = DataPoint<lan_text, DP_LAN_TEXT>;
    using Password = DataPoint<lan_password, DP_LAN_PASSWORD>;

    DataPoint<mac_addr, DP_MAC_ADDR> macAddress{629, this, NO_ACTIONS};
    U32 ipAddress{630, this, NO_ACTIONS};
    U32 subnetMask{631, this, NO_ACTIONS};
    U32 gateway{632, this, NO_ACTIONS};
    U32 primaryDns{633, this, NO_ACTIONS};
    U32 secondaryDns{634, this, NO_ACTIONS};
    U8 dhcpOn{635, this, NO_ACTIONS};
    Text text636{636, this, NO_ACTIONS};
    U16 proxyPort{637, this, NO_ACTIONS};
    Text text638{638, this, NO_ACTIONS};
    Text text639{639, this, NO_ACTIONS};
    U8 proxyOn{640, this, NO_ACTIONS};
    U8 moduleOn{641, this, NO_ACTIONS};
    U8 moduleStatus{642, this, NO_ACTIONS};
    U32 moduleError{643, this, NO_ACTIONS}; // watched by the popup rules
    U32 firmwareVersion{644, this, NO_ACTIONS};
    Password password645{645, this, NO_ACTIONS};
    Text text646{646, this, NO_ACTIONS};
    Password password647{647, this, NO_ACTIONS};
    Password password648{648, this, NO_ACTIONS};
    U8 rescueUpdate{650, this, NO_ACTIONS}; // 1 starts, 0 resets; else the module's state
    U16 extendedError{649, this, NO_ACTIONS};
};
} // namespace model

#endif
