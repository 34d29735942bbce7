#include "guicontrols/CustomKeyboard.hpp"
#include "KeyboardScreen.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
class CustomKeyboardTest : public KeyboardScreen<CustomKeyboard>
{
protected:
    void tapShift() { tapAt(4, 20); }
    void tapMode() { tapAt(652, 20); }
    void tapSpace() { tapAt(508, 254); }
    // Beside the mode key here, not where the number keyboards have it.
    void tapTextBackspace() { tapAt(724, 20); }

    // The characters of the 29 keys, a gap as ' '.
    std::u16string page() const
    {
        std::u16string characters;
        for (uint8_t i = 0; i < CustomKeyboard::CHARACTER_KEY_COUNT; ++i) {
            characters.push_back(static_cast<char16_t>(keyboard.getCharacterKey(i).getCharacter()));
        }
        return characters;
    }
};
} // namespace

// English, variant 0: the last key of the first row and the last two of the second are gaps
// on both letter pages.
TEST_F(CustomKeyboardTest, EnglishLetterPagesHaveThreeGaps)
{
    for (int shifted = 0; shifted < 2; ++shifted) {
        SCOPED_TRACE(shifted);
        if (shifted != 0) {
            tapShift();
        }
        for (uint8_t i = 0; i < CustomKeyboard::CHARACTER_KEY_COUNT; ++i) {
            SCOPED_TRACE(i);
            const bool gap = i == 10 || i == 20 || i == 21;
            EXPECT_EQ(keyboard.getCharacterKey(i).isTouchable(), !gap);
            EXPECT_EQ(keyboard.getCharacterKey(i).getAlpha(), gap ? 128 : 255);
        }
    }
    EXPECT_EQ(page(), u"QWERTYUIOP ASDFGHJKL  ZXCVBNM");
    tapGrid(10); // a gap types nothing
    tapGrid(0);
    EXPECT_EQ(text(), u"Q");
}

// Sequences of shift and mode presses from the start: page, shift state and mode icon.
TEST_F(CustomKeyboardTest, ShiftAndModeKeysSwitchPages)
{
    struct Case
    {
        const char* presses; // s shift, m mode
        uint8_t mode;
        bool shift;
        quillon::BitmapId modeIcon;
        const char16_t* page;
    };
    const char16_t* const letters = u"qwertyuiop asdfghjkl  zxcvbnm";
    const char16_t* const capitals = u"QWERTYUIOP ASDFGHJKL  ZXCVBNM";
    const char16_t* const digits = u"1234567890@          &.,+-_()";
    const Case cases[] = {
        {"", 0, false, 194, letters},
        {"s", 2, true, 194, capitals},
        {"ss", 0, false, 194, letters},
        {"sm", 1, false, 195, digits}, // shift, then mode: the digit page, shift released
        {"m", 1, false, 195, digits},
        {"mm", 0, false, 194, letters},
        {"ms", 2, true, 195, digits}, // the shifted symbol page
        {"mss", 1, false, 195, digits},
        {"msm", 0, false, 194, letters},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.presses);
        keyboard.setVariant(0);
        for (const char* p = c.presses; *p != 0; ++p) {
            if (*p == 's') {
                tapShift();
            } else {
                tapMode();
            }
        }
        EXPECT_EQ(keyboard.getMode(), c.mode);
        EXPECT_EQ(keyboard.isShiftActive(), c.shift);
        EXPECT_EQ(keyboard.getShiftKey().getIcon(), quillon::Bitmap(c.shift ? 198 : 199));
        EXPECT_EQ(keyboard.getModeKey().getIcon(), quillon::Bitmap(c.modeIcon));
        EXPECT_EQ(page(), c.page);
    }
}

// Shift stays until pressed again; typing does not release it.
TEST_F(CustomKeyboardTest, TypesOnTheCurrentPage)
{
    tapGrid(0);
    tapShift();
    tapGrid(1);
    tapGrid(2);
    tapSpace();
    tapMode();
    tapGrid(0);
    tapTextBackspace();
    tapGrid(21);
    tapLeft();
    tapLeft();
    tapGrid(9);
    EXPECT_EQ(text(), u"qWE0 &");
    tapRight();
    tapRight();
    tapTextBackspace();
    EXPECT_EQ(text(), u"qWE0 ");
}

TEST_F(CustomKeyboardTest, AHeldKeyRepeatsAndAHeldShiftTogglesOnce)
{
    frame.touch().press(gridCentreX(0), gridCentreY(0));
    frame.frames(20);
    frame.touch().release();
    frame.frames(2);
    EXPECT_GE(text().size(), 4u);
    EXPECT_EQ(text(), std::u16string(text().size(), u'q'));

    frame.touch().press(4 + 70, TOP + 20 + 35);
    frame.frames(40);
    frame.touch().release();
    frame.frames(2);
    EXPECT_TRUE(keyboard.isShiftActive());
    EXPECT_EQ(keyboard.getMode(), CustomKeyboard::SHIFTED);
    EXPECT_EQ(application.timerWidgetCount(), 0);
}

// Variants 1 and 2 have no space key.
TEST_F(CustomKeyboardTest, OtherVariantsDisableTheSpaceKey)
{
    keyboard.setVariant(1);
    tapSpace();
    tapGrid(10);
    EXPECT_EQ(text(), u"");
    EXPECT_EQ(page(), u"qwertyuiop asdfghjkl  zxcvbnm");
    keyboard.setVariant(0);
    tapSpace();
    EXPECT_EQ(text(), u" ");
}
