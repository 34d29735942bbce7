#ifndef GUICONTROLS_IPKEYBOARD_HPP
#define GUICONTROLS_IPKEYBOARD_HPP

#include "guicontrols/GenericKeyboard.hpp"

#include <quillon/Callback.hpp>

namespace guicontrols
{
// A dotted IPv4 address or subnet mask in the fixed form "ddd.ddd.ddd.ddd": digits go only
// into number columns and points only after three digits, a host address starts at most with
// 223, and in a mask only zeros follow a group below 255. Digits and points are counted from
// the text at every key.
class IPKeyboard : public GenericKeyboard
{
public:
    static constexpr uint8_t DIGIT_KEY_COUNT = 31;
    static constexpr uint8_t ADDRESS_LENGTH = 15;

    enum AddressKind : uint32_t
    {
        HOST = 0,
        MASK = 1
    };

    IPKeyboard();

    // Only a text of exactly 15 characters within the maximum length.
    bool setText(const quillon::WideChar* text) override;
    // 12 digits, 3 points, four numbers of three characters, none above 255.
    bool isInputValid(uint32_t check) const override;
    void layoutKeys() override;
    void keyPressed(const quillon::AbstractButton& key) override;

    void setAddressKind(uint32_t kind) { addressKind = kind; }
    uint32_t getAddressKind() const { return addressKind; }
    uint8_t getDigitCount() const;
    uint8_t getPointCount() const;

private:
    bool accepts(quillon::WideChar character) const;
    bool acceptsDigit(uint8_t digit, uint8_t position) const;
    uint8_t digitAt(int16_t position) const;

    quillon::Callback<IPKeyboard, const quillon::AbstractButton&> keyCallback;
    uint32_t addressKind;
    KeyboardButton digitKeys[DIGIT_KEY_COUNT];
};
} // namespace guicontrols

#endif
