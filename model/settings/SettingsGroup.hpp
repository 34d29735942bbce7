#ifndef MODEL_SETTINGS_SETTINGSGROUP_HPP
#define MODEL_SETTINGS_SETTINGSGROUP_HPP

#include "model/settings/SettingProperty.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace model
{
// The panel's 23 settings, in construction order.
class SettingsGroup
{
public:
    SettingsGroup();

    // The full default texts, for screens that restore them.
    static const quillon::WideChar* getDefaultOperatorPassword();
    static const quillon::WideChar* getDefaultServicePassword();
    static const quillon::WideChar* getDefaultMenuPassword();
    // "Heizkreis 1".."Heizkreis 3" for 0..2, in every language; null for any other index.
    static const quillon::WideChar* getDefaultHeatingCircuitName(uint8_t index);

    SettingProperty<int[6]> tsCalibration;
    SettingProperty<unsigned int> language;
    SettingProperty<unsigned char> normalLight;
    SettingProperty<unsigned char> standbyLight;
    SettingProperty<unsigned char> units;
    SettingProperty<unsigned char> timeFormat;
    SettingProperty<unsigned char> dateFormat;
    SettingProperty<unsigned char> buzzer;
    SettingProperty<unsigned int> favourites;
    SettingProperty<unsigned short[17]> opPass;
    SettingProperty<unsigned short[17]> servPass;
    SettingProperty<unsigned short[17]> menuPass;
    SettingProperty<unsigned short[17]> masterPass;
    SettingProperty<unsigned short[27]> servAddress;
    SettingProperty<unsigned short[21]> hc1;
    SettingProperty<unsigned short[21]> hc2;
    SettingProperty<unsigned short[21]> hc3;
    SettingProperty<unsigned short[27]> name;
    SettingProperty<unsigned short[27]> telephone;
    SettingProperty<unsigned short[27]> mobile;
    SettingProperty<unsigned short[27]> email;
    SettingProperty<unsigned int> initTime;
    SettingProperty<unsigned int> wizzardStart;
};
} // namespace model

#endif
