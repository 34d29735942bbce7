#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WaterTankDataProviderImpl.hpp"
#include "guicontrols/WaterTankGadget.hpp"
#include "guicontrols/WaterTankGadgetWithLabels.hpp"
#include "guicontrols/WidgetFixture.hpp"
#include "model/DataModelManager.hpp"
#include "model/manager/ZeroedStaticTable.hpp"

#include <quillon/hal/HAL.hpp>

#include <vector>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const int16_t X = 100;
const int16_t Y = 120;

// The colours of the profile provider for temperatures given by the test.
class FixedTemperatures : public WaterTankDataProviderImpl
{
public:
    FixedTemperatures() : WaterTankDataProviderImpl(nullptr) {}
    float getTemperature(uint32_t) const override { return temperature; }
    float temperature = 0.0f;
};

// 21 layers, each in a colour of its own; counts the colour questions (one per row drawn).
class LayerColors : public WaterTankDataProvider
{
public:
    uint32_t getTemperatureCount() const override { return 21; }
    float getTemperature(uint32_t) const override { return 0.0f; }
    uint32_t getColorCount() const override { return 21; }
    uint16_t getColor(uint32_t index) const override
    {
        ++reads;
        return colorOf(index);
    }
    static uint16_t colorOf(uint32_t level) { return static_cast<uint16_t>(0x0841 * (level + 1) + 0x8000); }
    mutable int reads = 0;
};

class WaterTankTest : public WidgetTest
{
protected:
    quillon::Color interiorPixel(int16_t row) { return frame.at(X + 81 + 62, static_cast<int16_t>(Y + 16 + row)); }

    LayerColors layers;
};
} // namespace

TEST(WaterTankColors, TruncatedDegreesPickTheTableColour)
{
    struct Case
    {
        float degrees;
        uint8_t red, green, blue;
    };
    const Case cases[] = {
        {15.9f, 0, 0, 255},   {16.0f, 8, 0, 255},    {49.5f, 255, 0, 255}, {50.0f, 255, 0, 246},
        {85.9f, 255, 0, 0},   {86.0f, 255, 0, 0},    {-3.0f, 0, 0, 255},   {-0.5f, 0, 0, 255},
        {20.0f, 41, 0, 255},  {70.0f, 255, 0, 98},   {200.0f, 255, 0, 0},
    };
    FixedTemperatures provider;
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        provider.temperature = c.degrees;
        EXPECT_EQ(provider.getColor(0), quillon::colorFromRGB(c.red, c.green, c.blue));
    }
}

class WaterTankProfile : public ZeroedStaticTable
{
};

