#ifndef MODEL_GROUPS_FILLINGVENTINGGROUP_HPP
#define MODEL_GROUPS_FILLINGVENTINGGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// The filling and venting service functions.
class FillingVentingGroup : public ParameterGroup
{
public:
    enum Request : unsigned char
    {
        REQUEST_STOP = 0,
        REQUEST_VENTING = 1,
        REQUEST_FILLING = 2,
    };

    U8 state{354, this, NO_ACTIONS}; // not 0: the filling and venting screens go back
    U8 request{227, this, NO_ACTIONS};
};
} // namespace model

#endif
