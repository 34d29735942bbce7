#include "gui/screens/energy/BufferLoadPresenter.hpp"

#include "gui/screens/energy/EnergyReadings.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_CELSIUS = 514; // "°C"
const uint32_t UPPER_TEMPERATURE_BYTE = 16;
const uint32_t LOWER_TEMPERATURE_ITEM = 1;
const uint8_t BOILER_WITH_ZONES = 4;
const uint8_t CYLINDER_TYPE_ZONES = 4;
} // namespace

void BufferLoadPresenter::activate()
{
    model::ParameterGroups& g = getModel()->getGroups();
    watch({&g.idSolar.solarInfo, &g.heating.boilerInfo, &g.dhw.state240, &g.cylinder.profile,
           &g.cylinder.calculatedTemperatures, &g.cylinder.bufferLoad664, &g.cylinder.bufferLoad663,
           &g.cylinder.bufferLoad662, &g.dhw.commonInfo});
}

bool BufferLoadPresenter::hasDevicesChanged()
{
    return getModel()->getDeviceManager().takeChanged();
}

void BufferLoadPresenter::formatTemperature(quillon::WideChar* buffer, uint16_t units, int32_t tenths, uint8_t flag)
{
    EnergyReadings::formatTemperature(buffer, units, tenths, flag == 0, quillon::TypedText(TEXT_CELSIUS).getText());
}

void BufferLoadPresenter::getSensorTemperatureText(quillon::WideChar* buffer, uint16_t units, uint8_t element)
{
    // The calculated temperatures carry no flag: never "---".
    formatTemperature(buffer, units, getModel()->getGroups().cylinder.calculatedTemperatures.getValue().value(element), 0);
}

void BufferLoadPresenter::getUpperTemperatureText(quillon::WideChar* buffer, uint16_t units)
{
    const common_info info = getModel()->getGroups().dhw.commonInfo.getValue();
    const model::TemperatureItem upper = model::readTemperatureItem(info.bytes + UPPER_TEMPERATURE_BYTE);
    formatTemperature(buffer, units, upper.tenths, upper.status);
}

void BufferLoadPresenter::getLowerTemperatureText(quillon::WideChar* buffer, uint16_t units)
{
    const model::TemperatureItem lower = getModel()->getGroups().idSolar.solarInfo.getValue().temperature(LOWER_TEMPERATURE_ITEM);
    formatTemperature(buffer, units, lower.tenths, lower.status);
}

void BufferLoadPresenter::getChargeStateText(quillon::WideChar* buffer, uint16_t units, uint8_t zone)
{
    model::CylinderGroup& cylinder = getModel()->getGroups().cylinder;
    uint32_t value = 0;
    if (getBoilerVariant() == BOILER_WITH_ZONES) {
        model::ParameterGroup::U8* zones[] = {&cylinder.bufferLoad662, &cylinder.bufferLoad663, &cylinder.bufferLoad664};
        value = zone < 3 ? zones[zone]->getValue() : 0;
    } else if (getCylinderType() == CYLINDER_TYPE_ZONES) {
        // Two zones: the upper one is the third value.
        value = zone == 0 ? cylinder.bufferLoad662.getValue() : cylinder.bufferLoad664.getValue();
    }
    EnergyReadings::formatPercent(buffer, units, value);
}

uint8_t BufferLoadPresenter::getBoilerVariant()
{
    return EnergyReadings::boilerVariant(*getModel());
}

uint8_t BufferLoadPresenter::getCylinderType()
{
    return EnergyReadings::cylinderType(*getModel(), EnergyReadings::NO_CYLINDER_FLAG_BUFFER);
}

bool BufferLoadPresenter::hasSolar()
{
    return EnergyReadings::hasSolar(*getModel());
}

bool BufferLoadPresenter::isSolarHeating()
{
    return EnergyReadings::isSolarHeating(*getModel());
}

bool BufferLoadPresenter::isBoilerHeating()
{
    return EnergyReadings::isBoilerHeating(*getModel());
}
