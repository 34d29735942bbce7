#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANSTATICCONFIGPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANSTATICCONFIGPRESENTER_HPP

#include "gui/screens/settings/LanSettingsPresenter.hpp"

// The five static addresses: the module's as the table holds them, or the user's edits.
// Nothing is polled here; the points keep their normal period.
class SettingsLanStaticConfigPresenter : public LanSettingsPresenter
{
public:
    explicit SettingsLanStaticConfigPresenter(IView& view) : LanSettingsPresenter(view) {}

    uint32_t getAddress(uint32_t row);
    // IP address, gateway, mask, primary DNS, secondary DNS: the module's order.
    void writeAddresses();
};

#endif
