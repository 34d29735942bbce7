#ifndef MODEL_GROUPS_LOCKGROUP_HPP
#define MODEL_GROUPS_LOCKGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
class LockGroup : public ParameterGroup
{
public:
    U8 lockLevel{339, this, NO_ACTIONS}; // the panel lock level
};
} // namespace model

#endif
