#include "guicontrols/Frame.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TileButton.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/widgets/Box.hpp>

#include <array>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
bool operator==(const Frame::Insets& a, const Frame::Insets& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

TEST_F(WidgetTest, FrameInsetsAreCappedAndWidenTheFrame)
{
    Frame frameWidget;
    frameWidget.setPosition(0, 0, 100, 100);
    frameWidget.setInsets(400, 0, 400, 0);
    EXPECT_TRUE((frameWidget.getInsets() == Frame::Insets{380, 0, 380, 0}));
    EXPECT_EQ(frameWidget.getWidth(), 760);
    EXPECT_EQ(frameWidget.getHeight(), 100);
    frameWidget.setInsets(10, 200, 10, 200);
    EXPECT_TRUE((frameWidget.getInsets() == Frame::Insets{10, 150, 10, 150}));
    EXPECT_EQ(frameWidget.getRect(), Rectangle(0, 0, 760, 300));
}

TEST_F(WidgetTest, FrameStyleSetsColourAndFitsTheInsetsToTheBitmap)
{
    Frame frameWidget;
    frameWidget.setPosition(0, 0, 300, 200);
    EXPECT_EQ(frameWidget.getColor(), Palette::entry(11));
    frameWidget.setInsets(20, 20, 20, 20);
    frameWidget.setStyle(66);
    EXPECT_EQ(frameWidget.getColor(), Palette::entry(26));
    EXPECT_TRUE((frameWidget.getInsets() == Frame::Insets{9, 9, 9, 9}));
    frameWidget.setStyle(65);
    EXPECT_EQ(frameWidget.getColor(), Palette::entry(25));
    frameWidget.setStyle(67);
    EXPECT_EQ(frameWidget.getColor(), Palette::entry(27));
    frameWidget.setColor(0x1111);
    frameWidget.setStyle(13); // not a frame style: the colour stays
    EXPECT_EQ(frameWidget.getColor(), 0x1111);
}

TEST_F(WidgetTest, FrameWithoutBitmapDrawsNothingYetCountsAsOpaque)
{
    Frame frameWidget;
    frameWidget.setPosition(10, 20, 300, 200);
    frame.draw(frameWidget);
    EXPECT_EQ(frame.totalWrites(), 0);
    EXPECT_EQ(frameWidget.getOpaqueArea(), Rectangle(0, 0, 300, 200));
}

TEST_F(WidgetTest, FrameDrawsABlackPanelWithABorderInTheFrameColour)
{
    Frame panel;
    panel.setPosition(100, 80, 600, 300);
    panel.setInsets(9, 9, 9, 9);
    panel.setStyle(66);
    frame.draw(panel);
    const quillon::Color border = Palette::entry(26);
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(100, 80, 600, 300)), 0);
    EXPECT_EQ(frame.count(SENTINEL), 800 * 480 - 600 * 300);
    EXPECT_EQ(frame.count(0x0000, Rectangle(118, 98, 564, 264)), 564 * 264);
    // The outer two rows and columns along the edges, between the corners.
    EXPECT_EQ(frame.count(border, Rectangle(118, 80, 564, 2)), 564 * 2);
    EXPECT_EQ(frame.count(border, Rectangle(118, 378, 564, 2)), 564 * 2);
    EXPECT_EQ(frame.count(border, Rectangle(100, 98, 2, 264)), 264 * 2);
    EXPECT_EQ(frame.count(border, Rectangle(698, 98, 2, 264)), 264 * 2);
    EXPECT_EQ(frame.count(0x0000, Rectangle(118, 82, 564, 16)), 564 * 16); // inside the band
}

// However the redraw is split (bands under an opaque widget, a popup closing over part of
// it), the frame ends up with the pixels of one whole redraw: no extra corner darkening,
// no border band in the middle of an edge.
TEST_F(WidgetTest, FrameRedrawnInPartsLooksAsWhole)
{
    Frame panel;
    panel.setPosition(83, 57, 611, 317);
    panel.setInsets(9, 9, 9, 9);
    panel.setStyle(67);
    const std::vector<quillon::Color> whole = drawn(panel);
    for (int16_t band : {1, 4, 7, 13, 50}) {
        SCOPED_TRACE(band);
        EXPECT_EQ(drawnInParts(panel, bands(611, 317, band)), whole);
    }
    // Columns too: strips 5 wide across the right edge and corner.
    std::vector<Rectangle> strips;
    for (int16_t x = 0; x < 611; x = static_cast<int16_t>(x + 5)) {
        strips.push_back(Rectangle(x, 0, 5, 317));
    }
    EXPECT_EQ(drawnInParts(panel, strips), whole);
}

