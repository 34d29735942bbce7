#ifndef GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSSTANDBYVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSSTANDBYVIEW_HPP

#include "gui/screens/settings/SettingsBrightnessStandbyPresenter.hpp"
#include "gui/screens/settings/SettingsBrightnessView.hpp"

// The display's brightness while it is dimmed, 0 to 50 %.
class SettingsBrightnessStandbyView : public SettingsBrightnessView
{
public:
    SettingsBrightnessStandbyView() : SettingsBrightnessView(1524, 50) {}
    ~SettingsBrightnessStandbyView() override {}

    quillon::TextId getTitleText() override { return 984; }
    const quillon::WideChar* getHelpText() override;
};

#endif
