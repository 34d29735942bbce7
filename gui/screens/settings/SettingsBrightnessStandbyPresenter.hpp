#ifndef GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSSTANDBYPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSSTANDBYPRESENTER_HPP

#include "gui/screens/settings/SettingsBrightnessPresenter.hpp"

// The backlight while the screen is dimmed (STANDBY_LIGHT).
class SettingsBrightnessStandbyPresenter : public SettingsBrightnessPresenter
{
public:
    explicit SettingsBrightnessStandbyPresenter(IView& view) : SettingsBrightnessPresenter(view) {}
    ~SettingsBrightnessStandbyPresenter() override {}

    uint8_t getBrightness() override;
    // The feedback that follows is read at the normal brightness, not at the standby level.
    void setBrightness(uint8_t value) override;
};

#endif
