#include "gui/screens/settings/SettingsBuzzerPresenter.hpp"

bool SettingsBuzzerPresenter::isBuzzerOn()
{
    return getModel()->getGroups().settings.buzzer.get() != 0;
}

void SettingsBuzzerPresenter::setBuzzerOn(bool on)
{
    // The shell hears of the store and takes it as its key-beep flag.
    getModel()->getGroups().settings.buzzer.set(on ? 1 : 0);
}