TEST_F(WaterTankProfile, ReadsTheCylinderProfileInTenths)
{
    const uint32_t PROFILE = 665;
    uint8_t bytes[42] = {};
    const int16_t tenths[3] = {455, -12, 860};
    for (int i = 0; i < 3; ++i) {
        bytes[2 * i] = static_cast<uint8_t>(tenths[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<uint8_t>((tenths[i] >> 8) & 0xFF);
    }
    bytes[40] = 160; // layer 20: 16.0 degrees
    static_cast<void>(dptSet(PROFILE, bytes)); // stored; no device link to send it to

    WaterTankDataProviderImpl provider;
    EXPECT_EQ(provider.getTemperatureCount(), 21u);
    EXPECT_EQ(provider.getColorCount(), 21u);
    EXPECT_FLOAT_EQ(provider.getTemperature(0), 45.5f);
    EXPECT_FLOAT_EQ(provider.getTemperature(1), -1.2f);
    EXPECT_EQ(provider.getColor(1), quillon::colorFromRGB(0, 0, 255));
    EXPECT_EQ(provider.getColor(2), quillon::colorFromRGB(255, 0, 0));
    EXPECT_EQ(provider.getColor(20), quillon::colorFromRGB(8, 0, 255));
    EXPECT_FLOAT_EQ(provider.getTemperature(21), 0.0f); // outside the profile: cold
    EXPECT_EQ(provider.getColor(21), quillon::colorFromRGB(0, 0, 255));
}

TEST_F(WaterTankTest, RowsShowTheirLayers)
{
    WaterTankGadget tank(&layers);
    tank.setXY(X, Y);
    frame.draw(tank);
    EXPECT_EQ(layers.reads, 221); // one question per interior row
    struct Case
    {
        int16_t row;
        uint32_t level;
    };
    // The body's outline covers the first and last few rows.
    const Case cases[] = {{0, 0}, {10, 0}, {11, 1}, {100, 9}, {216, 20}, {220, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(tank.levelOfRow(c.row), c.level);
        if (c.row > 3 && c.row < 217) {
            EXPECT_EQ(interiorPixel(c.row), LayerColors::colorOf(c.level));
        }
    }
}

TEST_F(WaterTankTest, RedrawAwayFromTheInteriorDrawsOnlyTheSidePieces)
{
    WaterTankGadget tank(&layers);
    tank.setXY(X, Y);
    frame.draw(tank, Rectangle(0, 204, 76, 53)); // the left piece
    EXPECT_EQ(layers.reads, 0);
    EXPECT_EQ(differenceBounds(std::vector<quillon::Color>(800 * 480, SENTINEL), snapshot(frame)).right(),
              X + 76);
    EXPECT_NE(frame.count(SENTINEL, Rectangle(X, Y + 204, 76, 53)), 76 * 53);

    // The body's top rim lies above the interior: a redraw there still draws the body.
    frame.fill(SENTINEL);
    frame.draw(tank, Rectangle(76, 0, 134, 16));
    EXPECT_EQ(layers.reads, 0);
    EXPECT_LT(frame.count(SENTINEL, Rectangle(X + 76, Y, 134, 16)), 134 * 16);

    frame.fill(SENTINEL);
    frame.draw(tank, Rectangle(0, 60, 286, 10)); // ten rows of the interior
    EXPECT_EQ(layers.reads, 10);
    const Rectangle changed = differenceBounds(std::vector<quillon::Color>(800 * 480, SENTINEL), snapshot(frame));
    EXPECT_TRUE(Rectangle(X + 76, Y + 60, 134, 10).includes(changed));
    EXPECT_TRUE(changed.includes(Rectangle(X + 81 + 4, Y + 60, 124 - 8, 10)));
}

// Only the redrawn area is written, so a popup over the rest stays, and parts redrawn one
// after another give the picture of one whole redraw.
TEST_F(WaterTankTest, DrawsOnlyInsideTheRedrawnAreaAndTheDisplay)
{
    WaterTankGadget tank(&layers);
    tank.setXY(X, Y);
    const std::vector<quillon::Color> whole = drawn(tank);
    EXPECT_EQ(drawnInParts(tank, bands(286, 257, 37)), whole);

    frame.fill(SENTINEL);
    frame.draw(tank, Rectangle(0, 0, 140, 257)); // the left half; a popup covers the rest
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(X + 140, Y, 146, 257)), 146 * 257);

    tank.setXY(700, 400); // hangs over the right and bottom edges
    layers.reads = 0;
    frame.fill(SENTINEL);
    frame.draw(tank);
    EXPECT_EQ(layers.reads, 480 - 416); // only the rows on the display
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(0, 400, 700, 80)), 700 * 80); // nothing wrapped
    EXPECT_EQ(frame.at(790, 479), LayerColors::colorOf(tank.levelOfRow(479 - 416)));
}

TEST_F(WaterTankTest, KeepsItsSize)
{
    WaterTankGadget tank(&layers);
    tank.setWidth(100);
    tank.setHeight(50);
    tank.setPosition(10, 20, 30, 40);
    tank.setBitmaps(quillon::Bitmap(7), quillon::Bitmap(9));
    EXPECT_EQ(tank.getRect(), Rectangle(10, 20, 286, 257));
    EXPECT_TRUE(tank.isTouchable());
}

