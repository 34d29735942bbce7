#ifndef GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELENABLEPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELENABLEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

// The device's lock state (0 unlocked, 1 only the home screen, 2 everything) as the table
// holds it, and the password check of the user and master passwords.
class SettingsLockPanelEnablePresenter : public BasePresenter
{
public:
    static constexpr uint8_t UNLOCKED = 0;
    static constexpr uint8_t HOME_ONLY = 1;
    static constexpr uint8_t EVERYTHING = 2;

    explicit SettingsLockPanelEnablePresenter(IView& view) : BasePresenter(view) {}

    uint8_t getLockState();
    void setLockState(uint8_t state);
    // The user password, else the master password; letter case does not count.
    bool isPasswordAccepted(const quillon::WideChar* entered);
};

#endif
