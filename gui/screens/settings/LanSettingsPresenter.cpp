#include "gui/screens/settings/LanSettingsPresenter.hpp"

model::ParameterGroup::U32& LanSettingsPresenter::addressPoint(uint32_t row)
{
    model::LanGroup& group = lan();
    model::ParameterGroup::U32* const points[LanConfigState::ROW_COUNT] = {&group.ipAddress, &group.subnetMask, &group.gateway,
                                                           &group.primaryDns, &group.secondaryDns};
    return *points[row < LanConfigState::ROW_COUNT ? row : 0];
}
