#include "guicontrols/CheckableTileButton.hpp"
#include "guicontrols/TileButtonWithStar.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <assets/GeneratedFonts.hpp>

#include <string>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const int16_t X = 100;
const int16_t Y = 100;

class TileButtonTest : public WidgetTest
{
protected:
    // Where the text's ink lies, against the same tile without text.
    Rectangle textInk(const std::u16string& text, quillon::BitmapId icon = quillon::BITMAP_NONE)
    {
        TileButton tile;
        tile.setXY(X, Y);
        tile.setIcon(quillon::Bitmap(icon));
        const std::vector<quillon::Color> bare = drawn(tile);
        tile.setText(w(text.c_str()));
        const Rectangle ink = differenceBounds(bare, drawn(tile));
        return Rectangle(static_cast<int16_t>(ink.x - X), static_cast<int16_t>(ink.y - Y), ink.width, ink.height);
    }

    static int16_t widthOf(const std::u16string& text)
    {
        return assets::font0().getStringWidth(reinterpret_cast<const quillon::WideChar*>(text.c_str()));
    }
};
} // namespace

// Longer than 30 units, the margins grow from 4 to 7: the text wraps at 224 - 70 = 154 px
// instead of 224 - 40 = 184.
TEST_F(TileButtonTest, LongTextsWrapWithWiderMargins)
{
    // Both texts wrap either way; their first line ends after five words at 184 px and
    // after four at 154 px.
    const std::u16string thirty = u"iiiii iiiii iiiii iiiii iii ii";
    const std::u16string thirtyOne = u"iiiii iiiii iiiii iiiii iii iii";
    ASSERT_EQ(thirty.size(), 30u);
    ASSERT_EQ(thirtyOne.size(), 31u);
    ASSERT_LE(widthOf(u"iiiii iiiii iiiii iiiii"), 154);
    ASSERT_GT(widthOf(u"iiiii iiiii iiiii iiiii iii"), 154);
    ASSERT_LE(widthOf(u"iiiii iiiii iiiii iiiii iii"), 184);
    ASSERT_GT(widthOf(thirty), 184);

    EXPECT_GT(textInk(thirty).width, 154);
    EXPECT_LE(textInk(thirtyOne).width, 154);
}

// Without an icon the text box is lifted by its lines: 2 lines 15 px, 3 lines 25, 4 lines 45.
TEST_F(TileButtonTest, TextWithoutIconIsLiftedByItsLines)
{
    const int16_t one = textInk(u"Menu").y;
    EXPECT_EQ(textInk(u"Menu\nx").y, one - 15);
    EXPECT_EQ(textInk(u"Menu\nx\nx").y, one - 25);
    EXPECT_EQ(textInk(u"Menu\nx\nx\nx").y, one - 45);
    // With an icon the text sits lower, at 11/20 of the height, and keeps to two lines.
    EXPECT_GT(textInk(u"Menu", 109).y, one);
    EXPECT_LT(textInk(u"Menu\nx\nx", 109).height, 2 * assets::font0().getFullHeight());
}

TEST_F(WidgetTest, TilesRedrawnInPartsLookAsWhole)
{
    static const char16_t text[] = u"Heating circuit 1 (50% economy)";
    TileButtonWithStar star;
    star.setXY(20, 30);
    star.setIcon(quillon::Bitmap(109));
    star.setText(w(text));
    const std::vector<quillon::Color> whole = drawn(star);
    EXPECT_EQ(drawnInParts(star, bands(224, 140, 11)), whole);

    CheckableTileButton checked;
    checked.setXY(300, 30);
    checked.setText(w(text));
    checked.setChecked(true);
    const std::vector<quillon::Color> wholeChecked = drawn(checked);
    EXPECT_EQ(drawnInParts(checked, bands(224, 140, 11)), wholeChecked);
    checked.setChecked(false);
    EXPECT_NE(drawn(checked), wholeChecked); // the overlay shows only while checked
}
