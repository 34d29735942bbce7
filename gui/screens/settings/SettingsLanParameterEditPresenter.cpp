#include "gui/screens/settings/SettingsLanParameterEditPresenter.hpp"

namespace
{
const uint32_t TEXT_LENGTH = 15;
const uint32_t FIELD_STRIDE = 4; // three digits and a point
const uint32_t LAST_HOST_FIRST_OCTET = 223;
} // namespace

bool SettingsLanParameterEditPresenter::readOctets(const quillon::WideChar* text, uint32_t (&octets)[4])
{
    if (text == nullptr) {
        return false;
    }
    for (uint32_t position = 0; position < TEXT_LENGTH; ++position) {
        const quillon::WideChar character = text[position];
        const bool separator = position % FIELD_STRIDE == 3;
        if (separator ? character != '.' : (character < '0' || character > '9')) {
            return false;
        }
    }
    if (text[TEXT_LENGTH] != 0) {
        return false;
    }
    for (uint32_t octet = 0; octet < 4; ++octet) {
        const quillon::WideChar* field = text + octet * FIELD_STRIDE;
        octets[octet] = static_cast<uint32_t>((field[0] - '0') * 100 + (field[1] - '0') * 10 + (field[2] - '0'));
    }
    return true;
}

bool SettingsLanParameterEditPresenter::isValidAddress(const quillon::WideChar* text)
{
    uint32_t octets[4] = {};
    if (!readOctets(text, octets) || octets[0] < 1 || octets[0] > LAST_HOST_FIRST_OCTET) {
        return false;
    }
    return octets[1] <= 255 && octets[2] <= 255 && octets[3] <= 255;
}

bool SettingsLanParameterEditPresenter::isValidMask(const quillon::WideChar* text)
{
    uint32_t octets[4] = {};
    if (!readOctets(text, octets) || octets[0] == 0) {
        return false;
    }
    // A mask read from the module may have passed octet by octet; only contiguous ones make one.
    uint32_t mask = 0;
    for (uint32_t octet : octets) {
        if (octet > 255) {
            return false;
        }
        mask = (mask << 8) | octet;
    }
    const uint32_t hostBits = ~mask;
    return (hostBits & (hostBits + 1)) == 0;
}
