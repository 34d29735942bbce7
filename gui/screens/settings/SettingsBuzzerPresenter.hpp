#ifndef GUI_SCREENS_SETTINGS_SETTINGSBUZZERPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBUZZERPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

// The key beep (SETTING_BUZZER): any stored value but 0 is on; the screen stores 1 or 0.
class SettingsBuzzerPresenter : public BasePresenter
{
public:
    explicit SettingsBuzzerPresenter(IView& view) : BasePresenter(view) {}
    ~SettingsBuzzerPresenter() override {}

    bool isBuzzerOn();
    void setBuzzerOn(bool on);
};

#endif
