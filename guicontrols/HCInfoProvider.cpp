#include "guicontrols/HCInfoProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

const quillon::WideChar* HCInfoProvider::getSecondText(uint32_t)
{
    const hc_info record = dataPoint->getValue();
    const uint8_t* b = record.bytes;
    switch (kind) {
    case 0:
        return formatTemperature(model::readI16(b + 4), b[6]);
    case 1:
        return formatTemperature(model::readI16(b + 2), 0);
    case 2:
        return formatTemperature(model::readI16(b + 7), b[9]);
    case 3:
        return formatTemperature(model::readI16(b + 10), b[12]);
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
        return formatOnOff(model::readBit(b[0], kind - 4));
    case 10:
        return formatValvePosition(b[0] >> 6);
    default:
        return texts::empty();
    }
}
} // namespace guicontrols
