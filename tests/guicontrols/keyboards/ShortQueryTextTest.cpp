#include "guicontrols/Palette.hpp"
#include "guicontrols/ShortQueryText.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/ApplicationFontProvider.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
class ShortQueryTextTest : public WidgetTest
{
};
} // namespace

// Rows before the 14th show a separator line below their pairs; the last rows do not.
TEST_F(ShortQueryTextTest, SeparatorBelowAllButTheLastRows)
{
    struct Case
    {
        uint8_t number;
        int separatorPixels;
    };
    const Case cases[] = {{0, 700 * 2}, {12, 700 * 2}, {13, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        ShortQueryText row;
        row.setName(0, w(u"Flow"));
        row.setValue(0, w(u"45"));
        row.setName(6, w(u"ignored"));
        row.setNumber(c.number);
        frame.fill(SENTINEL);
        frame.draw(row);
        const quillon::Font* font = ApplicationFontProvider().getFont(0);
        const int16_t h = static_cast<int16_t>(2 * font->getFullHeight());
        EXPECT_EQ(frame.count(Palette::entry(0), Rectangle(0, static_cast<int16_t>(3 * h + 60), 700, 2)),
                  c.separatorPixels);
        EXPECT_GT(frame.count(Palette::entry(11), Rectangle(30, 0, 220, static_cast<int16_t>(2 * h))), 0);
    }
}
