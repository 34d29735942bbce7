#include "guicontrols/WaterTankDataProviderImpl.hpp"

#include "guicontrols/TemperatureColorTable.hpp"
#include "model/DataModelManager.hpp"

#include "helpers/Conversions.hpp"

#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
WaterTankDataProviderImpl::WaterTankDataProviderImpl()
    : profile(&model::DataModelManager::getInstance().getGroups().cylinder.profile)
{
}

float WaterTankDataProviderImpl::getTemperature(uint32_t index) const
{
    if (index >= LAYERS || profile == nullptr) {
        return 0.0f;
    }
    return static_cast<float>(helpers::tenthsToFloat(profile->getValue().value(index)));
}

uint16_t WaterTankDataProviderImpl::getColor(uint32_t index) const
{
    const int32_t degrees = static_cast<int32_t>(getTemperature(index)); // towards zero
    const TemperatureColorTable::Rgb rgb = TemperatureColorTable::colorOf(degrees);
    return quillon::colorFromRGB(rgb.red, rgb.green, rgb.blue);
}
} // namespace guicontrols
