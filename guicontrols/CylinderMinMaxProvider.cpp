#include "guicontrols/CylinderMinMaxProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"
#include "model/DataModelManager.hpp"

namespace guicontrols
{
namespace texts = providertexts;

namespace
{
// The device flag of the cylinder's fifth temperature sensor.
const uint32_t FIFTH_SENSOR = 60;
} // namespace

CylinderMinMaxProvider::CylinderMinMaxProvider() : dataPoint(nullptr), label(nullptr), kind(0) {}

CylinderMinMaxProvider::CylinderMinMaxProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet) : dataPoint(nullptr), label(nullptr), kind(0)
{
    set(dataPoint, label, kind, bullet);
}

void CylinderMinMaxProvider::set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet)
{
    this->dataPoint = dataPoint;
    this->label = label;
    this->kind = kind;
    this->bullet = bullet;
}

const quillon::WideChar* CylinderMinMaxProvider::getText(uint32_t)
{
    return labelText(label);
}

const quillon::WideChar* CylinderMinMaxProvider::getSecondText(uint32_t)
{
    const cylinder_min_max record = dataPoint->getValue();
    const uint8_t* b = record.bytes;
    switch (kind) {
    case 0:
        return formatDateTime(model::readU32(b));
    case 1:
        return formatTemperature(model::readI16(b + 4), 0);
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return formatTemperature(model::readI16(b + 6 + 2 * (kind - 2)), 0);
    case 11:
    case 12:
        return formatTemperature(extreme(b, kind == 12), 0);
    default:
        return texts::empty();
    }
}

int16_t CylinderMinMaxProvider::extreme(const uint8_t* bytes, bool highest)
{
    const bool fifthSensor = model::DataModelManager::getInstance().getDeviceManager().isPresent(FIFTH_SENSOR);
    const uint32_t sensors = fifthSensor ? 5 : 4;
    int16_t result = model::readI16(bytes + 6);
    for (uint32_t sensor = 1; sensor < sensors; ++sensor) {
        const int16_t value = model::readI16(bytes + 6 + 2 * sensor);
        if (highest ? value > result : value < result) {
            result = value;
        }
    }
    return result;
}
} // namespace guicontrols
