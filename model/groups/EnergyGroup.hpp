#ifndef MODEL_GROUPS_ENERGYGROUP_HPP
#define MODEL_GROUPS_ENERGYGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
// Consumption and yield histories: four blocks of ranges of 8, 53, 13 and 3 values on
// consecutive table indexes.
class EnergyGroup : public ParameterGroup
{
public:
    template <uint32_t N>
    using Series = RangeDataPoint<unsigned int, DP_U32, N>;

    // A block's four ranges.
    struct Block
    {
        Block(IPropertyFilter* owner, uint32_t first)
            : series8(owner, first), series53(owner, first + 8), series13(owner, first + 61),
              series3(owner, first + 74)
        {
        }

        Series<8> series8;
        Series<53> series53;
        Series<13> series13;
        Series<3> series3;
    };

    Block gas1{this, 356};
    Block gas2{this, 433};
    Block electricity{this, 510};
    Block solarYield{this, 675};
};
} // namespace model

#endif
