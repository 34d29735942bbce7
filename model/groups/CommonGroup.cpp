#include "model/groups/CommonGroup.hpp"

namespace model
{
namespace
{
// The device's language codes, by the panel's language id.
const uint8_t DEVICE_LANGUAGE_CODES[quillon::NUMBER_OF_LANGUAGES] = {0, 5, 8, 4, 15, 16, 11, 3, 23, 21};

bool bitOf(uint8_t byte, uint32_t bit)
{
    return ((byte >> bit) & 1u) != 0;
}
} // namespace

uint32_t CommonGroup::getServiceCount() const
{
    const common_info status = commonInfo.getValue();
    uint32_t flags = 0;
    for (uint32_t bit = 0; bit < 4; ++bit) {
        flags += bitOf(status.bytes[1], bit) ? 1 : 0;
    }
    return flags;
}

bool CommonGroup::hasServiceNotice() const
{
    return bitOf(commonInfo.getValue().bytes[0], 7);
}

bool CommonGroup::hasFault() const
{
    return bitOf(commonInfo.getValue().bytes[0], 2);
}

bool CommonGroup::isWinkActive() const
{
    return bitOf(commonInfo.getValue().bytes[2], 0);
}

bool CommonGroup::isCombustionControllerLocked() const
{
    return bitOf(commonInfo.getValue().bytes[1], 4);
}

quillon::LanguageId CommonGroup::getLanguage() const
{
    const uint8_t code = languageCode.getValue();
    for (quillon::LanguageId language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        if (DEVICE_LANGUAGE_CODES[language] == code) {
            return language;
        }
    }
    return quillon::NUMBER_OF_LANGUAGES;
}

void CommonGroup::setLanguage(quillon::LanguageId language)
{
    if (language >= quillon::NUMBER_OF_LANGUAGES) {
        return;
    }
    languageCode.setValue(DEVICE_LANGUAGE_CODES[language]);
}
} // namespace model
