#include "guicontrols/GenericKeyboard.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
namespace
{
const quillon::BitmapId KEY_RELEASED = 16;
const quillon::BitmapId KEY_PRESSED = 18;
const quillon::BitmapId BACKSPACE_ICON = 191;
const quillon::BitmapId CURSOR_LEFT_ICON = 193;
const quillon::BitmapId CURSOR_RIGHT_ICON = 197;
const uint8_t DISABLED_ALPHA = 128;
const uint8_t DIGIT_COUNT = 10;
} // namespace

GenericKeyboard::GenericKeyboard() {}

bool GenericKeyboard::setMaxLength(uint8_t length)
{
    return textBuffer.setMaxLength(length);
}

uint8_t GenericKeyboard::getMaxLength() const
{
    return textBuffer.getMaxLength();
}

const quillon::WideChar* GenericKeyboard::getText() const
{
    return textBuffer.getText();
}

bool GenericKeyboard::setText(const quillon::WideChar* text)
{
    if (quillon::WideString::strlen(text) > getMaxLength()) {
        return false;
    }
    textBuffer.setText(text);
    return true;
}

void GenericKeyboard::clear()
{
    textBuffer.clear();
    textBuffer.invalidate();
}

bool GenericKeyboard::isInputValid(uint32_t) const
{
    return true;
}

void GenericKeyboard::setMasked(bool masked)
{
    textBuffer.setMasked(masked);
}

bool GenericKeyboard::isMasked() const
{
    return textBuffer.isMasked();
}

void GenericKeyboard::placeKey(KeyboardButton& key, int16_t x, int16_t y)
{
    key.setBitmaps(quillon::Bitmap(KEY_RELEASED), quillon::Bitmap(KEY_PRESSED));
    key.setXY(x, y);
}

void GenericKeyboard::setKeyEnabled(KeyboardButton& key, bool enabled)
{
    key.setTouchable(enabled);
    key.setAlpha(enabled ? 255 : DISABLED_ALPHA);
}

void GenericKeyboard::placeTextBuffer()
{
    textBuffer.setPosition(152, 20, 494, 70);
}

void GenericKeyboard::layoutNumberKeys(KeyboardButton* digitKeys, uint8_t keyCount, const quillon::TypedText& digits,
                                       quillon::WideChar separator,
                                       quillon::GenericCallback<const quillon::AbstractButton&>& action)
{
    removeAll(); // laid out again: no key may be added twice
    const quillon::WideChar* digitText = digits.getText();
    const uint16_t digitTextLength = quillon::WideString::strlen(digitText);
    for (uint8_t i = 0; i < keyCount; ++i) {
        KeyboardButton& key = digitKeys[i];
        placeKey(key, gridX(i), gridY(i));
        key.setAction(action);
        const bool digit = i < DIGIT_COUNT && i < digitTextLength;
        key.setCharacter(digit ? digitText[i] : 0);
        setKeyEnabled(key, digit);
        add(key);
    }
    placeKey(backspaceKey, 652, 20);
    backspaceKey.setIcon(quillon::Bitmap(BACKSPACE_ICON));
    backspaceKey.setIconHigh(true);
    placeKey(cursorLeftKey, 652, 254);
    cursorLeftKey.setIcon(quillon::Bitmap(CURSOR_LEFT_ICON));
    placeKey(cursorRightKey, 724, 254);
    cursorRightKey.setIcon(quillon::Bitmap(CURSOR_RIGHT_ICON));
    KeyboardButton* specialKeys[] = {&backspaceKey, &cursorLeftKey, &cursorRightKey};
    for (KeyboardButton* key : specialKeys) {
        key->setAction(action);
        add(*key);
    }
    if (separator != 0) {
        placeKey(separatorKey, 724, 110); // over the blank key 10
        separatorKey.setCharacter(separator);
        separatorKey.setAction(action);
        add(separatorKey);
    }
    placeTextBuffer();
    add(textBuffer);
}

bool GenericKeyboard::moveCursor(const quillon::AbstractButton& key)
{
    const uint8_t cursor = textBuffer.getCursor();
    if (&key == &cursorLeftKey) {
        if (cursor > 0) {
            textBuffer.setCursor(static_cast<uint8_t>(cursor - 1));
        }
        return true;
    }
    if (&key == &cursorRightKey) {
        textBuffer.setCursor(static_cast<uint8_t>(cursor + 1)); // ignored past the end
        return true;
    }
    return false;
}
} // namespace guicontrols
