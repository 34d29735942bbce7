#include "guicontrols/CustomKeyboard.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
namespace
{
const quillon::BitmapId WIDE_KEY_RELEASED = 2;
const quillon::BitmapId WIDE_KEY_PRESSED = 4;
const quillon::BitmapId DIGITS_ICON = 194;
const quillon::BitmapId LETTERS_ICON = 195;
const quillon::BitmapId SYMBOLS_ICON = 196;
const quillon::BitmapId SHIFT_ACTIVE_ICON = 198;
const quillon::BitmapId SHIFT_INACTIVE_ICON = 199;
const quillon::BitmapId BACKSPACE_ICON = 191;
const quillon::BitmapId CURSOR_LEFT_ICON = 193;
const quillon::BitmapId CURSOR_RIGHT_ICON = 197;
const quillon::WideChar SPACE = ' ';

// Layout text ids by mode (rows) and variant (columns); in variant 0 the shifted symbol
// page has a text of its own.
const quillon::TextId LAYOUT_TEXTS[4][3] = {
    {43, 39, 39},
    {41, 37, 34},
    {40, 36, 36},
    {41, 38, 35},
};
const quillon::TextId SHIFTED_SYMBOLS_TEXT = 42;
} // namespace

CustomKeyboard::CustomKeyboard()
    : keyCallback(this, &CustomKeyboard::keyPressed),
      repeatCallback(this, &CustomKeyboard::onKeyRepeated),
      mode(LETTERS),
      variant(0),
      symbolShift(false)
{
    layoutKeys();
    applyLayoutTexts();
}

void CustomKeyboard::layoutKeys()
{
    removeAll(); // laid out again: no key may be added twice
    for (uint8_t i = 0; i < CHARACTER_KEY_COUNT; ++i) {
        placeKey(characterKeys[i], gridX(i), gridY(i));
    }
    spaceKey.setBitmaps(quillon::Bitmap(WIDE_KEY_RELEASED), quillon::Bitmap(WIDE_KEY_PRESSED));
    spaceKey.setXY(508, 254);
    placeKey(cursorLeftKey, 652, 254);
    cursorLeftKey.setIcon(quillon::Bitmap(CURSOR_LEFT_ICON));
    placeKey(cursorRightKey, 724, 254);
    cursorRightKey.setIcon(quillon::Bitmap(CURSOR_RIGHT_ICON));
    placeKey(backspaceKey, 724, 20);
    backspaceKey.setIcon(quillon::Bitmap(BACKSPACE_ICON));
    backspaceKey.setIconHigh(true);
    placeKey(modeKey, 652, 20);
    modeKey.setIcon(quillon::Bitmap(DIGITS_ICON));
    modeKey.setIconHigh(true);
    shiftButton.setBitmaps(quillon::Bitmap(WIDE_KEY_RELEASED), quillon::Bitmap(WIDE_KEY_PRESSED));
    shiftButton.setXY(4, 20);
    shiftButton.setIcon(quillon::Bitmap(SHIFT_INACTIVE_ICON));
    shiftButton.setChecked(false);
    placeTextBuffer();

    KeyboardButton* repeatingKeys[CHARACTER_KEY_COUNT + 5];
    for (uint8_t i = 0; i < CHARACTER_KEY_COUNT; ++i) {
        repeatingKeys[i] = &characterKeys[i];
    }
    repeatingKeys[CHARACTER_KEY_COUNT] = &spaceKey;
    repeatingKeys[CHARACTER_KEY_COUNT + 1] = &cursorLeftKey;
    repeatingKeys[CHARACTER_KEY_COUNT + 2] = &cursorRightKey;
    repeatingKeys[CHARACTER_KEY_COUNT + 3] = &backspaceKey;
    repeatingKeys[CHARACTER_KEY_COUNT + 4] = &modeKey;
    for (KeyboardButton* key : repeatingKeys) {
        key->setAction(keyCallback);
        key->setRepeatAction(&repeatCallback);
        add(*key);
    }
    // Shift never repeats: a held shift must not toggle over and over.
    shiftButton.setAction(keyCallback);
    add(shiftButton);
    add(textBuffer);
    setKeyEnabled(spaceKey, variant == 0);
}

