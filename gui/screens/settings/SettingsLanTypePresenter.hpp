#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANTYPEPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANTYPEPRESENTER_HPP

#include "gui/screens/settings/LanSettingsPresenter.hpp"

// DHCP or static addresses for the LAN module.
class SettingsLanTypePresenter : public LanSettingsPresenter
{
public:
    explicit SettingsLanTypePresenter(IView& view) : LanSettingsPresenter(view) {}

    void activate() override { watch({&lan().dhcpOn}); }
    void deactivate() override { unwatch(); }

    bool isStatic() { return lan().dhcpOn.getValue() == 0; }
};

#endif
