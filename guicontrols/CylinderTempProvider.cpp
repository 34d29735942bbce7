#include "guicontrols/CylinderTempProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

CylinderTempProvider::CylinderTempProvider() : dataPoint(nullptr), label(nullptr), kind(0), layout(0) {}

CylinderTempProvider::CylinderTempProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint32_t layout, uint8_t bullet) : dataPoint(nullptr), label(nullptr), kind(0), layout(0)
{
    set(dataPoint, label, kind, layout, bullet);
}

void CylinderTempProvider::set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint32_t layout, uint8_t bullet)
{
    this->dataPoint = dataPoint;
    this->label = label;
    this->kind = kind;
    this->layout = layout;
    this->bullet = bullet;
}

const quillon::WideChar* CylinderTempProvider::getText(uint32_t)
{
    return labelText(label);
}

const quillon::WideChar* CylinderTempProvider::getSecondText(uint32_t)
{
    // Elements shown per field kind; -1 none.
    static const int8_t ELEMENTS[2][5] = {{0, 3, 5, 7, -1}, {0, 1, 4, 7, 8}};
    if (kind > 4 || layout > 1 || ELEMENTS[layout][kind] < 0) {
        return texts::empty();
    }
    const temperature_11 record = dataPoint->getValue();
    const uint8_t* b = record.bytes;
    return formatTemperature(model::readI16(b + 2 * ELEMENTS[layout][kind]), 0);
}
} // namespace guicontrols
