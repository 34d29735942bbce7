#include "guicontrols/HeatingCurve.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotDashLine.hpp"
#include "guicontrols/PlotLine.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/widgets/Box.hpp>

#include <memory>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color BACKGROUND = 0x0000;

// The diagram on a black screen at the place the heating-curve screen gives it.
class HeatingCurveTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        background.setPosition(0, 0, 800, 480);
        background.setColor(BACKGROUND);
        screen.add(background);
    }

    static void configure(HeatingCurve& diagram, int32_t room, float slope, int32_t level)
    {
        diagram.setPosition(120, 90, 560, 260);
        diagram.setFlowAxisLabels(1);
        diagram.setRoomSetpoint(room, 1);
        diagram.setSlope(slope, 1);
        diagram.setLevel(level, 1);
    }

    std::vector<quillon::Color> show(quillon::Drawable& content)
    {
        screen.add(content);
        application.switchScreen(&screen);
        frame.frames(1);
        return snapshot(frame);
    }

    quillon::Screen screen;
    quillon::Box background;
};
} // namespace

TEST_F(WidgetTest, HeatingCurveFlowFollowsTheCubic)
{
    HeatingCurve diagram;
    diagram.setRoomSetpoint(20, 0);
    diagram.setSlope(1.0f, 0);
    EXPECT_NEAR(diagram.calculateFlowTemperature(-10.0f), 50.834f, 0.001f);
    EXPECT_FLOAT_EQ(diagram.calculateFlowTemperature(20.0f), 20.0f); // at the room setpoint: R + L
    diagram.setLevel(5, 0);
    EXPECT_FLOAT_EQ(diagram.calculateFlowTemperature(20.0f), 25.0f);
    EXPECT_EQ(diagram.getPoint(1).x, 0); // stored, not yet applied
    diagram.updateDiagram();
    const int32_t xs[] = {0, 86, 172, 258, 344, 430};
    for (uint8_t i = 0; i < HeatingCurve::POINTS; ++i) {
        EXPECT_EQ(diagram.getPoint(i).x, xs[i]);
        EXPECT_FLOAT_EQ(diagram.getPoint(i).outsideTemperature, 20.0f - 10 * i);
        if (i > 0) {
            EXPECT_LT(diagram.getPoint(i - 1).flowTemperature, diagram.getPoint(i).flowTemperature);
        }
    }
    EXPECT_EQ(u16(diagram.getPointText(3)), u"55"); // 55.83, truncated
    EXPECT_EQ(diagram.getPoint(3).y, static_cast<int32_t>(1.85f * diagram.getPoint(3).flowTemperature));
}

TEST_F(WidgetTest, HeatingCurveFlatAtSlopeZeroAndContinuedPastTheLastPoint)
{
    HeatingCurve diagram;
    diagram.setSlope(0.0f, 1); // room 10, level 0: flat at 10 degrees
    for (uint16_t column = 50; column < CurveDiagram::WIDTH; ++column) {
        ASSERT_EQ(diagram.getCurve().getColumnRowAt(column), 172) << column;
    }
    EXPECT_EQ(diagram.getCurve().getColumnRowAt(49), 0); // left of the y axis: never traced
    diagram.setRoomSetpoint(20, 0);
    diagram.setSlope(1.0f, 1);
    const CurveDiagram& curve = diagram.getCurve();
    for (uint16_t column = 480; column < CurveDiagram::WIDTH; ++column) {
        EXPECT_EQ(curve.getColumnRowAt(column), curve.getColumnRowAt(479)) << column;
    }
    EXPECT_NE(curve.getColumnRowAt(479), curve.getColumnRowAt(430));
    EXPECT_EQ(curve.getComputedColumns(), CurveDiagram::WIDTH);
}

