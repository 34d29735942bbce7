#include "model/settings/SettingsGroup.hpp"

#include <stddef.h>

namespace model
{
namespace
{
using quillon::WideChar;

template <size_t N>
struct WideText
{
    WideChar units[N];
};

// The texts as the store keeps them: 16-bit units.
template <size_t N>
constexpr WideText<N> wide(const char16_t (&text)[N])
{
    WideText<N> result{};
    for (size_t i = 0; i < N; ++i) {
        result.units[i] = static_cast<WideChar>(text[i]);
    }
    return result;
}

constexpr int TS_CALIBRATION_DEFAULT[6] = {234539, 1517, -82750113, -524, 178086, -124788165};

constexpr auto OPERATOR_PASSWORD = wide(u"gravel.fin");
constexpr auto SERVICE_PASSWORD = wide(u"plover");
// Both are 18 units: their settings keep the first 16.
constexpr auto MENU_PASSWORD = wide(u"kestrel@moorfen.io");
constexpr auto MASTER_PASSWORD = wide(u"stone.curlew@dunes");
constexpr auto EMPTY = wide(u"");
constexpr WideText<12> CIRCUIT_NAMES[3] = {wide(u"Heizkreis 1"), wide(u"Heizkreis 2"), wide(u"Heizkreis 3")};
} // namespace

SettingsGroup::SettingsGroup()
    : tsCalibration(SettingIds::SETTING_TS_CALIBRATION, TS_CALIBRATION_DEFAULT),
      language(SettingIds::LANGUAGE, 0),
      normalLight(SettingIds::NORMAL_LIGHT, 90),
      standbyLight(SettingIds::STANDBY_LIGHT, 10),
      units(SettingIds::UNITS, 0),
      timeFormat(SettingIds::TIME_FORMAT, 0),
      dateFormat(SettingIds::DATE_FORMAT, 0),
      buzzer(SettingIds::SETTING_BUZZER, 1),
      favourites(SettingIds::FAVOURITES, 228),
      opPass(SettingIds::OP_PASS, OPERATOR_PASSWORD.units),
      servPass(SettingIds::SERV_PASS, SERVICE_PASSWORD.units),
      menuPass(SettingIds::MENU_PASS, MENU_PASSWORD.units),
      masterPass(SettingIds::MASTER_PASS, MASTER_PASSWORD.units),
      servAddress(SettingIds::SERV_ADDRESS, EMPTY.units),
      hc1(SettingIds::HC1, EMPTY.units),
      hc2(SettingIds::HC2, EMPTY.units),
      hc3(SettingIds::HC3, EMPTY.units),
      name(SettingIds::NAME, EMPTY.units),
      telephone(SettingIds::TELEPHONE, EMPTY.units),
      mobile(SettingIds::MOBILE, EMPTY.units),
      email(SettingIds::EMAIL, EMPTY.units),
      initTime(SettingIds::INIT_TIME, 0),
      wizzardStart(SettingIds::WIZZARD_START, 0)
{
}

const WideChar* SettingsGroup::getDefaultOperatorPassword()
{
    return OPERATOR_PASSWORD.units;
}

const WideChar* SettingsGroup::getDefaultServicePassword()
{
    return SERVICE_PASSWORD.units;
}

const WideChar* SettingsGroup::getDefaultMenuPassword()
{
    return MENU_PASSWORD.units;
}

const WideChar* SettingsGroup::getDefaultHeatingCircuitName(uint8_t index)
{
    return index < 3 ? CIRCUIT_NAMES[index].units : nullptr;
}
} // namespace model
