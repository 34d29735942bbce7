#include "gui/screens/energy/EnergyReadings.hpp"

#include "model/DataModelManager.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const uint32_t FIRST_BOILER_FLAG = 57;
const uint32_t FIRST_CYLINDER_FLAG = 61;
const uint32_t CYLINDER_TYPE_5_FLAG = 65;
const uint8_t CYLINDER_TYPE_5_AS = 3;
const uint32_t SOLAR_FLAGS[] = {26, 27, 28, 29, 60, 59};
const uint8_t SOLAR_HEATING_BITS = 0x03;
const uint8_t HOT_WATER_BY_BOILER = 1;
const quillon::TextId TEXT_PERCENT = 1252; // "%%"
const quillon::WideChar DASHES[] = {'-', '-', '-', 0};
const quillon::WideChar FORMAT_DEGREES[] = {'%', 'd', '%', 's', 0};
const quillon::WideChar FORMAT_PERCENT[] = {'%', 'd', ' ', '%', 's', 0};
} // namespace

namespace EnergyReadings
{
bool hasDevice(model::DataModelManager& model, uint32_t flag)
{
    return model.getDeviceManager().isPresent(flag);
}

uint8_t boilerVariant(model::DataModelManager& model)
{
    for (uint8_t variant = 0; variant < 4; ++variant) {
        if (hasDevice(model, FIRST_BOILER_FLAG + variant)) {
            return static_cast<uint8_t>(variant + 1);
        }
    }
    return 1;
}

uint8_t cylinderType(model::DataModelManager& model, uint8_t withoutFlag)
{
    for (uint8_t type = 0; type < 4; ++type) {
        if (hasDevice(model, FIRST_CYLINDER_FLAG + type)) {
            return static_cast<uint8_t>(type + 1);
        }
    }
    return hasDevice(model, CYLINDER_TYPE_5_FLAG) ? CYLINDER_TYPE_5_AS : withoutFlag;
}

bool hasSolar(model::DataModelManager& model)
{
    for (uint32_t flag : SOLAR_FLAGS) {
        if (hasDevice(model, flag)) {
            return true;
        }
    }
    return false;
}

bool isSolarHeating(model::DataModelManager& model)
{
    const solar_info info = model.getGroups().heating.solarInfo.getValue();
    return (info.bytes[0] & SOLAR_HEATING_BITS) == SOLAR_HEATING_BITS;
}

bool isBoilerHeating(model::DataModelManager& model)
{
    model::ParameterGroups& groups = model.getGroups();
    return groups.dhw.state240.getValue() == HOT_WATER_BY_BOILER && groups.heating.boilerInfo.getValue().isBurnerOn();
}

int32_t wholeDegrees(int32_t tenths)
{
    return tenths >= 0 ? (tenths + 5) / 10 : -((-tenths + 5) / 10);
}

void formatTemperature(quillon::WideChar* buffer, uint16_t units, int32_t tenths, bool available,
                       const quillon::WideChar* unit)
{
    if (!available) {
        quillon::WideString::strncpy(buffer, DASHES, units);
        buffer[units - 1] = 0;
        return;
    }
    quillon::WideString::snprintf(buffer, units, FORMAT_DEGREES, static_cast<int>(wholeDegrees(tenths)), unit);
}

void formatPercent(quillon::WideChar* buffer, uint16_t units, uint32_t value)
{
    quillon::WideString::snprintf(buffer, units, FORMAT_PERCENT, static_cast<int>(value),
                                  quillon::TypedText(TEXT_PERCENT).getText());
}
} // namespace EnergyReadings
