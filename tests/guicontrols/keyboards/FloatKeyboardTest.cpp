#include "guicontrols/FloatKeyboard.hpp"
#include "KeyboardScreen.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
// The tests run in the C locale: the separator is ".".
class FloatKeyboardTest : public KeyboardScreen<FloatKeyboard>
{
protected:
    void SetUp() override
    {
        KeyboardScreen<FloatKeyboard>::SetUp();
        keyboard.setMaxLength(6);
        keyboard.setMaxDecimals(2);
    }
};
} // namespace

TEST_F(FloatKeyboardTest, TakesTwoDecimalsAfterTheSeparator)
{
    ASSERT_EQ(keyboard.getSeparator(), '.');
    EXPECT_FLOAT_EQ(keyboard.getValue(), 0.0f);
    typeDigits("12.34");
    EXPECT_EQ(text(), u"12.34");
    EXPECT_FLOAT_EQ(keyboard.getValue(), 12.34f);
    EXPECT_EQ(keyboard.hasSeparator(), 1);
    typeDigits("5");
    EXPECT_EQ(text(), u"12.34");
    typeDigits(".");
    EXPECT_EQ(text(), u"12.34");
}

// Room is kept for the separator and the decimals: two integer digits of six.
TEST_F(FloatKeyboardTest, LimitsTheIntegerPart)
{
    typeDigits("123");
    EXPECT_EQ(text(), u"12");
    // A deleted digit frees its place again.
    tapBackspace();
    typeDigits("2");
    EXPECT_EQ(text(), u"12");
}

TEST_F(FloatKeyboardTest, RefusesASeparatorBeforeTooManyDigits)
{
    keyboard.setMaxLength(8);
    typeDigits("1234");
    tapLeft();
    tapLeft();
    tapLeft();
    typeDigits(".");
    EXPECT_EQ(text(), u"1234");
    // The refused separator leaves the integer part full.
    typeDigits("5");
    EXPECT_EQ(text(), u"1234");
    tapRight();
    typeDigits(".");
    EXPECT_EQ(text(), u"12.34");
    EXPECT_FLOAT_EQ(keyboard.getValue(), 12.34f);
}

TEST_F(FloatKeyboardTest, DeletingTheSeparatorReturnsToWholeNumbers)
{
    typeDigits("1.5");
    tapLeft();
    tapBackspace();
    EXPECT_EQ(text(), u"15");
    EXPECT_EQ(keyboard.hasSeparator(), 0);
    EXPECT_FLOAT_EQ(keyboard.getValue(), 15.0f);
    // Both digits now count as the integer part.
    tapRight();
    typeDigits("9");
    EXPECT_EQ(text(), u"15");
    typeDigits(".25");
    EXPECT_EQ(text(), u"15.25");
}

TEST_F(FloatKeyboardTest, SetTextTakesOnlyShorterTexts)
{
    EXPECT_TRUE(keyboard.setText(w(u"1.5")));
    EXPECT_EQ(text(), u"1.5");
    EXPECT_FALSE(keyboard.setText(w(u"12.345")));
    EXPECT_EQ(text(), u"");
    EXPECT_TRUE(keyboard.setText(w(u"9x.8")));
    EXPECT_EQ(text(), u"9.8");
    EXPECT_FALSE(keyboard.setText(nullptr));
    EXPECT_EQ(text(), u"9.8");
    EXPECT_TRUE(keyboard.setText(w(u"1.234")));
    EXPECT_EQ(text(), u"1.23");
}

// A long integer part gives its value, not a wrapped one.
TEST_F(FloatKeyboardTest, ValueOfALongIntegerPart)
{
    keyboard.setMaxLength(45);
    ASSERT_TRUE(keyboard.setText(w(u"12345678901.5")));
    EXPECT_NEAR(keyboard.getValue(), 12345678901.5, 12345678901.5 * 1e-6);
}
