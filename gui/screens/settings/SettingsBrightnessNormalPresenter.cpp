#include "gui/screens/settings/SettingsBrightnessNormalPresenter.hpp"

uint8_t SettingsBrightnessNormalPresenter::getBrightness()
{
    return getModel()->getGroups().settings.normalLight.get();
}

void SettingsBrightnessNormalPresenter::setBrightness(uint8_t value)
{
    getModel()->getGroups().settings.normalLight.set(value);
}
