#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotCurve.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

#include <vector>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color BAND = 0x39E7;
const quillon::Color GAP = 0x0000;
const quillon::Color RED = 0xF800;
const quillon::Color GREEN = 0x07E0;

// Column spans of one colour in a row, as [first, last] pairs.
std::vector<std::pair<int, int>> spans(quillon::test::TestFrame& frame, int16_t row, quillon::Color color)
{
    std::vector<std::pair<int, int>> result;
    for (int16_t x = 0; x < 800; ++x) {
        if (frame.at(x, row) == color) {
            if (result.empty() || result.back().second != x - 1) {
                result.push_back({x, x});
            } else {
                result.back().second = x;
            }
        }
    }
    return result;
}

// A chart of two bands with a gap between them and two crossing curves, on a container so
// that partial redraws go through the framework's child drawing.
class ChartTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        root.setPosition(0, 0, 800, 480);
        bands[0] = quillon::Box(200, 240, BAND);
        bands[0].setXY(100, 50);
        bands[1] = quillon::Box(196, 240, BAND);
        bands[1].setXY(304, 50);
        curve.setPosition(100, 50, 400, 240);
        root.add(bands[0]);
        root.add(bands[1]);
        root.add(curve);
        curve.setNumberOfCurves(2);
        curve.setCurveColor(0, RED);
        curve.setCurveColor(1, GREEN);
        curve.setRange(0, 100);
        const int32_t rising[] = {10, 40, 70, 90, 30};
        const int32_t falling[] = {80, 60, 50, 20, 60};
        curve.setPoints(0, rising, 5);
        curve.setPoints(1, falling, 5);
        curve.setAreaFill(BAND);
    }

    void drawBackground()
    {
        frame.fill(SENTINEL);
        root.draw(Rectangle(0, 0, 800, 480));
    }

    quillon::Container root;
    quillon::Box bands[2];
    PlotCurve curve;
};
} // namespace

TEST_F(WidgetTest, PlotCurveLimitsCurvesPointsAndColours)
{
    PlotCurve curve;
    curve.setPosition(0, 100, 800, 200);
    curve.setNumberOfCurves(7);
    EXPECT_EQ(curve.getNumberOfCurves(), 5);
    curve.setRange(0, 100);
    std::vector<int32_t> values(200, 50);
    curve.setPoints(0, values.data(), 199); // the most a curve holds
    EXPECT_EQ(curve.getNumberOfPoints(0), 199);
    curve.setPoints(0, values.data(), 200);
    curve.setNumberOfPoints(0, 200);
    curve.setPoints(5, values.data(), 10); // no such curve
    EXPECT_EQ(curve.getNumberOfPoints(0), 199);
    curve.setPoint(0, 3, 100);
    EXPECT_EQ(curve.getRow(0, 3), 100);
    EXPECT_EQ(curve.getRow(0, 4), 200);
    // Colours start at the curve orange, never unset.
    frame.draw(curve);
    EXPECT_EQ(frame.at(400, 200), Palette::entry(10));
    EXPECT_EQ(frame.at(790, 200), Palette::entry(10));
}

TEST_F(WidgetTest, PlotCurveWithFewerThanTwoPointsDrawsNothing)
{
    PlotCurve curve;
    curve.setPosition(0, 100, 800, 200);
    curve.setNumberOfCurves(1);
    curve.setRange(0, 100);
    const int32_t one[] = {50};
    curve.setPoints(0, one, 1);
    frame.draw(curve);
    EXPECT_EQ(frame.count(SENTINEL), 800 * 480);
}

TEST_F(WidgetTest, PlotCurveSpreadsLeftoverPixelsOverItsSegments)
{
    PlotCurve curve;
    curve.setPosition(0, 0, 800, 480);
    curve.setNumberOfCurves(1);
    curve.setCurveColor(0, RED);
    curve.setLineWidth(1);
    curve.setRange(0, 100);
    const int32_t flat[] = {50, 50, 50, 50, 50, 50, 50};
    curve.setPoints(0, flat, 7);
    const int widths[] = {133, 134, 133, 133, 134, 133};
    int start = 0;
    for (uint16_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        uint8_t flags[7] = {};
        flags[k] = 1;
        flags[k + 1] = 1;
        curve.setPointValidFlags(flags, 7);
        frame.fill(SENTINEL);
        frame.draw(curve);
        const std::vector<std::pair<int, int>> drawn = spans(frame, 240, RED);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].first, start);
        // The last point lies on the right edge, one past the widget: its pixel is cut.
        EXPECT_EQ(drawn[0].second, std::min(start + widths[k], 799));
        start += widths[k];
    }
    EXPECT_EQ(start, 800);
}

