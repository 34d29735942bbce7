#ifndef GUICONTROLS_NUMERICKEYBOARD_HPP
#define GUICONTROLS_NUMERICKEYBOARD_HPP

#include "guicontrols/GenericKeyboard.hpp"

#include <quillon/Callback.hpp>

namespace guicontrols
{
// Digits only: meter readings, codes and other whole numbers. The number of characters typed
// is always the text's own length, so no key sequence can make it disagree with the line.
class NumericKeyboard : public GenericKeyboard
{
public:
    static constexpr uint8_t DIGIT_KEY_COUNT = 31;
    // The commissioning wizard's one-digit access code, asked by check 1.
    static constexpr uint32_t WIZARD_ACCESS_CODE = 7;

    enum Check : uint32_t
    {
        NOT_EMPTY = 0,
        WIZARD_CODE = 1,
        PORT_NUMBER = 2 // 1 .. 65535
    };

    NumericKeyboard();

    bool isInputValid(uint32_t check) const override;
    void layoutKeys() override;
    void keyPressed(const quillon::AbstractButton& key) override;

    uint8_t getCount() const { return textBuffer.getLength(); }

private:
    quillon::Callback<NumericKeyboard, const quillon::AbstractButton&> keyCallback;
    KeyboardButton digitKeys[DIGIT_KEY_COUNT];
};
} // namespace guicontrols

#endif
