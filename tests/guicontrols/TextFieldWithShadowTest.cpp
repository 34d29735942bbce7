#include "guicontrols/TextFieldWithShadow.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <assets/GeneratedFonts.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color SHADOW = 0x18E3;
} // namespace

// The band of rows 100..129 mirrored below itself: rows 159 down to 130, only onto black.
TEST_F(WidgetTest, ShadowMirrorsTheBandOntoBlackPixels)
{
    static const char16_t text[] = u"Shadow";
    TextFieldWithShadow field;
    field.setPosition(100, 100, 300, 80);
    field.setText(w(text), &assets::font3());
    field.setShadowArea(100, 30, 0);
    frame.fill(0x0000);
    frame.draw(field);
    EXPECT_GT(frame.count(SHADOW, Rectangle(100, 130, 300, 30)), 0);
    EXPECT_EQ(frame.count(SHADOW), frame.count(SHADOW, Rectangle(100, 130, 300, 30)));
    for (int16_t step = 0; step < 30; ++step) {
        for (int16_t x = 100; x < 400; ++x) {
            const bool inked = frame.at(x, static_cast<int16_t>(100 + step)) != 0x0000;
            const quillon::Color below = frame.at(x, static_cast<int16_t>(159 - step));
            if (below == 0x0000 || below == SHADOW) {
                ASSERT_EQ(below == SHADOW, inked) << x << ", " << step;
            }
        }
    }
    field.setShadowVisible(false);
    frame.fill(0x0000);
    frame.draw(field);
    EXPECT_EQ(frame.count(SHADOW), 0);
}

// Rows given by the caller: nothing is read or written outside the display, and nothing is
// written outside the redrawn part.
TEST_F(WidgetTest, ShadowStaysInsideTheRedrawnAreaAndTheDisplay)
{
    static const char16_t text[] = u"Shadow";
    TextFieldWithShadow field;
    field.setPosition(700, 440, 300, 40); // reaches past the right edge
    field.setText(w(text), &assets::font3());
    field.setShadowArea(470, 60, 0); // source rows up to 529
    frame.fill(0x0000);
    frame.draw(field);
    EXPECT_EQ(frame.count(0x0000, Rectangle(0, 0, 700, 480)), 700 * 480);

    TextFieldWithShadow upper;
    upper.setPosition(100, 100, 300, 80);
    upper.setText(w(text), &assets::font3());
    upper.setShadowArea(100, 30, 0);
    frame.fill(0x0000);
    frame.draw(upper, Rectangle(0, 0, 300, 40)); // rows 100..139 only
    EXPECT_GT(frame.count(SHADOW, Rectangle(100, 130, 300, 10)), 0);
    EXPECT_EQ(frame.count(0x0000, Rectangle(0, 140, 800, 340)), 800 * 340);
}
