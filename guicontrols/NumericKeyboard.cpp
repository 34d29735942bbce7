#include "guicontrols/NumericKeyboard.hpp"

#include "guicontrols/LeadingNumber.hpp"

namespace guicontrols
{
namespace
{
const quillon::TextId DIGIT_TEXT = 41;
const uint32_t LARGEST_PORT = 65535;
} // namespace

NumericKeyboard::NumericKeyboard() : keyCallback(this, &NumericKeyboard::keyPressed)
{
    layoutKeys();
}

void NumericKeyboard::layoutKeys()
{
    layoutNumberKeys(digitKeys, DIGIT_KEY_COUNT, quillon::TypedText(DIGIT_TEXT), 0, keyCallback);
}

// The whole number is compared, read without wrapping: "4294967297" is no port 1, and "263"
// is no code 7.
bool NumericKeyboard::isInputValid(uint32_t check) const
{
    const uint32_t number = LeadingNumber::read(getText());
    switch (check) {
    case WIZARD_CODE:
        return !textBuffer.isEmpty() && number == WIZARD_ACCESS_CODE;
    case PORT_NUMBER:
        return number >= 1 && number <= LARGEST_PORT;
    default:
        return !textBuffer.isEmpty();
    }
}

void NumericKeyboard::keyPressed(const quillon::AbstractButton& key)
{
    if (&key == &backspaceKey) {
        textBuffer.deleteCharacter(); // nothing at cursor 0
    } else if (!moveCursor(key)) {
        for (const KeyboardButton& digitKey : digitKeys) {
            if (&key == &digitKey) {
                textBuffer.insertCharacter(digitKey.getCharacter()); // nothing at the maximum length
            }
        }
    }
    textBuffer.invalidate();
}
} // namespace guicontrols
