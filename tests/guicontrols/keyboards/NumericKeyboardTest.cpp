#include "guicontrols/NumericKeyboard.hpp"
#include "KeyboardScreen.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
class NumericKeyboardTest : public KeyboardScreen<NumericKeyboard>
{
};
} // namespace

TEST_F(NumericKeyboardTest, OnlyTheTenDigitKeysAreLive)
{
    for (uint8_t i = 0; i < 31; ++i) {
        tapGrid(i);
    }
    EXPECT_EQ(text(), u"1234567890");
}

// Numbers are read whole and without wrapping: 2^32 + 1 is no port 1, 263 no code 7.
TEST_F(NumericKeyboardTest, ChecksTheNumber)
{
    struct Case
    {
        const char16_t* text;
        uint32_t check;
        bool valid;
    };
    const Case cases[] = {
        {u"", 0, false},
        {u"0", 0, true},
        {u"", 2, false},
        {u"0", 2, false},
        {u"1", 2, true},
        {u"65535", 2, true},
        {u"65536", 2, false},
        {u"4294967297", 2, false},
        {u"99999999999999999999", 2, false},
        {u"7", 1, true},
        {u"07", 1, true},
        {u"263", 1, false},
        {u"", 1, false},
        {u"", 9, false},
        {u"12", 9, true},
    };
    keyboard.setMaxLength(45);
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        ASSERT_TRUE(keyboard.setText(w(c.text)));
        EXPECT_EQ(keyboard.isInputValid(c.check), c.valid);
    }
    EXPECT_EQ(NumericKeyboard::WIZARD_ACCESS_CODE, 7u);
}

TEST_F(NumericKeyboardTest, StopsAtTheMaximumLength)
{
    keyboard.setMaxLength(3);
    typeDigits("1234");
    EXPECT_EQ(text(), u"123");
    EXPECT_FALSE(keyboard.setText(w(u"1234")));
    EXPECT_EQ(text(), u"123");
}

// Backspace at the start deletes nothing and does not upset the count of characters: a
// later backspace away from the start deletes one and the next digit is still taken.
TEST_F(NumericKeyboardTest, BackspaceAtTheStartKeepsTheCount)
{
    keyboard.setMaxLength(5);
    typeDigits("12");
    tapLeft();
    tapLeft();
    tapBackspace();
    EXPECT_EQ(text(), u"12");
    tapRight();
    tapRight();
    tapBackspace();
    EXPECT_EQ(text(), u"1");
    EXPECT_EQ(keyboard.getCount(), 1);
    typeDigits("3456");
    EXPECT_EQ(text(), u"13456");
    typeDigits("7");
    EXPECT_EQ(text(), u"13456");
}
