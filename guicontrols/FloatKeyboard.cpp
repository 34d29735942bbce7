#include "guicontrols/FloatKeyboard.hpp"

#include "guicontrols/LeadingNumber.hpp"

#include <quillon/WideString.hpp>

#include <locale.h>

namespace guicontrols
{
namespace
{
const quillon::TextId DIGIT_TEXT = 45;
const uint32_t DEFAULT_MAX_DECIMALS = 4;

quillon::WideChar localeSeparator()
{
    const lconv* conventions = localeconv();
    const bool point = conventions != nullptr && conventions->decimal_point != nullptr &&
                       conventions->decimal_point[0] == '.' && conventions->decimal_point[1] == 0;
    return point ? '.' : ',';
}
} // namespace

FloatKeyboard::FloatKeyboard()
    : keyCallback(this, &FloatKeyboard::keyPressed), maxDecimals(DEFAULT_MAX_DECIMALS), separator(localeSeparator())
{
    layoutKeys();
}

void FloatKeyboard::layoutKeys()
{
    layoutNumberKeys(digitKeys, DIGIT_KEY_COUNT, quillon::TypedText(DIGIT_TEXT), separator, keyCallback);
}

int16_t FloatKeyboard::separatorIndex() const
{
    const quillon::WideChar* text = getText();
    for (int16_t i = 0; text[i] != 0; ++i) {
        if (text[i] == separator) {
            return i;
        }
    }
    return -1;
}

int16_t FloatKeyboard::fractionDigits() const
{
    const int16_t index = separatorIndex();
    return index < 0 ? -1 : static_cast<int16_t>(textBuffer.getLength() - index - 1);
}

int16_t FloatKeyboard::integerDigits() const
{
    const int16_t index = separatorIndex();
    return index < 0 ? static_cast<int16_t>(textBuffer.getLength()) : index;
}

bool FloatKeyboard::accepts(quillon::WideChar character) const
{
    const int16_t cursor = textBuffer.getCursor();
    const int16_t index = separatorIndex();
    if (character == separator) {
        // The digits after the cursor would become the decimals.
        const int32_t following = textBuffer.getLength() - cursor;
        return index < 0 && following <= static_cast<int32_t>(maxDecimals);
    }
    if (!LeadingNumber::isDigit(character)) {
        return false;
    }
    if (index >= 0 && cursor > index) {
        return fractionDigits() < static_cast<int32_t>(maxDecimals);
    }
    // Room is kept for the separator and the decimals.
    const int32_t integerLimit = static_cast<int32_t>(getMaxLength()) - static_cast<int32_t>(maxDecimals) - 2;
    return integerDigits() < integerLimit;
}

bool FloatKeyboard::setText(const quillon::WideChar* text)
{
    if (text == nullptr) {
        return false;
    }
    clear();
    if (quillon::WideString::strlen(text) >= getMaxLength()) {
        return false;
    }
    for (const quillon::WideChar* unit = text; *unit != 0; ++unit) {
        if (accepts(*unit)) {
            textBuffer.insertCharacter(*unit);
        }
    }
    textBuffer.invalidate();
    return true;
}

void FloatKeyboard::keyPressed(const quillon::AbstractButton& key)
{
    if (&key == &backspaceKey) {
        textBuffer.deleteCharacter();
    } else if (&key == &separatorKey) {
        if (accepts(separator)) {
            textBuffer.insertCharacter(separator);
        }
    } else if (!moveCursor(key)) {
        for (const KeyboardButton& digitKey : digitKeys) {
            if (&key == &digitKey && accepts(digitKey.getCharacter())) {
                textBuffer.insertCharacter(digitKey.getCharacter());
            }
        }
    }
    textBuffer.invalidate();
}

float FloatKeyboard::getValue() const
{
    const quillon::WideChar* text = getText();
    double value = 0.0;
    uint8_t i = 0;
    for (; LeadingNumber::isDigit(text[i]); ++i) {
        value = value * 10.0 + (text[i] - '0');
    }
    if (text[i] == separator) {
        double scale = 0.1;
        for (++i; LeadingNumber::isDigit(text[i]); ++i) {
            value += (text[i] - '0') * scale;
            scale /= 10.0;
        }
    }
    return static_cast<float>(value);
}
} // namespace guicontrols