TEST_F(WidgetTest, HeatingCurveReachingTheTopIsTracedToWhereItCrossesIt)
{
    HeatingCurve diagram;
    diagram.setRoomSetpoint(20, 0);
    diagram.setSlope(3.0f, 1); // 86.8 degrees at 0, above 100 at -10
    EXPECT_EQ(diagram.getPoint(3).y, HeatingCurve::PLOT_HEIGHT);
    EXPECT_LT(diagram.getPoint(2).y, HeatingCurve::PLOT_HEIGHT);
    const CurveDiagram& curve = diagram.getCurve();
    // The formula crosses 100 degrees near -5 (column 50 + 215); a straight line to the
    // clamped point would reach the top only at column 308.
    for (uint16_t column = 272; column < CurveDiagram::WIDTH; ++column) {
        ASSERT_EQ(curve.getColumnRowAt(column), 5) << column;
    }
    EXPECT_GT(curve.getColumnRowAt(255), 5);
    EXPECT_LE(curve.getColumnRowAt(262), 8);
    // The same at the bottom: a curve starting below 0 degrees leaves the axis where the
    // formula crosses 0, not at the next point.
    diagram.setLevel(-22, 0);
    diagram.setSlope(1.0f, 1); // -2 degrees at +20, 10.5 at +10: crosses 0 near +18.6
    EXPECT_EQ(diagram.getPoint(0).y, 0);
    EXPECT_GT(diagram.getPoint(1).y, 0);
    EXPECT_EQ(curve.getColumnRowAt(58), HeatingCurve::ORIGIN_Y); // a straight line would be at 188
    EXPECT_LT(curve.getColumnRowAt(75), HeatingCurve::ORIGIN_Y);
}

TEST_F(WidgetTest, HeatingCurvePointLabelsGoAboveNearTheAxis)
{
    HeatingCurve diagram;
    diagram.setSlope(0.0f, 1); // 10 degrees: y 18, close to the x axis
    EXPECT_EQ(diagram.getPointLabel(0).getRect(), Rectangle(57, 172 - 47, 70, 26));
    diagram.setRoomSetpoint(20, 1); // 20 degrees: y 37
    EXPECT_EQ(diagram.getPoint(0).y, 37);
    EXPECT_EQ(diagram.getPointLabel(0).getRect(), Rectangle(57, 153 + 7, 70, 26));
    EXPECT_EQ(diagram.getXLabel(5).getRect(), Rectangle(50 + 430 - 30, 201, 60, 26));
    EXPECT_EQ(u16(diagram.getXText(5)), u"-30");
    EXPECT_EQ(diagram.getYLabel(3).getRect(), Rectangle(-17, static_cast<int16_t>(190 - 138.75) - 13, 60, 26));
    EXPECT_EQ(diagram.getYLabel(4).getRect(), Rectangle(-17, 0, 60, 26)); // not above the diagram
    EXPECT_EQ(u16(diagram.getYText(4)), u"0"); // flow-axis values not set yet
    diagram.setFlowAxisLabels(1);
    EXPECT_EQ(u16(diagram.getYText(4)), u"100");
    EXPECT_EQ(u16(diagram.getYText(1)), u"25");
}

TEST_F(WidgetTest, HeatingCurveBeforeItsFirstUpdateDrawsNoCurve)
{
    HeatingCurve diagram;
    diagram.setLevel(30, 0); // redraw flag other than 1: stored only
    diagram.setPosition(100, 100, 560, 260);
    EXPECT_EQ(diagram.getCurve().getComputedColumns(), 0);
    frame.draw(diagram.getCurve());
    EXPECT_EQ(frame.count(SENTINEL), 800 * 480);
    for (uint8_t i = 0; i < HeatingCurve::POINTS; ++i) {
        EXPECT_EQ(u16(diagram.getPointText(i)), u"0");
        EXPECT_EQ(u16(diagram.getXText(i)), u"0");
    }
    EXPECT_EQ(u16(diagram.getYText(0)), u"0");
}

TEST_F(WidgetTest, CurveDiagramBlendsAndKeepsItsSize)
{
    EXPECT_EQ(CurveDiagram::alphaBlend(0xFFFF, 0x0000, 128), 0x7BEF);
    EXPECT_EQ(CurveDiagram::alphaBlend(0xF800, 0x001F, 1), 0x001E);
    CurveDiagram curve;
    curve.setPosition(5, 6, 10, 10);
    EXPECT_EQ(curve.getRect(), Rectangle(5, 6, CurveDiagram::WIDTH, CurveDiagram::HEIGHT));
    curve.setWidth(3);
    curve.setHeight(3);
    EXPECT_EQ(curve.getRect(), Rectangle(5, 6, CurveDiagram::WIDTH, CurveDiagram::HEIGHT));
}

