#ifndef GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELPASSWORDPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELPASSWORDPRESENTER_HPP

#include "gui/screens/settings/BasePasswordPresenter.hpp"

class SettingsLockPanelPasswordPresenter : public BasePasswordPresenter
{
public:
    explicit SettingsLockPanelPasswordPresenter(IView& view) : BasePasswordPresenter(view) {}
    ~SettingsLockPanelPasswordPresenter() override {}
};

#endif
