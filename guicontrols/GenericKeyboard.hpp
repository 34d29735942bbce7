#ifndef GUICONTROLS_GENERICKEYBOARD_HPP
#define GUICONTROLS_GENERICKEYBOARD_HPP

#include "guicontrols/KeyboardButton.hpp"
#include "guicontrols/KeyboardTextBuffer.hpp"
#include "guicontrols/ShiftButton.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// The base of the on-screen keyboards: the edit line, five special keys and a shift key, and
// what every keyboard offers its owner. The owner places the keyboard and adds it to its
// content; the constructor only builds the members.
class GenericKeyboard : public quillon::Container
{
public:
    // The pitch of the key grid (keys are 71 x 71).
    static constexpr int16_t KEY_PITCH = 72;
    static constexpr uint8_t KEYS_PER_ROW = 11;

    GenericKeyboard();

    // False, and no change, above 45.
    virtual bool setMaxLength(uint8_t length);
    virtual uint8_t getMaxLength() const;
    virtual const quillon::WideChar* getText() const;
    // False, and no change, for a text longer than the maximum length.
    virtual bool setText(const quillon::WideChar* text);
    virtual void clear();
    // Whether the text passes the numbered check; every text does here.
    virtual bool isInputValid(uint32_t check) const;
    virtual void layoutKeys() {}
    virtual void keyPressed(const quillon::AbstractButton&) {}
    virtual void setMasked(bool masked);
    virtual bool isMasked() const;

    const KeyboardTextBuffer& getTextBuffer() const { return textBuffer; }

protected:
    static void placeKey(KeyboardButton& key, int16_t x, int16_t y);
    // Grid cell i of the character block: rows of 11 from (4, 110).
    static int16_t gridX(uint8_t i) { return static_cast<int16_t>(4 + KEY_PITCH * (i % KEYS_PER_ROW)); }
    static int16_t gridY(uint8_t i) { return static_cast<int16_t>(110 + KEY_PITCH * (i / KEYS_PER_ROW)); }
    static void setKeyEnabled(KeyboardButton& key, bool enabled);
    // The layout of the number keyboards: 31 keys, the first ten showing the digit text,
    // backspace, the cursor keys, a separator key when separator is not 0, the edit line.
    void layoutNumberKeys(KeyboardButton* digitKeys, uint8_t keyCount, const quillon::TypedText& digits,
                          quillon::WideChar separator,
                          quillon::GenericCallback<const quillon::AbstractButton&>& action);
    void placeTextBuffer();
    // The cursor keys; true when key was one of them.
    bool moveCursor(const quillon::AbstractButton& key);

    KeyboardButton cursorLeftKey;
    KeyboardButton cursorRightKey;
    KeyboardButton separatorKey;
    KeyboardButton backspaceKey;
    KeyboardButton spaceKey;
    KeyboardTextBuffer textBuffer;
    ShiftButton shiftButton;
};
} // namespace guicontrols

#endif
