#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TopBar.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/ApplicationFontProvider.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::WideChar* wideFormat(const char16_t* text)
{
    return w(text);
}
} // namespace

TEST_F(WidgetTest, TopBarCutsATitleTooWideWithDots)
{
    struct Case
    {
        std::u16string title;
        bool cut;
        size_t maxKept;
    };
    const Case cases[] = {
        {u"Heating circuit 1", false, 17},
        {std::u16string(150, u'i'), true, 96},       // narrow: the 96-character limit cuts
        {std::u16string(60, u'W'), true, 59},        // wide: the field's width cuts
        {std::u16string(90, u'.') + u"end", true, 96}, // a cut in the middle of dots
        // Measured against the whole bar, 28 W and the E would be kept and the dots clipped.
        {std::u16string(28, u'W') + u"E" + std::u16string(10, u'W'), true, 28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title.begin(), c.title.end()).substr(0, 20));
        TopBar bar(0, 0, 800, 72);
        const std::vector<quillon::Color> empty = drawn(bar);
        bar.setTitle(wideFormat(u"%ls"), w(c.title.c_str()));
        const std::u16string shown = u16(bar.getTitleField().getText());
        if (!c.cut) {
            EXPECT_EQ(shown, c.title);
        } else {
            ASSERT_GE(shown.size(), 3u);
            const size_t kept = shown.size() - 3;
            EXPECT_LE(kept, c.maxKept);
            EXPECT_EQ(shown.substr(kept), u"...");
            EXPECT_EQ(shown.substr(0, kept), c.title.substr(0, kept));
        }
        // The whole title, dots included, lies inside its field.
        const Rectangle ink = differenceBounds(empty, drawn(bar));
        EXPECT_GE(ink.x, 20);
        EXPECT_LE(ink.right(), 780);
        EXPECT_LE(LiteralText::getWidth(bar.getTitleField().getFont(), bar.getTitleField().getText()), 760);
    }
}

TEST_F(WidgetTest, TopBarTitleIsFormattedWithinItsBuffer)
{
    const std::u16string long1(80, u'a');
    const std::u16string long2(80, u'b');
    TopBar bar(0, 0, 4000, 72); // so wide that nothing is cut for width
    bar.setTitle(wideFormat(u"%ls %d %ls"), w(long1.c_str()), 42, w(long2.c_str()));
    const std::u16string shown = u16(bar.getTitleField().getText());
    EXPECT_LE(shown.size(), 99u);
    EXPECT_EQ(shown.substr(0, 84), long1 + u" 42 ");
    EXPECT_TRUE(bar.contains(bar.getTitleField()));
    bar.clear();
    EXPECT_FALSE(bar.contains(bar.getTitleField()));
}

TEST_F(WidgetTest, TopBarSegmentsFollowEachOther)
{
    static const char16_t first[] = u"Heating circuit 1";
    static const char16_t third[] = u"Comfort";
    static const char16_t right[] = u"21 \u00B0C";
    const quillon::Font* font = ApplicationFontProvider().getFont(3);
    ASSERT_NE(font, nullptr);
    TopBar bar(0, 0, 800, 72);
    bar.setTitleSegments(w(first), Palette::entry(11), nullptr, Palette::entry(7), w(third), Palette::entry(10),
                         w(right), Palette::entry(8));
    const int16_t blank = static_cast<int16_t>(font->getCharWidth(' '));
    EXPECT_EQ(bar.getSegmentField(0).getX(), 20);
    EXPECT_FALSE(bar.contains(bar.getSegmentField(1)));
    EXPECT_EQ(bar.getSegmentField(2).getX(), 20 + LiteralText::getWidth(font, w(first)) + blank);
    EXPECT_EQ(bar.getRightField().getRect().right(), 780);
    EXPECT_EQ(u16(bar.getTitleText()), std::u16string(u"Heating circuit 1  Comfort"));

    drawn(bar);
    EXPECT_GT(frame.count(Palette::entry(10)), 0);
    EXPECT_GT(frame.count(Palette::entry(8), bar.getRightField().getRect()), 0);
    EXPECT_EQ(frame.count(Palette::entry(9), Rectangle(0, 69, 800, 3)), 2400);

    // Without a clear the segments already in the bar stay as they were.
    static const char16_t other[] = u"HC 2";
    static const char16_t second[] = u"Reduced";
    bar.setTitleSegments(w(other), Palette::entry(11), w(second), Palette::entry(7), nullptr, 0, nullptr, 0);
    EXPECT_EQ(u16(bar.getTitleText()), std::u16string(u"HC 2 Reduced Comfort"));
    bar.clear();
    bar.setTitleSegments(w(other), Palette::entry(11), w(second), Palette::entry(7), nullptr, 0, nullptr, 0);
    EXPECT_EQ(u16(bar.getTitleText()), std::u16string(u"HC 2 Reduced "));
}
