#ifndef MODEL_GROUPS_FAULTGROUP_HPP
#define MODEL_GROUPS_FAULTGROUP_HPP

#include "model/groups/ParameterGroup.hpp"

namespace model
{
class FaultGroup : public ParameterGroup
{
public:
    static constexpr uint32_t ENTRIES = 10;

    // Entries from the first while their fault code is not 0: the first empty entry ends
    // the list.
    uint32_t getFaultCount() const
    {
        uint32_t faults = 0;
        while (faults < ENTRIES && faultList.at(faults).getValue().code() != 0) {
            ++faults;
        }
        return faults;
    }

    RangeDataPoint<alarm_buffer, DP_ALARM_BUFFER, ENTRIES> faultList{this, 278};
    RangeDataPoint<alarm_history, DP_ALARM_HISTORY, ENTRIES> faultHistory{this, 298};
};
} // namespace model

#endif
