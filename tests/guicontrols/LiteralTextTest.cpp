#include "guicontrols/LiteralText.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <assets/GeneratedFonts.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
class LiteralTextTest : public WidgetTest
{
protected:
    std::vector<quillon::Color> drawText(const char16_t* text, const Rectangle& clip = Rectangle(0, 0, 600, 40))
    {
        frame.fill(SENTINEL);
        const quillon::LCD::TextStyle style(&assets::font2(), 0xFFFF, 255, quillon::LEFT, 0, 0);
        LiteralText::draw(Rectangle(100, 100, 600, 40), clip, style, w(text));
        return snapshot(frame);
    }
};
} // namespace

// A value format writes "%%" for a percent sign; any other '%' is just a character.
TEST_F(LiteralTextTest, PercentSignsShowAsWritten)
{
    EXPECT_EQ(drawText(u"50%% off"), drawText(u"50% off"));
    EXPECT_EQ(drawText(u"100%%"), drawText(u"100%"));
    EXPECT_NE(drawText(u"100%"), drawText(u"100")); // the sign is drawn, not taken as the end

    const quillon::Font& font = assets::font2();
    const int16_t wildcard = LiteralText::getWidth(&font, w(u"a%sb"));
    EXPECT_EQ(wildcard, font.getCharWidth('a') + font.getCharWidth('%') + font.getCharWidth('s') +
                            font.getCharWidth('b'));
    EXPECT_EQ(LiteralText::getWidth(&font, w(u"50%% off")), LiteralText::getWidth(&font, w(u"50% off")));
    EXPECT_EQ(LiteralText::getWidth(&font, w(u"ab\nabcd\n")), LiteralText::getWidth(&font, w(u"abcd")));
    const Rectangle ink = differenceBounds(drawText(u""), drawText(u"%s"));
    EXPECT_GE(ink.width, font.getCharWidth('%')); // two glyphs, not a missing argument
}

TEST_F(LiteralTextTest, WritesOnlyInsideTheClipAndTheDisplay)
{
    const std::vector<quillon::Color> whole = drawText(u"Heating circuit 1");
    const std::vector<quillon::Color> part = drawText(u"Heating circuit 1", Rectangle(20, 10, 30, 12));
    const Rectangle clipOnScreen(120, 110, 30, 12);
    int inside = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 800; ++x) {
            const size_t i = static_cast<size_t>(y * 800 + x);
            if (clipOnScreen.contains(static_cast<int16_t>(x), static_cast<int16_t>(y))) {
                EXPECT_EQ(part[i], whole[i]);
                inside += part[i] != SENTINEL ? 1 : 0;
            } else {
                ASSERT_EQ(part[i], SENTINEL) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(inside, 0);

    // Past the display's corner: only the visible part is written.
    frame.fill(SENTINEL);
    const quillon::LCD::TextStyle style(&assets::font2(), 0xFFFF, 255, quillon::LEFT, 0, 0);
    LiteralText::draw(Rectangle(780, 460, 200, 40), Rectangle(0, 0, 200, 40), style, w(u"WWWW"));
    EXPECT_LT(frame.count(SENTINEL, Rectangle(780, 460, 20, 20)), 20 * 20);
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(0, 0, 780, 480)), 780 * 480);
}
