#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANCONNECTIONTESTPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANCONNECTIONTESTPRESENTER_HPP

#include "gui/screens/settings/LanSettingsPresenter.hpp"

// What the LAN module reports after a new configuration. The two points are not polled
// through the filter; the view asks for them at its own pace.
class SettingsLanConnectionTestPresenter : public LanSettingsPresenter
{
public:
    static constexpr uint8_t CONNECTED = 2;
    static constexpr uint32_t MODULE_ERROR = 4;
    static constexpr uint32_t CONNECTION_ERRORS = 8 | 16;

    explicit SettingsLanConnectionTestPresenter(IView& view) : LanSettingsPresenter(view) {}

    bool isConnected() { return lan().moduleStatus.getValue() == CONNECTED; }
    bool hasModuleError() { return (lan().moduleError.getValue() & MODULE_ERROR) != 0; }
    bool hasConnectionError() { return (lan().moduleError.getValue() & CONNECTION_ERRORS) != 0; }
    // Ahead of the waiting reads: the error first, then the status.
    void requestStatus()
    {
        lan().moduleError.request();
        lan().moduleStatus.request();
    }
    bool isDhcpTest() { return config().state == LanConfigState::DHCP_TEST; }
    bool isStaticTest() { return config().state == LanConfigState::STATIC_TEST; }
};

#endif
