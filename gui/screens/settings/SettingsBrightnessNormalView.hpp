#ifndef GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSNORMALVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSNORMALVIEW_HPP

#include "gui/screens/settings/SettingsBrightnessNormalPresenter.hpp"
#include "gui/screens/settings/SettingsBrightnessView.hpp"

// The display's brightness while it is operated, 0 to 100 %.
class SettingsBrightnessNormalView : public SettingsBrightnessView
{
public:
    SettingsBrightnessNormalView() : SettingsBrightnessView(1523, 100) {}
    ~SettingsBrightnessNormalView() override {}

    quillon::TextId getTitleText() override { return 983; }
    const quillon::WideChar* getHelpText() override;
};

#endif
