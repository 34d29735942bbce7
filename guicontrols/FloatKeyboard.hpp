#ifndef GUICONTROLS_FLOATKEYBOARD_HPP
#define GUICONTROLS_FLOATKEYBOARD_HPP

#include "guicontrols/GenericKeyboard.hpp"

#include <quillon/Callback.hpp>

namespace guicontrols
{
// A decimal number: digits, at most one decimal separator (the locale's "." or else ",") and
// at most maxDecimals digits after it; the integer part keeps room for the separator and the
// decimals within the maximum length. Separator position, decimals and integer digits are
// read from the text at every key, so no key sequence can make them disagree with the line.
class FloatKeyboard : public GenericKeyboard
{
public:
    static constexpr uint8_t DIGIT_KEY_COUNT = 31;

    FloatKeyboard();

    // Clears first; takes a text shorter than the maximum length, keeping the characters
    // that could have been typed in turn. A text of the maximum length or longer leaves the
    // line empty and gives false; null gives false and changes nothing.
    bool setText(const quillon::WideChar* text) override;
    void layoutKeys() override;
    void keyPressed(const quillon::AbstractButton& key) override;

    void setMaxDecimals(uint8_t count) { maxDecimals = count; }
    uint8_t hasSeparator() const { return separatorIndex() >= 0 ? 1 : 0; }
    quillon::WideChar getSeparator() const { return separator; }
    // The integer part plus the decimals; 0 without text. Never signed, never wrapped.
    float getValue() const;

private:
    // Index of the separator in the text, -1 without one.
    int16_t separatorIndex() const;
    // Digits after the separator, -1 without one.
    int16_t fractionDigits() const;
    int16_t integerDigits() const;
    bool accepts(quillon::WideChar character) const;

    quillon::Callback<FloatKeyboard, const quillon::AbstractButton&> keyCallback;
    uint32_t maxDecimals;
    quillon::WideChar separator;
    KeyboardButton digitKeys[DIGIT_KEY_COUNT];
};
} // namespace guicontrols

#endif
