#include "guicontrols/ContactDataItem.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TextFieldBuffer.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/ApplicationFontProvider.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::ClickEvent;
using quillon::Rectangle;

namespace
{
class IdRecorder
{
public:
    IdRecorder() : callback(this, &IdRecorder::onId) {}
    void onId(unsigned char id) { ids.push_back(id); }

    quillon::Callback<IdRecorder, unsigned char> callback;
    std::vector<int> ids;
};

class TextFieldBufferTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        field.setPosition(100, 100, 460, 50);
        field.setColor(Palette::entry(1));
    }

    int width(const quillon::WideChar* text) const
    {
        ApplicationFontProvider fonts;
        return LiteralText::getWidth(fonts.getFont(8), text);
    }

    // The first and last columns holding ink of the text colour.
    std::pair<int, int> inkColumns()
    {
        int first = -1, last = -1;
        for (int16_t x = 0; x < 800; ++x) {
            if (frame.count(Palette::entry(6), Rectangle(x, 0, 1, 480)) > 0) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return {first, last};
    }

    TextFieldBuffer field;
};
} // namespace

// 26 characters are kept whole and terminated; a longer source is cut there.
TEST_F(TextFieldBufferTest, KeepsItsOwnCopyOfAtMost26Characters)
{
    std::u16string source = u"abcdefghijklmnopqrstuvwxyz";
    field.setText(w(source.c_str()));
    source[0] = u'X';
    EXPECT_EQ(u16(field.getText()), u"abcdefghijklmnopqrstuvwxyz");
    const std::u16string forty(40, u'7');
    field.setText(w(forty.c_str()));
    EXPECT_EQ(u16(field.getText()), std::u16string(26, u'7'));
    field.setText(nullptr);
    EXPECT_EQ(u16(field.getText()), u"");
}

TEST_F(TextFieldBufferTest, TwentySixCharactersShowWhole)
{
    const quillon::WideChar* text = w(u"john.smith@heating-co.com!");
    ASSERT_EQ(u16(text).size(), 26u);
    ASSERT_LT(width(text), 460 - 30);
    field.setText(text);
    frame.draw(field);
    const std::pair<int, int> ink = inkColumns();
    EXPECT_GE(ink.first, 115);
    EXPECT_LE(ink.first, 118);
    EXPECT_GE(ink.second, 115 + width(text) - 4);
    EXPECT_LT(ink.second, 115 + width(text));
}

// Whatever the alignment, a text wider than the field starts at the left margin and is cut
// at the right one.
TEST_F(TextFieldBufferTest, AWideTextStartsAtTheLeftMargin)
{
    const quillon::WideChar* text = w(u"WWWWWWWWWWWWWWWWWWWWWWWWWW");
    ASSERT_GT(width(text), 430);
    field.setText(text);
    for (uint32_t alignment = 0; alignment < 3; ++alignment) {
        SCOPED_TRACE(alignment);
        field.setAlignment(alignment);
        frame.fill(SENTINEL);
        frame.draw(field);
        const std::pair<int, int> ink = inkColumns();
        EXPECT_GE(ink.first, 115);
        EXPECT_LE(ink.first, 118);
        EXPECT_LT(ink.second, 100 + 460 - 15);
    }
    const quillon::WideChar* narrow = w(u"ab");
    field.setText(narrow);
    field.setAlignment(TextFieldBuffer::RIGHT);
    frame.fill(SENTINEL);
    frame.draw(field);
    EXPECT_GE(inkColumns().first, 100 + 460 - 15 - width(narrow));
    EXPECT_LT(inkColumns().second, 100 + 460 - 15);
}

TEST_F(TextFieldBufferTest, ReportsItsIdOncePerPress)
{
    IdRecorder recorder;
    field.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5)); // no callback yet
    field.setClickCallback(&recorder.callback);
    field.setId(3);
    field.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
    field.onClick(ClickEvent(ClickEvent::RELEASED, 5, 5));
    field.onClick(ClickEvent(ClickEvent::CANCEL, 5, 5));
    EXPECT_EQ(recorder.ids, std::vector<int>({3}));
}

// The row's field reaches to x 745: touched near its right edge, through the panel, it
// reports the row's id, and the whole field is drawn.
TEST_F(TextFieldBufferTest, AContactRowShowsAndTouchesItsWholeField)
{
    IdRecorder recorder;
    ContactDataItem row;
    row.setXY(20, 100);
    row.setTitle(w(u"Telephone"));
    row.setText(w(u"+49 30 1234567"));
    row.setId(20);
    row.setClickCallback(&recorder.callback);
    quillon::Screen screen;
    screen.add(row);
    application.switchScreen(&screen);
    frame.frames(1);
    frame.click(20 + 740, 100 + 40);
    frame.touch().press(20 + 740, 100 + 40);
    frame.frames(5);
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(recorder.ids, std::vector<int>({20, 20}));
    EXPECT_EQ(frame.at(20 + 744, 100 + 15), Palette::entry(1));
    EXPECT_EQ(frame.at(20 + 745, 100 + 15), SENTINEL);
    EXPECT_EQ(u16(row.getText()), u"+49 30 1234567");
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(60, 127, 240, 33)), 0); // the title
}
