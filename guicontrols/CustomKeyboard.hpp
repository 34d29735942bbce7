#ifndef GUICONTROLS_CUSTOMKEYBOARD_HPP
#define GUICONTROLS_CUSTOMKEYBOARD_HPP

#include "guicontrols/GenericKeyboard.hpp"

#include <quillon/Callback.hpp>

namespace guicontrols
{
// The full text keyboard: 29 character keys filled from the current language's layout texts,
// space, the cursor keys, backspace, a mode key (letters and symbols) and shift. Every key but
// shift repeats while held.
class CustomKeyboard : public GenericKeyboard
{
public:
    static constexpr uint8_t CHARACTER_KEY_COUNT = 29;

    enum Mode : uint8_t
    {
        LETTERS = 0,
        SYMBOLS = 1,
        SHIFTED = 2,
        SECOND_SYMBOLS = 3
    };

    CustomKeyboard();

    void layoutKeys() override;
    void keyPressed(const quillon::AbstractButton& key) override;
    void onKeyRepeated(const RepeatableButton& key);

    // Variants 1 and 2 carry fuller symbol sets; every screen uses variant 0.
    void setVariant(uint8_t value);
    uint8_t getMode() const { return mode; }
    bool isShiftActive() const { return shiftButton.isChecked(); }

    // For the owner's tests and pictures: the keys as placed.
    const KeyboardButton& getCharacterKey(uint8_t i) const { return characterKeys[i]; }
    const KeyboardButton& getModeKey() const { return modeKey; }
    const ShiftButton& getShiftKey() const { return shiftButton; }

private:
    void applyLayoutTexts();
    void pressModeKey();
    void pressShift();
    void setModeIcon(quillon::BitmapId icon);
    void setShift(bool active);

    quillon::Callback<CustomKeyboard, const quillon::AbstractButton&> keyCallback;
    quillon::Callback<CustomKeyboard, const RepeatableButton&> repeatCallback;
    KeyboardButton characterKeys[CHARACTER_KEY_COUNT];
    KeyboardButton modeKey;
    uint8_t mode;
    uint8_t variant;
    bool symbolShift;
};
} // namespace guicontrols

#endif