TEST_F(WidgetTest, PlotCurveInvalidPointBreaksEveryCurve)
{
    PlotCurve curve;
    curve.setPosition(0, 0, 600, 400);
    curve.setNumberOfCurves(2);
    curve.setCurveColor(0, RED);
    curve.setCurveColor(1, GREEN);
    curve.setLineWidth(1);
    curve.setRange(0, 100);
    const int32_t low[] = {25, 25, 25, 25};
    const int32_t high[] = {75, 75, 75, 75};
    curve.setPoints(0, low, 4);
    curve.setPoints(1, high, 4);
    curve.setPointValid(2, 0);
    frame.draw(curve);
    // Segments 0..1 and 1..2 lie on 0..400; 2..3 would be 400..600: both neighbours of 2 go.
    const std::vector<std::pair<int, int>> red = spans(frame, 300, RED);
    const std::vector<std::pair<int, int>> green = spans(frame, 100, GREEN);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0], std::make_pair(0, 200));
    EXPECT_EQ(green, red);
}

TEST_F(ChartTest, AreaFillColoursTheBackgroundBelowEachCurveAndKeepsOtherColours)
{
    drawBackground();
    // Column 150: green (falling) above red (rising) on the first segment.
    bool seenGreen = false, seenRed = false;
    for (int16_t y = 50; y < 290; ++y) {
        const quillon::Color c = frame.at(150, y);
        seenGreen = seenGreen || c == GREEN;
        seenRed = seenRed || c == RED;
        if (!seenGreen) {
            EXPECT_EQ(c, BAND) << y; // above every curve the band stays
        } else {
            EXPECT_TRUE(c == GREEN || c == RED) << y;
        }
    }
    EXPECT_TRUE(seenRed);
    EXPECT_EQ(frame.at(150, 289), RED); // below the lower curve: its colour
    EXPECT_EQ(frame.count(GAP, Rectangle(300, 50, 4, 240)), 0);
    EXPECT_EQ(frame.count(BAND, Rectangle(300, 50, 4, 240)), 0);
    // The gap between the bands keeps its sentinel except where the lines cross it.
    EXPECT_GT(frame.count(SENTINEL, Rectangle(300, 50, 4, 240)), 4 * 200);
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(0, 0, 800, 50)), 800 * 50);
}

TEST_F(ChartTest, PartialRedrawsWriteOnlyInsideTheirPartAsTheWholeDrawsThere)
{
    drawBackground();
    const std::vector<quillon::Color> whole = snapshot(frame);
    curve.setVisible(false);
    drawBackground();
    const std::vector<quillon::Color> bare = snapshot(frame);
    curve.setVisible(true);
    const Rectangle parts[] = {{120, 130, 90, 60}, {250, 200, 100, 90}, {380, 50, 120, 20}, {90, 280, 500, 30}};
    for (const Rectangle& part : parts) {
        SCOPED_TRACE(&part - parts);
        drawBackground();
        curve.setVisible(false);
        drawBackground();
        curve.setVisible(true);
        const Rectangle own(static_cast<int16_t>(part.x - 100), static_cast<int16_t>(part.y - 50), part.width,
                            part.height);
        frame.draw(curve, own & Rectangle(0, 0, 400, 240));
        const std::vector<quillon::Color> pixels = snapshot(frame);
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 800; ++x) {
                const size_t i = static_cast<size_t>(y) * 800 + x;
                const bool inside = (part & curve.getRect()).contains(static_cast<int16_t>(x), static_cast<int16_t>(y));
                ASSERT_EQ(pixels[i], inside ? whole[i] : bare[i]) << x << ", " << y;
            }
        }
    }
}

TEST_F(ChartTest, FillBelowAPopupIgnoresThePopupsPixels)
{
    drawBackground();
    const std::vector<quillon::Color> whole = snapshot(frame);
    const Rectangle popup(150, 60, 300, 120);
    frame.lcd().fillRect(popup, 0x8410, 255);
    // The framework redraws what lies around the popup, the part below it among them.
    for (const Rectangle& piece : {Rectangle(0, 180, 800, 300), Rectangle(0, 0, 150, 180), Rectangle(450, 0, 350, 180)}) {
        root.draw(piece);
    }
    const std::vector<quillon::Color> pixels = snapshot(frame);
    EXPECT_EQ(frame.count(0x8410), 300 * 120);
    for (int y = 180; y < 480; ++y) {
        for (int x = 0; x < 800; ++x) {
            const size_t i = static_cast<size_t>(y) * 800 + x;
            ASSERT_EQ(pixels[i], whole[i]) << x << ", " << y;
        }
    }
}
