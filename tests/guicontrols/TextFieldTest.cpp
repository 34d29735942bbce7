#include "guicontrols/Palette.hpp"
#include "guicontrols/TextField.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include "framework/lcd/FixtureFont.hpp"

#include <assets/GeneratedFonts.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
// A font whose line is 26 pixels high (20 above the baseline, 6 below); its 'A' is a solid
// block from the line top down to the baseline.
class FixtureFontField : public WidgetTest
{
protected:
    // 'T' hangs far below its line, which shows where the clip ends.
    FixtureFontField() : fixture(20, 6, 4)
    {
        fixture.glyph('A', 10, 20, 20, 0, 12).glyph('B', 10, 26, 20, 0, 12).glyph('T', 10, 90, 20, 0, 12);
    }

    // Rows with any drawn pixel, as first row and count.
    std::pair<int, int> inkRows()
    {
        int first = -1, last = -1;
        for (int16_t y = 0; y < 480; ++y) {
            if (frame.count(SENTINEL, Rectangle(0, y, 800, 1)) < 800) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        return {first, first < 0 ? 0 : last - first + 1};
    }

    quillon::test::FixtureFont fixture;
};
} // namespace

TEST_F(WidgetTest, NewTextFieldDrawsNothingAndHasTheEmptyText)
{
    TextField field;
    field.setPosition(10, 10, 300, 71);
    frame.draw(field);
    EXPECT_EQ(frame.totalWrites(), 0);
    EXPECT_FALSE(field.hasText());
    EXPECT_EQ(u16(field.getText()), u"");
    EXPECT_EQ(field.getColor(), Palette::entry(0));
    EXPECT_TRUE(field.getOpaqueArea().isEmpty());
}

TEST_F(WidgetTest, RawTextNeedsBothTextAndFontAndGivesWayToATypedText)
{
    static const char16_t first[] = u"First";
    static const char16_t second[] = u"Second";
    TextField field;
    field.setTextId(quillon::TypedText(963));
    field.setText(w(first), &assets::font3());
    EXPECT_FALSE(field.getTypedText().hasValidId());
    EXPECT_EQ(u16(field.getText()), u"First");

    field.setText(w(second), nullptr); // a missing font keeps the earlier raw text
    EXPECT_EQ(u16(field.getText()), u"First");
    EXPECT_EQ(field.getFont(), &assets::font3());
    field.setText(nullptr, &assets::font0());
    EXPECT_EQ(field.getFont(), &assets::font3());

    field.setTextId(quillon::TypedText(963));
    EXPECT_EQ(u16(field.getText()), u"Heating circuit");
    EXPECT_EQ(field.getFont(), quillon::TypedText(963).getFont());

    field.setEmptyText();
    EXPECT_TRUE(field.hasText());
    EXPECT_EQ(u16(field.getText()), u"");
    EXPECT_EQ(field.getFont(), &assets::font2());
}

TEST_F(FixtureFontField, VerticalAlignmentPlacesTheTextBox)
{
    static const char16_t text[] = u"A";
    static const char16_t threeLines[] = u"A\nA\nA";
    struct Case
    {
        const char16_t* text;
        uint32_t alignment;
        int16_t fieldHeight;
        int firstRow; // of the field
        int rows;
    };
    const Case cases[] = {
        {text, 0, 71, 0, 20},
        {text, 1, 71, 22, 20}, // (71 - 26) / 2
        {text, 2, 71, 45, 20},
        {text, 7, 71, 0, 20},         // unknown: top
        {threeLines, 1, 40, 0, 40},   // 78 high in 40: offset -19, cut at the field's edges
        {threeLines, 2, 40, 0, 34},   // offset -38: lines end at rows 7 and 33
        {threeLines, 0, 200, 0, 72},  // lines 26 apart
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        TextField field;
        field.setPosition(100, 100, 300, c.fieldHeight);
        field.setText(w(c.text), &fixture.font());
        field.setVerticalAlignment(c.alignment);
        frame.fill(SENTINEL);
        frame.draw(field);
        const std::pair<int, int> rows = inkRows();
        EXPECT_EQ(rows.first - 100, c.firstRow);
        EXPECT_EQ(rows.second, c.rows);
    }
}

// With the text 26 high in a 71-high field, the whole redraw reaches the text through a
// clip of 49 rows from the top of the text box; a 'B' reaching the line's bottom shows it.
TEST_F(FixtureFontField, CentredTextIsClippedToTheFieldNotTheBox)
{
    static const char16_t text[] = u"B";
    TextField field;
    field.setPosition(100, 100, 300, 71);
    field.setText(w(text), &fixture.font());
    field.setVerticalAlignment(1);
    frame.draw(field);
    EXPECT_EQ(inkRows(), std::make_pair(122, 26));
    EXPECT_EQ(field.getTextHeight(), 26);

    static const char16_t tall[] = u"T";
    field.setText(w(tall), &fixture.font());
    frame.fill(SENTINEL);
    frame.draw(field);
    EXPECT_EQ(inkRows(), std::make_pair(122, 49)); // the clip: 71 - 22 rows from the box's top
}

TEST_F(FixtureFontField, TextIsDrawnTwicePerRedraw)
{
    static const char16_t text[] = u"AA";
    TextField field;
    field.setPosition(0, 0, 300, 30);
    field.setText(w(text), &fixture.font());
    frame.draw(field);
    EXPECT_EQ(frame.maxWritesPerPixel(), 2);
    EXPECT_EQ(frame.writes(5, 5), 2);
    EXPECT_EQ(frame.writes(11, 5), 0); // the gap between the glyphs
}

TEST_F(WidgetTest, TextFieldRedrawnInPartsLooksAsWhole)
{
    static const char16_t text[] = u"Circuit 50% \u2013 %s\nsecond line";
    TextField field;
    field.setPosition(37, 51, 330, 90);
    field.setText(w(text), &assets::font2());
    field.setAlignment(1);
    field.setVerticalAlignment(1);
    const std::vector<quillon::Color> whole = drawn(field);
    EXPECT_EQ(drawnInParts(field, bands(330, 90, 7)), whole);
    EXPECT_NE(differenceBounds(whole, drawn(TextField())), Rectangle()); // the text did draw
}
