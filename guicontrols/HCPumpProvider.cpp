#include "guicontrols/HCPumpProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

const quillon::WideChar* HCPumpProvider::getSecondText(uint32_t)
{
    if (kind != 0) {
        return texts::empty();
    }
    const hc_pump record = dataPoint->getValue();
    return formatOnOff(model::readBit(record.bytes[0], 0));
}
} // namespace guicontrols
