#ifndef GUI_SCREENS_SETTINGS_LANSETTINGSPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_LANSETTINGSPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/screens/settings/LanConfigState.hpp"
#include "model/groups/LanGroup.hpp"

// The LAN module's points as the configuration screens use them.
class LanSettingsPresenter : public BasePresenter
{
public:
    explicit LanSettingsPresenter(IView& view) : BasePresenter(view) {}

    // Writes the opposite to "DHCP activated".
    void setStatic(bool isStatic) { lan().dhcpOn.setValue(isStatic ? 0 : 1); }
    LanConfigState& config() { return LanConfigState::shared(); }

protected:
    model::LanGroup& lan() { return getModel()->getGroups().lan; }
    // The address point of a list row, in the state's row order.
    model::ParameterGroup::U32& addressPoint(uint32_t row);
};

#endif