TEST_F(HeatingCurveTest, ASlopeChangeLeavesNoTraceOfTheOldLabels)
{
    HeatingCurve diagram;
    configure(diagram, 20, 1.0f, 0);
    show(diagram);
    const Rectangle oldLabel = diagram.getPointLabel(5).getRect();
    diagram.setSlope(2.0f, 1);
    frame.frames(1);
    EXPECT_NE(diagram.getPointLabel(5).getRect(), oldLabel);
    const std::vector<quillon::Color> changed = snapshot(frame);

    HeatingCurve fresh;
    configure(fresh, 20, 2.0f, 0);
    quillon::Screen freshScreen;
    freshScreen.add(background);
    freshScreen.add(fresh);
    frame.fill(SENTINEL);
    application.switchScreen(&freshScreen);
    frame.frames(1);
    const std::vector<quillon::Color> freshPixels = snapshot(frame);
    EXPECT_EQ(differenceBounds(changed, freshPixels), Rectangle());
}

// Centred on the top tick, "100" started above the diagram and lost the top of its digits.
TEST_F(HeatingCurveTest, TheTopAxisLabelIsAsTallAsTheOthers)
{
    HeatingCurve diagram;
    configure(diagram, 20, 1.4f, 0);
    const std::vector<quillon::Color> pixels = show(diagram);
    auto inkRows = [&](uint8_t label) {
        Rectangle r = diagram.getYLabel(label).getRect();
        diagram.toScreenCoordinates(r);
        int first = -1;
        int last = -1;
        for (int16_t y = static_cast<int16_t>(r.y - 10); y < r.bottom(); ++y) {
            for (int16_t x = r.x; x < r.right(); ++x) {
                if (pixels[y * 800 + x] != BACKGROUND && x < diagram.getX() + HeatingCurve::ORIGIN_X - 5) {
                    first = first < 0 ? y : first;
                    last = y;
                }
            }
        }
        return last - first + 1;
    };
    EXPECT_GT(inkRows(3), 12);
    EXPECT_EQ(inkRows(4), inkRows(3)); // "100" and "75": digits of one height
}

TEST_F(WidgetTest, PixelGraphicsWriteOnlyInsideTheRedrawnPart)
{
    HeatingCurve diagram;
    diagram.setPosition(120, 90, 560, 260);
    diagram.setFlowAxisLabels(1);
    diagram.setRoomSetpoint(20, 1);
    diagram.setSlope(3.0f, 1); // a disc on the top edge, a steep stretch
    PlotDashLine dashes(600, 150, 130, 3, 6, 0xFFFF, 0); // from 130 to 600
    dashes.setPosition(100, 100, 400, 200);
    PlotLine line(700, 400, 900, 600, 0xFFFF, 9);
    const Rectangle parts[] = {{0, 0, 90, 40}, {40, 0, 60, 200}, {300, 0, 200, 12}, {52, 150, 440, 45},
                               {0, 180, 560, 30}};
    for (const Rectangle& part : parts) {
        SCOPED_TRACE(&part - parts);
        frame.fill(SENTINEL);
        frame.draw(diagram, part);
        const Rectangle absolute(static_cast<int16_t>(part.x + 120), static_cast<int16_t>(part.y + 90), part.width,
                                 part.height);
        EXPECT_EQ(frame.count(SENTINEL) - frame.count(SENTINEL, absolute),
                  800 * 480 - absolute.width * absolute.height);
        EXPECT_LT(frame.count(SENTINEL, absolute), absolute.width * absolute.height); // something was drawn
    }
    frame.fill(SENTINEL);
    frame.draw(dashes, Rectangle(100, 0, 100, 200));
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(0, 0, 200, 480)), 200 * 480);
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(300, 0, 500, 480)), 500 * 480);
    EXPECT_GT(frame.count(0xFFFF), 0);
    frame.fill(SENTINEL);
    frame.draw(line, Rectangle(650, 350, 100, 100));
    EXPECT_EQ(frame.count(SENTINEL) - frame.count(SENTINEL, Rectangle(650, 350, 100, 100)), 800 * 480 - 100 * 100);
    EXPECT_GT(frame.count(0xFFFF), 0);
}
