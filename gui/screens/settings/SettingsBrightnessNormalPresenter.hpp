#ifndef GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSNORMALPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSNORMALPRESENTER_HPP

#include "gui/screens/settings/SettingsBrightnessPresenter.hpp"

// The backlight while the panel is operated (NORMAL_LIGHT).
class SettingsBrightnessNormalPresenter : public SettingsBrightnessPresenter
{
public:
    explicit SettingsBrightnessNormalPresenter(IView& view) : SettingsBrightnessPresenter(view) {}
    ~SettingsBrightnessNormalPresenter() override {}

    uint8_t getBrightness() override;
    void setBrightness(uint8_t value) override;
};

#endif
