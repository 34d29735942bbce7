#include "guicontrols/IPKeyboard.hpp"
#include "KeyboardScreen.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
class IPKeyboardTest : public KeyboardScreen<IPKeyboard>
{
protected:
    // Types the whole text, then reports what the line holds.
    std::u16string typed(const char* keys, uint32_t kind = IPKeyboard::HOST)
    {
        keyboard.clear();
        keyboard.setAddressKind(kind);
        typeDigits(keys);
        return text();
    }
};
} // namespace

TEST_F(IPKeyboardTest, AcceptsDigitsAndPointsOnlyInTheirColumns)
{
    EXPECT_EQ(typed("192.168.001.010"), u"192.168.001.010");
    EXPECT_EQ(keyboard.getDigitCount(), 12);
    EXPECT_EQ(keyboard.getPointCount(), 3);
    EXPECT_TRUE(keyboard.isInputValid(0));
    typeDigits("1.");
    EXPECT_EQ(text(), u"192.168.001.010"); // complete

    EXPECT_EQ(typed(".19"), u"19");        // a point in a digit column
    EXPECT_EQ(typed("1921.168"), u"192.168"); // a digit in the point column
    EXPECT_EQ(typed("10.0"), u"100"); // the point came too early
    EXPECT_FALSE(keyboard.isInputValid(0));
}

TEST_F(IPKeyboardTest, AHostAddressStartsAtMostWith223)
{
    struct Case
    {
        const char* keys;
        const char16_t* line;
    };
    const Case cases[] = {
        {"3", u""},
        {"23", u"2"},
        {"224", u"22"},
        {"223.255.255.255", u"223.255.255.255"},
        {"199.256", u"199.25"},
        {"199.260", u"199.20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(typed(c.keys), c.line);
    }
}

TEST_F(IPKeyboardTest, InAMaskOnlyZerosFollowAGroupBelow255)
{
    struct Case
    {
        const char* keys;
        const char16_t* line;
    };
    const Case cases[] = {
        {"255.255.255.000", u"255.255.255.000"},
        {"255.240.1000", u"255.240.000"},
        {"255.240.0100.000", u"255.240.000.000"},
        {"254.10", u"254.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(typed(c.keys, IPKeyboard::MASK), c.line);
    }
}

TEST_F(IPKeyboardTest, SetTextTakesOnlyFifteenCharacters)
{
    EXPECT_FALSE(keyboard.setText(w(u"192.168.1.1")));
    EXPECT_FALSE(keyboard.setText(w(u"192.168.001.0010")));
    EXPECT_FALSE(keyboard.setText(nullptr));
    EXPECT_EQ(text(), u"");
    EXPECT_TRUE(keyboard.setText(w(u"192.168.001.256")));
    EXPECT_FALSE(keyboard.isInputValid(0)); // the characters are checked on accept
    EXPECT_TRUE(keyboard.setText(w(u"010.000.000.255")));
    EXPECT_TRUE(keyboard.isInputValid(0));
    keyboard.setMaxLength(14);
    EXPECT_FALSE(keyboard.setText(w(u"192.168.001.001")));
}

TEST_F(IPKeyboardTest, BackspaceReopensThePlace)
{
    typed("192.168.001.001");
    tapBackspace();
    tapBackspace();
    tapBackspace();
    tapBackspace();
    EXPECT_EQ(text(), u"192.168.001");
    EXPECT_EQ(keyboard.getPointCount(), 2);
    typeDigits(".255");
    EXPECT_EQ(text(), u"192.168.001.255");
}
