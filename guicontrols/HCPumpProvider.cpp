#include "guicontrols/HCPumpProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

HCPumpProvider::HCPumpProvider() : dataPoint(nullptr), label(nullptr), kind(0) {}

HCPumpProvider::HCPumpProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet) : dataPoint(nullptr), label(nullptr), kind(0)
{
    set(dataPoint, label, kind, bullet);
}

void HCPumpProvider::set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet)
{
    this->dataPoint = dataPoint;
    this->label = label;
    this->kind = kind;
    this->bullet = bullet;
}

const quillon::WideChar* HCPumpProvider::getText(uint32_t)
{
    return labelText(label);
}

const quillon::WideChar* HCPumpProvider::getSecondText(uint32_t)
{
    if (kind != 0) {
        return texts::empty();
    }
    const hc_pump record = dataPoint->getValue();
    return formatOnOff(model::readBit(record.bytes[0], 0));
}
} // namespace guicontrols
