#ifndef GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// One backlight setting in percent. The editor drives the backlight while the screen is
// open; leaving by any road gives the display its stored normal brightness back.
class SettingsBrightnessPresenter : public BasePresenter
{
public:
    explicit SettingsBrightnessPresenter(IView& view) : BasePresenter(view) {}
    ~SettingsBrightnessPresenter() override {}

    void deactivate() override;

    virtual uint8_t getBrightness() = 0;
    virtual void setBrightness(uint8_t value) = 0;

protected:
    void restoreNormalBacklight();
};

#endif
