#include "guicontrols/HCVariableProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

HCVariableProvider::HCVariableProvider() : dataPoint(nullptr), label(nullptr), kind(0) {}

HCVariableProvider::HCVariableProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet) : dataPoint(nullptr), label(nullptr), kind(0)
{
    set(dataPoint, label, kind, bullet);
}

void HCVariableProvider::set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet)
{
    this->dataPoint = dataPoint;
    this->label = label;
    this->kind = kind;
    this->bullet = bullet;
}

const quillon::WideChar* HCVariableProvider::getText(uint32_t)
{
    return labelText(label);
}

const quillon::WideChar* HCVariableProvider::getSecondText(uint32_t)
{
    if (kind != 0) {
        return texts::empty();
    }
    const heating_info record = dataPoint->getValue();
    return formatHeatingMode(record.bytes[1]);
}
} // namespace guicontrols
