#include "gui/screens/settings/SettingsBrightnessStandbyPresenter.hpp"

uint8_t SettingsBrightnessStandbyPresenter::getBrightness()
{
    return getModel()->getGroups().settings.standbyLight.get();
}

void SettingsBrightnessStandbyPresenter::setBrightness(uint8_t value)
{
    restoreNormalBacklight();
    getModel()->getGroups().settings.standbyLight.set(value);
}
