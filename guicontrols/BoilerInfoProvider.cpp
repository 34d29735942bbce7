#include "guicontrols/BoilerInfoProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

namespace
{
// The table entry of the boiler temperature sensor's fault flag.
const uint32_t BOILER_SENSOR_FAULT = 9;
} // namespace

BoilerInfoProvider::BoilerInfoProvider() : dataPoint(nullptr), label(nullptr), kind(0) {}

BoilerInfoProvider::BoilerInfoProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet) : dataPoint(nullptr), label(nullptr), kind(0)
{
    set(dataPoint, label, kind, bullet);
}

void BoilerInfoProvider::set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet)
{
    this->dataPoint = dataPoint;
    this->label = label;
    this->kind = kind;
    this->bullet = bullet;
}

const quillon::WideChar* BoilerInfoProvider::getText(uint32_t)
{
    return labelText(label);
}

const quillon::WideChar* BoilerInfoProvider::getSecondText(uint32_t)
{
    const boiler_info record = dataPoint->getValue();
    const uint8_t* b = record.bytes;
    switch (kind) {
    case 0:
    case 1:
        return formatPercent(b[1 + kind]);
    case 2:
        return formatTemperature(model::readI16(b + 4), 0);
    case 3:
        return formatTemperature(model::readI16(b + 6), boilerSensorFault());
    case 4:
    case 5:
        return formatPower(static_cast<int32_t>(model::readU32(b + 8 + 4 * (kind - 4))));
    case 9:
        return formatOnOff((b[0] & 0x10) != 0);
    default:
        return texts::empty();
    }
}

uint8_t BoilerInfoProvider::boilerSensorFault()
{
    const model::DataPoint<uint8_t, DP_U8> fault(BOILER_SENSOR_FAULT);
    return fault.getValue();
}
} // namespace guicontrols
