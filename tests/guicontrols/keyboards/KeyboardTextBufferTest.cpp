#include "guicontrols/KeyboardTextBuffer.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/ApplicationFontProvider.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::ClickEvent;

namespace
{
class KeyboardTextBufferTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        line.setPosition(152, 20, 494, 70);
    }

    void type(const char16_t* text)
    {
        for (const char16_t* unit = text; *unit != 0; ++unit) {
            line.insertCharacter(static_cast<quillon::WideChar>(*unit));
        }
    }

    // Where the cursor bar starts, in the line's coordinates.
    int cursorX() const { return KeyboardTextBuffer::MARGIN - line.getScrollX() + line.textWidth(line.getCursor()); }

    int width(const char16_t* text) const
    {
        ApplicationFontProvider fonts;
        return LiteralText::getWidth(fonts.getFont(KeyboardTextBuffer::FONT_ID), w(text));
    }

    // Inside the line, at most the cursor's own width into the right margin.
    void expectCursorVisible() const
    {
        EXPECT_GE(cursorX(), KeyboardTextBuffer::MARGIN);
        EXPECT_LE(cursorX() + KeyboardTextBuffer::CURSOR_WIDTH, line.getWidth());
    }

    KeyboardTextBuffer line;
};

const char16_t* const FORTY_FIVE = u"The quick brown fox jumps over the lazy dog!!";
} // namespace

TEST_F(KeyboardTextBufferTest, StopsAtTheMaximumLength)
{
    type(FORTY_FIVE);
    ASSERT_EQ(line.getLength(), 45);
    type(u"x");
    EXPECT_EQ(u16(line.getText()), FORTY_FIVE);

    line.clear();
    EXPECT_TRUE(line.setMaxLength(10));
    type(u"0123456789A");
    EXPECT_EQ(u16(line.getText()), u"0123456789");
    EXPECT_FALSE(line.setMaxLength(46));
    EXPECT_EQ(line.getMaxLength(), 10);
}

// The text is the line's own copy: a longer source is cut at 45 characters and terminated.
TEST_F(KeyboardTextBufferTest, SetTextCopiesAtMostFortyFiveCharacters)
{
    const std::u16string sixty(60, u'a');
    line.setText(w(sixty.c_str()));
    EXPECT_EQ(u16(line.getText()), std::u16string(45, u'a'));
    EXPECT_EQ(line.getCursor(), 45);
    line.setText(nullptr);
    EXPECT_TRUE(line.isEmpty());
    EXPECT_EQ(line.getCursor(), 0);
}

TEST_F(KeyboardTextBufferTest, BackspaceRemovesTheCharacterBeforeTheCursor)
{
    line.setText(w(u"abcd"));
    line.setCursor(2);
    line.deleteCharacter();
    EXPECT_EQ(u16(line.getText()), u"acd");
    EXPECT_EQ(line.getCursor(), 1);
    line.setCursor(0);
    line.deleteCharacter();
    EXPECT_EQ(u16(line.getText()), u"acd");
    EXPECT_EQ(line.getCursor(), 0);
    line.setCursor(200); // beyond the end: ignored
    EXPECT_EQ(line.getCursor(), 0);
    line.insertCharacter('x');
    EXPECT_EQ(u16(line.getText()), u"xacd");
}

TEST_F(KeyboardTextBufferTest, TypingALongTextKeepsTheCursorInView)
{
    for (int i = 0; i < 45; ++i) {
        SCOPED_TRACE(i);
        line.insertCharacter(i % 3 == 0 ? 'W' : 'm');
        expectCursorVisible();
    }
    EXPECT_GT(line.getScrollX(), 0);
    // Back to the start and forth again by the cursor keys.
    for (int i = 0; i < 45; ++i) {
        line.setCursor(static_cast<uint8_t>(line.getCursor() - 1));
        expectCursorVisible();
    }
    EXPECT_EQ(line.getScrollX(), 0);
    for (int i = 0; i < 45; ++i) {
        line.setCursor(static_cast<uint8_t>(line.getCursor() + 1));
        expectCursorVisible();
    }
}

TEST_F(KeyboardTextBufferTest, SetTextOfALongTextShowsItsEnd)
{
    line.setText(w(FORTY_FIVE));
    const int visible = line.getWidth() - 2 * KeyboardTextBuffer::MARGIN;
    ASSERT_GT(width(FORTY_FIVE), visible);
    EXPECT_EQ(line.textWidth(45) - line.getScrollX(), visible);
    expectCursorVisible();

    line.setText(w(u"short"));
    EXPECT_EQ(line.getScrollX(), 0);
}

