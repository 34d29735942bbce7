#include "guicontrols/CommonInfoProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

const quillon::WideChar* CommonInfoProvider::getSecondText(uint32_t)
{
    const common_info record = dataPoint->getValue();
    const uint8_t* b = record.bytes;
    if (kind < 8) {
        return formatTemperature(model::readI16(b + 4 + 3 * kind), b[6 + 3 * kind]);
    }
    switch (kind) {
    case 8:
        return formatNumber(b[28], 5, 0);
    case 9:
        return formatNumber(b[29], 6, 0);
    case 10:
        return formatTemperature(model::readI16(b + 30), 0);
    case 13:
        return formatOnOff((b[0] & 0x04) != 0);
    case 27:
        return formatOnOff((b[2] & 0x0C) != 0);
    case 28:
        return formatOnOff((b[2] & 0x30) != 0);
    case 29:
        return formatValvePosition(b[2] >> 6);
    default:
        return texts::empty();
    }
}
} // namespace guicontrols
