#include "guicontrols/CheckableLongButton.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <assets/GeneratedFonts.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const int16_t X = 71;
const int16_t Y = 200;
const quillon::BitmapId FLAG = 59; // 60 x 40

class LongButtonTest : public WidgetTest
{
protected:
    // The leftmost column (in the button) where drawing with a change differs from without.
    int16_t firstChangedColumn(LongButton& button, void (*change)(LongButton&))
    {
        const std::vector<quillon::Color> before = drawn(button);
        change(button);
        return static_cast<int16_t>(differenceBounds(before, drawn(button)).x - X);
    }
};
} // namespace

TEST_F(WidgetTest, LongButtonKeepsTheSizeOfItsBitmap)
{
    LongButton button;
    EXPECT_EQ(button.getRect(), Rectangle(0, 0, 658, 71));
    button.setPosition(5, 6, 100, 20);
    EXPECT_EQ(button.getRect(), Rectangle(5, 6, 658, 71));
    button.setWidth(800);
    button.setHeight(1);
    EXPECT_EQ(button.getRect(), Rectangle(5, 6, 658, 71));
}

TEST_F(LongButtonTest, IconAtTheLeftEndPushesTheTexts)
{
    static const char16_t text[] = u"Hot water";
    const quillon::Font& font = assets::font2();
    const int16_t inkLeft = font.getGlyph('H')->left;
    struct Case
    {
        int16_t iconOffset;
        int16_t iconX;
        int16_t textX;
    };
    const Case cases[] = {
        {-290, 9, 110},  // left edge 9 lies in 0 .. 24: text box at 25 + 60 + 25
        {0, 299, 25},    // centred
        {-304, 299, 25}, // would leave the button: stays centred
        {-280, 19, 110},
        {-270, 29, 25},  // past 24: texts not moved
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iconOffset);
        LongButton button;
        button.setXY(X, Y);
        const int16_t offset = c.iconOffset;
        button.setIcon(quillon::Bitmap(FLAG), offset);
        frame.fill(SENTINEL);
        const std::vector<quillon::Color> iconOnly = drawn(button);
        button.setIcon(quillon::Bitmap(quillon::BITMAP_NONE), 0);
        EXPECT_EQ(differenceBounds(drawn(button), iconOnly).x - X, c.iconX);
        button.setIcon(quillon::Bitmap(FLAG), offset);
        EXPECT_EQ(firstChangedColumn(button, [](LongButton& b) { b.setText(w(text)); }), c.textX + inkLeft);
    }
}

TEST_F(LongButtonTest, SecondTextFollowsATypedTextAtItsWidthAndARawOneAt500)
{
    static const char16_t second[] = u"Mon";
    static const char16_t raw[] = u"Hot water";
    const int16_t inkLeft = assets::font2().getGlyph('M')->left;
    const quillon::TypedText typed(809); // "Actual power", a body text in the button's font
    const int16_t typedWidth = LiteralText::getWidth(typed.getFont(), typed.getText());
    EXPECT_EQ(typedWidth, typed.getWidth()); // no '%' in it: the framework measures the same

    LongButton button;
    button.setXY(X, Y);
    button.setText(typed);
    EXPECT_EQ(u16(button.getText()), u"Actual power");
    EXPECT_EQ(firstChangedColumn(button, [](LongButton& b) { b.setSecondText(w(second)); }),
              25 + typedWidth + 10 + inkLeft);
    // A title text (font 3) is measured in the font the button draws it in.
    button.setSecondText(nullptr);
    const quillon::TypedText title(963);
    ASSERT_NE(title.getFont(), &assets::font2());
    button.setText(title);
    EXPECT_EQ(firstChangedColumn(button, [](LongButton& b) { b.setSecondText(w(second)); }),
              25 + LiteralText::getWidth(&assets::font2(), title.getText()) + 10 + inkLeft);
    button.setSecondText(nullptr);
    button.setText(w(raw));
    EXPECT_EQ(firstChangedColumn(button, [](LongButton& b) { b.setSecondText(w(second)); }), 25 + 500 + inkLeft);
}

TEST_F(LongButtonTest, ValueTextEndsAtTheTextBoxAndNeedsAMainText)
{
    static const char16_t value[] = u"55.5 \u00B0C";
    static const char16_t main[] = u"Flow";
    LongButton button;
    button.setXY(X, Y);
    button.setValueText(w(value));
    const std::vector<quillon::Color> bare = drawn(button);
    LongButton plain;
    plain.setXY(X, Y);
    EXPECT_EQ(bare, drawn(plain)); // without a main text no text is drawn
    button.setText(w(main));
    plain.setText(w(main));
    const Rectangle valueInk = differenceBounds(drawn(plain), drawn(button));
    EXPECT_LE(valueInk.right() - X, 658 - 25);
    EXPECT_GE(valueInk.right() - X, 658 - 25 - 3);
}

// A redraw in bands, as under an opaque widget or when a popup closes over a list, gives the
// pixels of a whole redraw: texts are clipped, not left out.
TEST_F(WidgetTest, LongButtonRedrawnInPartsLooksAsWhole)
{
    static const char16_t main[] = u"Room temperature";
    static const char16_t second[] = u"HC 1";
    static const char16_t value[] = u"21.5 \u00B0C 100%";
    CheckableLongButton button;
    button.setXY(50, 120);
    button.setText(w(main));
    button.setSecondText(w(second));
    button.setValueText(w(value));
    button.setIcon(quillon::Bitmap(FLAG), -290);
    button.setChecked(true);
    const std::vector<quillon::Color> whole = drawn(button);
    EXPECT_EQ(drawnInParts(button, bands(658, 71, 9)), whole);
    EXPECT_EQ(drawnInParts(button, bands(658, 71, 30)), whole);
}