// Deleting from the end and then down to the start of a text wider than the line: the line
// never shows a gap after the text while it is wider, the cursor stays in view, and no width
// of a character beyond the text is read.
TEST_F(KeyboardTextBufferTest, DeletingKeepsTheLineFullAndTheCursorInView)
{
    const int visible = line.getWidth() - 2 * KeyboardTextBuffer::MARGIN;
    line.setText(w(FORTY_FIVE));
    for (int i = 0; i < 10; ++i) {
        line.deleteCharacter();
        if (line.textWidth(45) > visible) {
            EXPECT_GE(line.textWidth(45) - line.getScrollX(), visible);
        }
        expectCursorVisible();
    }
    line.setText(w(FORTY_FIVE));
    line.setCursor(3); // a jump: the view stays at the end
    EXPECT_GT(line.getScrollX(), 0);
    for (int i = 0; i < 3; ++i) {
        line.deleteCharacter();
        expectCursorVisible();
    }
    EXPECT_EQ(line.getCursor(), 0);
    EXPECT_EQ(line.getScrollX(), 0);
    EXPECT_EQ(line.characterWidth(255), 0);
    EXPECT_EQ(line.characterWidth(line.getLength()), 0);
}

// Drawn: the background, the text and a 3 x 30 cursor bar after the third asterisk.
TEST_F(KeyboardTextBufferTest, AMaskedLineShowsAndMeasuresAsterisks)
{
    line.setMasked(true);
    line.setText(w(u"iii"));
    EXPECT_EQ(line.textWidth(3), width(u"***"));
    frame.draw(line);
    const quillon::Color cursor = Palette::entry(9);
    const int16_t x = static_cast<int16_t>(152 + 15 + width(u"***"));
    EXPECT_EQ(frame.count(cursor, quillon::Rectangle(152, 20, 494, 70)), 3 * 30);
    EXPECT_EQ(frame.at(x, 35), cursor);
    EXPECT_EQ(frame.at(static_cast<int16_t>(x + 2), 64), cursor);
    EXPECT_NE(frame.at(static_cast<int16_t>(x - 1), 35), cursor);
    EXPECT_EQ(frame.at(152, 20), Palette::entry(11));
    EXPECT_EQ(frame.at(645, 89), Palette::entry(11));
    EXPECT_EQ(frame.at(151, 20), SENTINEL);
    // Text pixels only inside the margins.
    EXPECT_GT(frame.count(Palette::entry(6), quillon::Rectangle(167, 35, 464, 40)), 0);
    EXPECT_EQ(frame.count(Palette::entry(6), quillon::Rectangle(152, 20, 494, 15)), 0);
}

// The text drawn in the window of the scroll position, clipped at both margins.
TEST_F(KeyboardTextBufferTest, AScrolledTextStaysInsideTheMargins)
{
    line.setText(w(FORTY_FIVE));
    frame.draw(line);
    const quillon::Color ink = Palette::entry(6);
    EXPECT_GT(frame.count(ink, quillon::Rectangle(167, 20, 464, 70)), 0);
    EXPECT_EQ(frame.count(ink, quillon::Rectangle(152, 20, 15, 70)), 0);
    EXPECT_EQ(frame.count(ink, quillon::Rectangle(631, 20, 15, 70)), 0);
    // The cursor at the end stands in the right margin.
    EXPECT_EQ(frame.at(static_cast<int16_t>(152 + cursorX()), 40), Palette::entry(9));
}

TEST_F(KeyboardTextBufferTest, ATouchPutsTheCursorAtTheNearestBoundary)
{
    line.setText(w(u"mmmm"));
    const int m = width(u"m");
    struct Case
    {
        int x;
        uint8_t cursor;
    };
    const Case cases[] = {
        {0, 0},
        {15 + m / 2 - 2, 0},
        {15 + m / 2 + 2, 1},
        {15 + 2 * m + 1, 2},
        {15 + 4 * m - 1, 4},
        {400, 4}, // right of the text: its end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        line.setCursor(4);
        line.setCursor(2);
        line.onClick(ClickEvent(ClickEvent::PRESSED, static_cast<int16_t>(c.x), 30));
        line.onClick(ClickEvent(ClickEvent::RELEASED, static_cast<int16_t>(c.x), 30));
        EXPECT_EQ(line.getCursor(), c.cursor);
    }
}
