#include "guicontrols/HCVariableProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
namespace texts = providertexts;

const quillon::WideChar* HCVariableProvider::getSecondText(uint32_t)
{
    if (kind != 0) {
        return texts::empty();
    }
    const heating_info record = dataPoint->getValue();
    return formatHeatingMode(record.bytes[1]);
}
} // namespace guicontrols