TEST(FramePlacement, TilesInARowAndInPages)
{
    struct Case
    {
        uint16_t count;
        std::vector<std::pair<int16_t, int16_t>> positions;
        int16_t containerWidth;
    };
    const Case cases[] = {
        {3, {{48, 98}, {288, 98}, {528, 98}}, 800},
        {1, {{288, 98}}, 800},
        {8,
         {{48, 24}, {288, 24}, {528, 24}, {48, 174}, {288, 174}, {528, 174}, {768, 24}, {1008, 24}},
         1600},
        {13, {{48, 24}, {288, 24}, {528, 24}, {48, 174}, {288, 174}, {528, 174}, {768, 24}, {1008, 24}, {1248, 24},
              {768, 174}, {1008, 174}, {1248, 174}, {768, 324}}, // the thirteenth in a third row
         2400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        quillon::Container container;
        container.setPosition(0, 0, 800, 337);
        std::array<quillon::Box, 13> tiles;
        for (quillon::Box& tile : tiles) {
            tile.setPosition(0, 0, 224, 140);
        }
        Frame::placeTiles(container, tiles.data(), c.count, 0);
        for (uint16_t i = 0; i < c.count; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(tiles[i].getX(), c.positions[i].first);
            EXPECT_EQ(tiles[i].getY(), c.positions[i].second);
            EXPECT_TRUE(container.contains(tiles[i]));
        }
        EXPECT_EQ(container.getWidth(), c.containerWidth);
    }
}

TEST(FramePlacement, GridsRowsAndCentring)
{
    quillon::Container container;
    container.setPosition(0, 0, 800, 337);
    std::array<quillon::Box, 5> items;
    for (quillon::Box& item : items) {
        item.setPosition(0, 0, 200, 100);
    }
    Frame::placeTilesInGrid(container, items.data(), 4, 2); // a centred 2 x 2 block
    const std::pair<int16_t, int16_t> grid[] = {{190, 62}, {410, 62}, {190, 174}, {410, 174}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::make_pair(items[i].getX(), items[i].getY()), grid[i]) << i;
    }
    quillon::Container pair;
    pair.setPosition(0, 0, 800, 337);
    Frame::placeTilesInGrid(pair, items.data(), 2, 0); // two in a row; n is not read
    EXPECT_EQ(items[0].getX(), 190);
    EXPECT_EQ(items[1].getX(), 410);
    EXPECT_EQ(items[1].getY(), 118);

    // A block of 0 x 0 would divide by zero: three items then form a row.
    quillon::Container none;
    none.setPosition(0, 0, 800, 337);
    Frame::placeTilesInGrid(none, items.data(), 3, 0);
    EXPECT_EQ(items[0].getX(), 80);
    EXPECT_EQ(items[2].getX(), 520);

    quillon::Container row;
    row.setPosition(0, 0, 800, 337);
    Frame::placeTilesInRow(row, items.data(), 5); // at most three
    EXPECT_EQ(items[0].getX(), 80);
    EXPECT_EQ(items[2].getX(), 520);
    EXPECT_FALSE(row.contains(items[3]));

    quillon::Box child;
    child.setPosition(3, 4, 101, 50);
    Frame::center(container, child);
    EXPECT_EQ(child.getRect(), Rectangle(349, 143, 101, 50)); // (800 - 101) / 2 truncates
    child.setXY(0, 7);
    Frame::centerHorizontally(container, child);
    EXPECT_EQ(child.getRect(), Rectangle(349, 7, 101, 50));
    Frame::fill(container, child);
    EXPECT_EQ(child.getRect(), Rectangle(0, 0, 800, 337));
    quillon::Box wide;
    wide.setPosition(0, 0, 901, 10);
    Frame::centerHorizontally(container, wide);
    EXPECT_EQ(wide.getX(), -50); // -101 / 2 toward zero
}
