#ifndef MODEL_GROUPS_PARAMETERGROUP_HPP
#define MODEL_GROUPS_PARAMETERGROUP_HPP

#include "model/DataPoint.hpp"
#include "model/RangeDataPoint.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/records/Records.hpp"

#include <stdint.h>

namespace model
{
// A fixed set of device values that belong together, itself a filter: its members list
// themselves in it as they are constructed, in declaration order, so a presenter can hand
// the whole group to a filter, activate it and ask whether anything changed.
class ParameterGroup : public DefaultPropertyFilter
{
public:
    using U8 = DataPoint<unsigned char, DP_U8>;
    using S8 = DataPoint<signed char, DP_S8>;
    using U16 = DataPoint<unsigned short, DP_U16>;
    using U32 = DataPoint<unsigned int, DP_U32>;
    template <dp_type D>
    using Float = DataPoint<float, D>;
    // One value per heating circuit, circuits 1, 2, 3 in that order.
    template <typename T, dp_type D>
    using PerCircuit = RangeDataPoint<T, D, 3>;

    ParameterGroup() = default;
    ParameterGroup(const ParameterGroup&) = delete;
    ParameterGroup& operator=(const ParameterGroup&) = delete;

protected:
    // Group members run no actions of their own.
    static constexpr BaseDataPoint::IActions* NO_ACTIONS = nullptr;
};
} // namespace model

#endif
