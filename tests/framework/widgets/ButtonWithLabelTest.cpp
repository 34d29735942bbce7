#include "framework/PrintRectangle.hpp"
#include "framework/SceneTestSupport.hpp"
#include "framework/widgets/PixelBounds.hpp"
#include "framework/widgets/WidgetBitmaps.hpp"
#include "framework/widgets/WidgetTexts.hpp"

#include <quillon/widgets/ButtonWithLabel.hpp>
#include <support/TestFrame.hpp>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::test;
using namespace quillon::test::widgetbitmaps;

namespace
{
const Color SENTINEL = 0x1234;
const Color LABEL_COLOR = 0xF800;
const Color LABEL_PRESSED_COLOR = 0x001F;

class ButtonWithLabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.setBitmaps(Bitmap(WIDE_UP), Bitmap(WIDE_DOWN)); // 120 x 50
        button.setXY(200, 100);
        button.setLabelText(TypedText(WidgetTexts::LABEL)); // "M": 21 high, 10 wide, centred
        button.setLabelColor(LABEL_COLOR);
        button.setLabelColorPressed(LABEL_PRESSED_COLOR);
    }

    WidgetBitmaps database;
    TestFrame frame{SENTINEL};
    WidgetTexts texts;
    ButtonWithLabel button;
};
} // namespace

// The label band is centred across the button: down it for the upright text, across it for
// a quarter turn. The glyph fills its line from the top, so the label's pixels span the band.
TEST_F(ButtonWithLabelTest, LabelIsCentredInItsBand)
{
    struct Case
    {
        uint32_t rotation;
        Rectangle band;  // button coordinates
        Rectangle label; // display coordinates of the glyph's pixels
    };
    const Case cases[] = {
        {0, {0, 14, 120, 21}, {200 + 54, 114, 10, 21}}, // (120 - 12) / 2 = 54
        {2, {0, 14, 120, 21}, {200 + 56, 114, 10, 21}}, // upside down: mirrored
        {1, {49, 0, 21, 50}, {249, 100 + 19, 21, 10}},  // (50 - 12) / 2 = 19
        {3, {49, 0, 21, 50}, {249, 100 + 21, 21, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        frame.fill(SENTINEL);
        button.setLabelRotation(c.rotation);
        frame.draw(button);
        const Rectangle label = boundsOf(frame, LABEL_COLOR);
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(frame.count(LABEL_COLOR), 10 * 21);
        Rectangle band = c.band;
        band.x = static_cast<int16_t>(band.x + 200);
        band.y = static_cast<int16_t>(band.y + 100);
        EXPECT_TRUE(band.includes(label));
        EXPECT_EQ(frame.count(WIDE_UP_COLOR), 120 * 50 - 10 * 21); // label over the bitmap
    }
}

TEST_F(ButtonWithLabelTest, LabelTakesThePressedColourAndIsClippedToTheArea)
{
    button.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
    frame.draw(button);
    EXPECT_EQ(frame.count(LABEL_COLOR), 0);
    EXPECT_EQ(frame.count(LABEL_PRESSED_COLOR), 10 * 21);
    EXPECT_EQ(frame.count(WIDE_DOWN_COLOR), 120 * 50 - 10 * 21);

    button.onClick(ClickEvent(ClickEvent::CANCEL, 0, 0));
    frame.fill(SENTINEL);
    frame.draw(button, Rectangle(0, 0, 120, 14)); // above the band: no text
    EXPECT_EQ(frame.count(LABEL_COLOR), 0);
    frame.draw(button, Rectangle(0, 30, 58, 20)); // the lower left part of the glyph
    EXPECT_EQ(frame.count(LABEL_COLOR), 4 * 5);
    EXPECT_EQ(frame.maxWritesPerPixel(), 2); // the bitmap, then the glyph over it
}

TEST_F(ButtonWithLabelTest, LabelNeverCountsAsOpaque)
{
    EXPECT_EQ(button.getOpaqueArea(), Rectangle(0, 0, 120, 50));
    button.setAlpha(128);
    EXPECT_EQ(button.getOpaqueArea(), Rectangle());
}

TEST_F(ButtonWithLabelTest, WithoutLabelOnlyTheBitmapIsDrawn)
{
    ButtonWithLabel plain;
    plain.setBitmaps(Bitmap(WIDE_UP), Bitmap(WIDE_DOWN));
    plain.setLabelColor(LABEL_COLOR);
    frame.draw(plain);
    EXPECT_EQ(frame.count(WIDE_UP_COLOR), 120 * 50);
    EXPECT_EQ(plain.getType(), 7);
}

TEST_F(ButtonWithLabelTest, ColourSettersRedrawOnlyWhenAsked)
{
    scenetest::RecordingApplication application;
    button.setLabelColor(0x07E0);
    button.setLabelColorPressed(0x07E0);
    EXPECT_TRUE(application.received.empty());
    button.setLabelColor(0x07E0, true);
    button.setLabelColorPressed(0x07FF, true);
    ASSERT_EQ(application.received.size(), 2u);
    EXPECT_EQ(application.received[0], Rectangle(200, 100, 120, 50));
}
