#include "guicontrols/IPKeyboard.hpp"

#include "guicontrols/LeadingNumber.hpp"
#include "helpers/Conversions.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
namespace
{
const quillon::TextId DIGIT_TEXT = 41;
const quillon::TextId POINT_TEXT = 46;
const uint8_t POINT_INDEX = 10;
const quillon::WideChar POINT = '.';
const uint8_t ADDRESS_DIGITS = 12;
const uint8_t ADDRESS_POINTS = 3;
const uint8_t ADDRESS_NUMBERS = 4;
const uint32_t LARGEST_OCTET = 255;
const uint8_t POINT_COLUMN = 3;

// The largest digit each column of a number takes, hundreds, tens and units.
struct ColumnLimits
{
    uint8_t hundreds;
    uint8_t tens;
    uint8_t units;
};
} // namespace

IPKeyboard::IPKeyboard() : keyCallback(this, &IPKeyboard::keyPressed), addressKind(HOST)
{
    layoutKeys();
}

void IPKeyboard::layoutKeys()
{
    const quillon::WideChar* points = quillon::TypedText(POINT_TEXT).getText();
    const quillon::WideChar separator =
        quillon::WideString::strlen(points) > POINT_INDEX ? points[POINT_INDEX] : POINT;
    layoutNumberKeys(digitKeys, DIGIT_KEY_COUNT, quillon::TypedText(DIGIT_TEXT), separator, keyCallback);
}

uint8_t IPKeyboard::getDigitCount() const
{
    uint8_t count = 0;
    for (const quillon::WideChar* unit = getText(); *unit != 0; ++unit) {
        count = static_cast<uint8_t>(count + (LeadingNumber::isDigit(*unit) ? 1 : 0));
    }
    return count;
}

uint8_t IPKeyboard::getPointCount() const
{
    uint8_t count = 0;
    for (const quillon::WideChar* unit = getText(); *unit != 0; ++unit) {
        count = static_cast<uint8_t>(count + (*unit == POINT ? 1 : 0));
    }
    return count;
}

bool IPKeyboard::setText(const quillon::WideChar* text)
{
    const uint16_t length = quillon::WideString::strlen(text);
    if (text == nullptr || length > getMaxLength() || length != ADDRESS_LENGTH) {
        return false;
    }
    textBuffer.setText(text);
    return true;
}

bool IPKeyboard::isInputValid(uint32_t) const
{
    if (getDigitCount() != ADDRESS_DIGITS || getPointCount() != ADDRESS_POINTS) {
        return false;
    }
    const quillon::WideChar* text = getText();
    uint8_t points = 0;
    uint8_t numbers = 0;
    for (uint8_t i = 0; i < ADDRESS_LENGTH; ++i) {
        if (text[i] == POINT) {
            ++points;
            continue;
        }
        if (LeadingNumber::read(text + i, 3) > LARGEST_OCTET) {
            return false;
        }
        ++numbers;
        i = static_cast<uint8_t>(i + 2);
    }
    return points == ADDRESS_POINTS && numbers == ADDRESS_NUMBERS;
}

uint8_t IPKeyboard::digitAt(int16_t position) const
{
    if (position < 0 || position >= textBuffer.getLength()) {
        return 0;
    }
    const quillon::WideChar unit = getText()[position];
    return LeadingNumber::isDigit(unit) ? static_cast<uint8_t>(unit - '0') : 0;
}

bool IPKeyboard::acceptsDigit(uint8_t d, uint8_t position) const
{
    const uint8_t column = position % 4;
    const uint8_t group = position / 4;
    ColumnLimits limit = {2, 5, 5};
    if (addressKind != MASK && group == 0) {
        limit = {2, 2, 3}; // a host address starts at most with 223
    } else if (addressKind == MASK && group > 0 &&
               helpers::parseIpOctet(static_cast<uint32_t>(group - 1), getText()) != LARGEST_OCTET) {
        limit = {static_cast<uint8_t>(column == 0 ? 1 : 0), 0, 0}; // only zeros after a group below 255
    }
    const uint8_t p = digitAt(position - 1);
    const uint8_t n = digitAt(position);
    const uint8_t q = digitAt(position - 2);
    const bool pointAtCursor = position < textBuffer.getLength() && getText()[position] == POINT;
    switch (column) {
    case 0:
        return !((n >= limit.tens && d >= limit.hundreds) || (pointAtCursor && d > limit.hundreds) ||
                 d > limit.hundreds);
    case 1:
        return !(p > limit.hundreds || (p >= limit.hundreds && n > limit.units && d >= limit.tens) ||
                 (d > limit.tens && p >= limit.hundreds));
    default:
        return !(q > limit.hundreds || (q == limit.hundreds && p > limit.tens) ||
                 (q == limit.hundreds && p >= limit.tens && d > limit.units));
    }
}

bool IPKeyboard::accepts(quillon::WideChar character) const
{
    const uint8_t position = textBuffer.getCursor();
    const bool afterPoint = position > 0 && getText()[position - 1] == POINT;
    if (position % 4 == POINT_COLUMN) {
        return character == POINT && !afterPoint;
    }
    if (character == POINT || !LeadingNumber::isDigit(character)) {
        return false; // a point only closes a number of three digits
    }
    return acceptsDigit(static_cast<uint8_t>(character - '0'), position);
}

void IPKeyboard::keyPressed(const quillon::AbstractButton& key)
{
    if (&key == &backspaceKey) {
        textBuffer.deleteCharacter();
    } else if (!moveCursor(key)) {
        const KeyboardButton* pressed = &key == &separatorKey ? &separatorKey : nullptr;
        for (const KeyboardButton& digitKey : digitKeys) {
            pressed = &key == &digitKey ? &digitKey : pressed;
        }
        const bool room = textBuffer.getLength() < getMaxLength() &&
                          (getDigitCount() < ADDRESS_DIGITS || getPointCount() < ADDRESS_POINTS);
        if (pressed != nullptr && room && accepts(pressed->getCharacter())) {
            textBuffer.insertCharacter(pressed->getCharacter());
        }
    }
    textBuffer.invalidate();
}
} // namespace guicontrols
