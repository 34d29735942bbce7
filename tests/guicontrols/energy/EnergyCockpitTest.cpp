#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/EnergyCockpitBoiler.hpp"
#include "guicontrols/EnergyCockpitBuffer.hpp"
#include "guicontrols/EnergyCockpitBufferLoad.hpp"
#include "guicontrols/EnergyCockpitSolar.hpp"
#include "guicontrols/EnergyCockpitTemperatureWithPointer.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/widgets/Image.hpp>

#include <vector>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const int16_t X = 200;
const int16_t Y = 100;

class EnergyCockpitTest : public WidgetTest
{
protected:
    // Pixels of the display that differ, relative to (X, Y).
    static Rectangle changedBetween(const std::vector<quillon::Color>& a, const std::vector<quillon::Color>& b)
    {
        Rectangle r = differenceBounds(a, b);
        r.x = static_cast<int16_t>(r.x - X);
        r.y = static_cast<int16_t>(r.y - Y);
        return r;
    }
};
} // namespace

TEST_F(EnergyCockpitTest, WithoutTextOnlyTheArtworkIsDrawn)
{
    EnergyCockpitSolar solar;
    solar.setXY(X, Y);
    EXPECT_EQ(solar.getRect(), Rectangle(X, Y, 184, 225));
    EXPECT_TRUE(solar.isTouchable());
    quillon::Image artwork{quillon::Bitmap(36)};
    artwork.setXY(X, Y);
    const std::vector<quillon::Color> bare = drawn(solar);
    EXPECT_EQ(bare, drawn(artwork));
    solar.setText(w(u"64.5 \u00B0C"));
    const Rectangle ink = changedBetween(bare, drawn(solar));
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(Rectangle(2, 125, 140, 50).includes(ink));
    EXPECT_GT(frame.count(Palette::entry(8), Rectangle(X + 2, Y + 125, 140, 50)), 30);

    EnergyCockpitBuffer buffer;
    buffer.setXY(X, Y);
    artwork.setBitmap(quillon::Bitmap(30));
    EXPECT_EQ(buffer.getRect(), Rectangle(X, Y, 288, 258));
    EXPECT_EQ(drawn(buffer), drawn(artwork));

    EnergyCockpitBufferLoad gauge;
    gauge.setXY(X, Y);
    EXPECT_FALSE(gauge.isTouchable());
    const std::vector<quillon::Color> empty = drawn(gauge);
    EXPECT_EQ(frame.at(X, Y), Palette::entry(5));            // the border
    EXPECT_EQ(frame.at(X + 3, Y + 40), Palette::entry(6));   // the black box
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(X, Y, 165, 26)), 30); // "Charge state"
    gauge.setChargeState(w(u"75 %"));
    const Rectangle chargeInk = changedBetween(empty, drawn(gauge));
    EXPECT_FALSE(chargeInk.isEmpty());
    EXPECT_TRUE(EnergyCockpitBufferLoad::chargeBand().includes(chargeInk));

    EnergyCockpitTemperatureWithPointer pointer;
    pointer.setXY(X, Y);
    pointer.setText(w(u"55 \u00B0C"));
    EXPECT_EQ(pointer.getWidth(), 36);
    const std::vector<quillon::Color> narrow = drawn(pointer);
    EXPECT_EQ(frame.count(Palette::entry(17), Rectangle(X + 36, Y, 100, pointer.getHeight())), 0); // no room
    EXPECT_GT(frame.count(Palette::entry(17), Rectangle(X, Y, 36, pointer.getHeight())), 100);
    (void)narrow;

    guicomponents::EnergyCockpitBoiler boiler; // a plain button
    EXPECT_TRUE(boiler.isTouchable());
    EXPECT_EQ(boiler.getWidth(), 0);
}

TEST_F(EnergyCockpitTest, PointerTextStandsRightOfThePointer)
{
    EnergyCockpitTemperatureWithPointer pointer;
    pointer.setXY(X, Y);
    pointer.setWidth(120);
    const int16_t height = pointer.getHeight();
    EXPECT_EQ(pointer.textBox(), Rectangle(41, 0, 79, height));
    const std::vector<quillon::Color> bare = drawn(pointer);
    pointer.setText(w(u"55 \u00B0C"));
    const Rectangle ink = changedBetween(bare, drawn(pointer));
    EXPECT_GE(ink.x, 41);
    EXPECT_LE(ink.right(), 120);
    // The pointer is centred on the text line.
    EXPECT_EQ(frame.at(X + 20, static_cast<int16_t>(Y + height / 2 - 5)), Palette::entry(17));
    EXPECT_EQ(frame.at(X + 20, static_cast<int16_t>(Y + height / 2 - 5 - 1)), SENTINEL);
}

// Every layer only inside the redrawn area: a popup beside it stays, and a redraw in parts
// gives the picture of one whole redraw (no text drawn twice over itself).
TEST_F(EnergyCockpitTest, GadgetsDrawOnlyInsideTheRedrawnArea)
{
    EnergyCockpitBufferLoad gauge;
    gauge.setXY(X, Y);
    gauge.setChargeState(w(u"75 %"));
    const std::vector<quillon::Color> whole = drawn(gauge);
    EXPECT_EQ(drawnInParts(gauge, bands(165, 80, 7)), whole);

    // A redraw of the caption leaves the charge band as it was.
    frame.fill(SENTINEL);
    frame.draw(gauge, EnergyCockpitBufferLoad::captionBand());
    const Rectangle band = EnergyCockpitBufferLoad::chargeBand();
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(X, Y + band.y, 165, band.height)), 165 * band.height);

    EnergyCockpitTemperatureWithPointer pointer;
    pointer.setXY(X, Y);
    pointer.setWidth(120);
    pointer.setText(w(u"55 \u00B0C"));
    EXPECT_EQ(drawnInParts(pointer, bands(120, pointer.getHeight(), 5)), drawn(pointer));
    frame.fill(SENTINEL);
    frame.draw(pointer, Rectangle(0, 0, 20, pointer.getHeight())); // half the pointer
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(X + 20, Y, 100, pointer.getHeight())), 100 * pointer.getHeight());

    EnergyCockpitSolar solar;
    solar.setXY(X, Y);
    solar.setText(w(u"64.5 \u00B0C"));
    EXPECT_EQ(drawnInParts(solar, bands(184, 225, 9)), drawn(solar));
}