void CustomKeyboard::setVariant(uint8_t value)
{
    variant = value < 3 ? value : 0;
    mode = LETTERS;
    symbolShift = false;
    layoutKeys();
    applyLayoutTexts();
    invalidate();
}

void CustomKeyboard::applyLayoutTexts()
{
    quillon::TextId id = LAYOUT_TEXTS[mode & 3][variant];
    if (mode == SHIFTED && variant == 0 && symbolShift) {
        id = SHIFTED_SYMBOLS_TEXT;
    }
    const quillon::WideChar* layout = quillon::TypedText(id).getText();
    const uint16_t length = quillon::WideString::strlen(layout);
    for (uint8_t i = 0; i < CHARACTER_KEY_COUNT; ++i) {
        KeyboardButton& key = characterKeys[i];
        // A layout short of 29 characters leaves its last keys as gaps.
        const quillon::WideChar character = i < length ? layout[i] : SPACE;
        key.setCharacter(character);
        if (character == SPACE) {
            setKeyEnabled(key, false); // a gap in the layout
        } else {
            setKeyEnabled(key, true);
            key.setSecondCharacter(SPACE);
        }
    }
}

void CustomKeyboard::setModeIcon(quillon::BitmapId icon)
{
    modeKey.setIcon(quillon::Bitmap(icon));
}

void CustomKeyboard::setShift(bool active)
{
    shiftButton.setChecked(active);
    shiftButton.setIcon(quillon::Bitmap(active ? SHIFT_ACTIVE_ICON : SHIFT_INACTIVE_ICON));
}

void CustomKeyboard::pressModeKey()
{
    switch (mode) {
    case LETTERS:
        mode = SYMBOLS;
        setModeIcon(variant == 0 ? LETTERS_ICON : SYMBOLS_ICON);
        break;
    case SYMBOLS:
        if (variant == 0) {
            mode = LETTERS;
            setModeIcon(DIGITS_ICON);
        } else {
            mode = SECOND_SYMBOLS;
            setModeIcon(LETTERS_ICON);
        }
        break;
    case SHIFTED:
        setShift(false);
        if (variant != 0) {
            mode = SYMBOLS;
            setModeIcon(SYMBOLS_ICON);
        } else if (symbolShift) {
            mode = LETTERS;
            setModeIcon(DIGITS_ICON);
        } else {
            mode = SYMBOLS;
            setModeIcon(LETTERS_ICON);
        }
        break;
    default:
        mode = LETTERS;
        setModeIcon(DIGITS_ICON);
        break;
    }
}

void CustomKeyboard::pressShift()
{
    if (mode == LETTERS) {
        mode = SHIFTED;
        symbolShift = false;
        setShift(true);
    } else if (mode == SHIFTED) {
        mode = symbolShift ? SYMBOLS : LETTERS;
        symbolShift = false;
        setShift(false);
    } else if (mode == SYMBOLS && variant == 0) {
        symbolShift = true;
        mode = SHIFTED;
        setShift(true);
    }
}

void CustomKeyboard::keyPressed(const quillon::AbstractButton& key)
{
    if (&key == &modeKey || &key == &shiftButton) {
        if (&key == &modeKey) {
            pressModeKey();
        } else {
            pressShift();
        }
        applyLayoutTexts();
        invalidate();
    } else if (&key == &backspaceKey) {
        textBuffer.deleteCharacter();
    } else if (&key == &spaceKey) {
        textBuffer.insertCharacter(SPACE);
    } else if (!moveCursor(key)) {
        for (const KeyboardButton& characterKey : characterKeys) {
            if (&key == &characterKey) {
                textBuffer.insertCharacter(characterKey.getCharacter());
            }
        }
    }
    textBuffer.invalidate();
}

void CustomKeyboard::onKeyRepeated(const RepeatableButton& key)
{
    keyPressed(key);
}
} // namespace guicontrols
