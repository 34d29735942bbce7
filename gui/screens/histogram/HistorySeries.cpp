#include "gui/screens/histogram/HistorySeries.hpp"

namespace
{
const uint32_t LENGTHS[HistorySeries::PERIODS] = {8, 53, 13, 3};
const uint32_t SOLAR_BOILER_FLAG = 60;
const uint32_t SOLAR_CYLINDER_FLAG = 64;
const uint32_t HOT_WATER_FLAGS[3] = {9, 10, 11};
} // namespace

uint32_t HistorySeries::length(uint32_t period)
{
    return period < PERIODS ? LENGTHS[period] : 0;
}

model::IProperty* HistorySeries::range(model::EnergyGroup::Block& block, uint32_t period)
{
    switch (period) {
    case 0:
        return &block.series8;
    case 1:
        return &block.series53;
    case 2:
        return &block.series13;
    case 3:
        return &block.series3;
    default:
        return nullptr;
    }
}

uint32_t HistorySeries::value(model::EnergyGroup::Block& block, uint32_t period, uint32_t element)
{
    if (element >= length(period)) {
        return 0;
    }
    switch (period) {
    case 0:
        return block.series8.at(element).getValue();
    case 1:
        return block.series53.at(element).getValue();
    case 2:
        return block.series13.at(element).getValue();
    default:
        return block.series3.at(element).getValue();
    }
}

bool HistorySeries::hasSolarDays(model::DataModelManager& model)
{
    const model::DeviceManager& devices = model.getDeviceManager();
    return devices.isPresent(SOLAR_BOILER_FLAG) || devices.isPresent(SOLAR_CYLINDER_FLAG);
}

model::IProperty* HistorySeries::solarRange(model::DataModelManager& model, uint32_t period)
{
    if (period == 0 && !hasSolarDays(model)) {
        return &model.getGroups().solar.yieldHistory;
    }
    return range(model.getGroups().energy.solarYield, period);
}

uint32_t HistorySeries::solarValue(model::DataModelManager& model, uint32_t period, uint32_t element)
{
    if (period == 0 && !hasSolarDays(model)) {
        if (element >= solar_histogram::VALUES) {
            return 0;
        }
        return model.getGroups().solar.yieldHistory.getValue().value(element);
    }
    return value(model.getGroups().energy.solarYield, period, element);
}

bool HistorySeries::hasHotWater(model::DataModelManager& model)
{
    const model::DeviceManager& devices = model.getDeviceManager();
    for (uint32_t flag : HOT_WATER_FLAGS) {
        if (devices.isPresent(flag)) {
            return true;
        }
    }
    return false;
}