TEST_F(WaterTankTest, MarkersAndColumnTexts)
{
    WaterTankGadgetWithLabels tank(&layers);
    tank.setXY(X, Y);
    // The gadget starts at its column texts; the tank stands right of them.
    const int16_t TX = static_cast<int16_t>(X + tank.getTankX());
    EXPECT_EQ(tank.getTankX() + tank.firstColumnBox().x, 0);
    EXPECT_EQ(tank.getMarkerLabelCount(), 5);
    EXPECT_EQ(tank.getColumnLabelCount(), 3);
    const int16_t five[5] = {16, 48, 111, 142, 195};
    for (uint8_t m = 0; m < 5; ++m) {
        EXPECT_EQ(tank.markerRow(m), five[m]);
    }
    EXPECT_EQ(tank.columnSpacing(), 83);

    const quillon::WideChar* texts[5] = {w(u"80 \u00B0C"), w(u"65 \u00B0C"), w(u"50 \u00B0C"), w(u"35 \u00B0C"),
                                         w(u"20 \u00B0C")};
    for (uint8_t m = 0; m < 5; ++m) {
        tank.setMarkerLabel(texts[m], m);
    }
    tank.setMarkerLabel(texts[0], 5); // ignored
    tank.setColumnLabel(texts[0], 0);
    tank.setColumnLabel(texts[1], 1);
    tank.setColumnLabel(texts[2], 2);
    tank.setColumnLabel(texts[2], 3); // ignored
    frame.draw(tank);
    const quillon::Color green = Palette::entry(17);
    for (uint8_t m = 0; m < 5; ++m) {
        SCOPED_TRACE(m);
        const int16_t row = static_cast<int16_t>(Y + five[m]);
        // The marker right of the body, nothing just above it; its text box is black.
        EXPECT_EQ(frame.at(TX + 220, row + 5), green);
        EXPECT_EQ(frame.at(TX + 220, static_cast<int16_t>(row - 1)), SENTINEL);
        const Rectangle box = tank.markerTextBox(m);
        EXPECT_EQ(box.x, 231);
        EXPECT_GT(frame.count(green, Rectangle(TX + box.x, Y + box.y, box.width, box.height)), 20);
        EXPECT_GT(frame.count(Palette::entry(6), Rectangle(TX + box.x, Y + box.y, box.width, box.height)), 100 * 5);
    }
    // The widened gadget covers the marker texts; a partial redraw does not thicken them.
    EXPECT_EQ(tank.getWidth(), tank.getTankX() + 331);
    EXPECT_EQ(drawnInParts(tank, bands(tank.getWidth(), 257, 13)), drawn(tank));

    tank.setFourMarkerLayout();
    EXPECT_EQ(tank.getMarkerLabelCount(), 4);
    EXPECT_EQ(tank.getColumnLabelCount(), 2);
    const int16_t four[4] = {16, 111, 163, 216};
    for (uint8_t m = 0; m < 4; ++m) {
        EXPECT_EQ(tank.markerRow(m), four[m]);
    }
    EXPECT_EQ(tank.columnSpacing(), 167);
    drawn(tank);
    const Rectangle column = tank.firstColumnBox();
    const int16_t columnX = static_cast<int16_t>(TX + column.x);
    EXPECT_EQ(frame.at(columnX, Y + 20), Palette::entry(6));
    EXPECT_EQ(frame.at(columnX, Y + 20 + 167), Palette::entry(6));
    EXPECT_EQ(frame.at(columnX, Y + 20 + 83), SENTINEL); // the third text is gone
    EXPECT_GT(frame.count(green, Rectangle(columnX, Y + 20 + 167, column.width, column.height)), 20);
}

// The black boxes behind the lowest labels reach down to the upper pipes of the side pieces:
// the pipes stay whole in both layouts, as the plain tank draws them.
TEST_F(WaterTankTest, TheLabelBoxesLeaveThePipesWhole)
{
    WaterTankGadgetWithLabels labelled(&layers);
    WaterTankGadget plain(&layers);
    labelled.setXY(X, Y);
    const int16_t TX = static_cast<int16_t>(X + labelled.getTankX());
    plain.setXY(TX, Y);
    // On the screen's black, as the boxes are: the pipes' soft edges blend alike.
    const quillon::Color black = Palette::entry(6);
    frame.fill(black);
    frame.draw(plain);
    const std::vector<quillon::Color> pipes = snapshot(frame);
    struct Case
    {
        const char* layout;
        bool four;
    };
    const Case cases[] = {{"five markers", false}, {"four markers", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        if (c.four) {
            labelled.setFourMarkerLayout();
        }
        frame.fill(black);
        frame.draw(labelled);
        const std::vector<quillon::Color> shown = snapshot(frame);
        int compared = 0;
        for (const int16_t pieceX : {int16_t{0}, int16_t{210}}) {
            for (int16_t y = Y + 204; y < Y + 257; ++y) {
                for (int16_t x = static_cast<int16_t>(TX + pieceX); x < TX + pieceX + 76; ++x) {
                    const std::size_t at = static_cast<std::size_t>(y) * 800 + static_cast<std::size_t>(x);
                    // The level markers stand on the body's right edge, over the right piece.
                    bool marker = false;
                    for (uint8_t m = 0; m < labelled.getMarkerLabelCount(); ++m) {
                        marker = marker || Rectangle(static_cast<int16_t>(TX + 190), static_cast<int16_t>(
                                                                                         Y + labelled.markerRow(m)),
                                                     36, 11)
                                               .includes(Rectangle(x, y, 1, 1));
                    }
                    if (pipes[at] == black || marker) {
                        continue;
                    }
                    ++compared;
                    ASSERT_EQ(shown[at], pipes[at]) << "x " << x - TX << " y " << y - Y;
                }
            }
        }
        EXPECT_GT(compared, 4 * 60 * 5); // four pipes, each some 60 pixels long and 6 wide
    }
}
