#include "guicontrols/SolarDataProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

const quillon::WideChar* SolarDataProvider::getSecondText(uint32_t)
{
    const solar_info record = dataPoint->getValue();
    const uint8_t* b = record.bytes;
    switch (kind) {
    case 0:
        return formatNumber(b[1], 2, 0);
    case 1:
    case 2:
    case 3:
    case 4:
        return formatTemperature(model::readI16(b + 2 + 3 * (kind - 1)), b[4 + 3 * (kind - 1)]);
    case 5:
    case 6:
        return formatNumber(model::readU32(b + 14 + 4 * (kind - 5)), 1, 0);
    case 7:
        return formatNumber(model::readU32(b + 22), 3, 0);
    case 8:
        return formatNumber(model::readU16(b + 26), 4, 0);
    case 9:
        return formatNumber(secondsToHours(model::readU32(b + 28)), 4, 0);
    case 10:
        return formatNumber(model::readU32(b + 32), 6, 0);
    case 11:
        return formatNumber(secondsToHours(model::readU32(b + 36)), 4, 0);
    case 12:
    case 13:
        return formatNumber(model::readU32(b + 40 + 4 * (kind - 12)), 6, 0);
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
        return formatOnOff(model::readBit(b[0], kind - 14));
    default:
        return texts::empty();
    }
}
} // namespace guicontrols
