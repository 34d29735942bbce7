#ifndef GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELPASSWORDVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELPASSWORDVIEW_HPP

#include "gui/screens/settings/BasePasswordView.hpp"

// The operator's password, behind the panel lock.
class SettingsLockPanelPasswordView : public BasePasswordView
{
public:
    SettingsLockPanelPasswordView() {}
    ~SettingsLockPanelPasswordView() override {}

    void onBottomBarButton(int index) override { onChangeButton(index, pagemanager::ACCESS_USER); }
    void onConfirmFinished(uint8_t result, bool* handled) override
    {
        confirmChange(result, handled, BasePasswordPresenter::OPERATOR);
    }
};

#endif
