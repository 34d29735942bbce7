// The chart widgets and the heating-curve diagram on a screen, drawn through frame ticks,
// then again with an opaque box (a popup stand-in) over part of them while they change,
// checked, and written to widget-gallery/plots.png and heatingcurve.png for review.

#include "guicontrols/HeatingCurve.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotCurve.hpp"
#include "guicontrols/PlotDashLine.hpp"
#include "guicontrols/PlotLine.hpp"
#include "guicontrols/Gallery.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/widgets/Box.hpp>

#include <cmath>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color POPUP = 0x8C71;

class PlotsGalleryTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        background.setPosition(0, 0, 800, 480);
        background.setColor(Palette::entry(6));
        popup.setPosition(330, 120, 260, 150);
        popup.setColor(POPUP);
    }

    std::vector<quillon::Color> show(quillon::Screen& screen)
    {
        application.switchScreen(&screen);
        frame.frames(1);
        return snapshot(frame);
    }

    // Pixels outside area that differ between two frames.
    static int differencesOutside(const std::vector<quillon::Color>& a, const std::vector<quillon::Color>& b,
                                  const Rectangle& area)
    {
        int differ = 0;
        for (int16_t y = 0; y < 480; ++y) {
            for (int16_t x = 0; x < 800; ++x) {
                const size_t i = static_cast<size_t>(y) * 800 + x;
                differ += !area.contains(x, y) && a[i] != b[i] ? 1 : 0;
            }
        }
        return differ;
    }

    // Parts of several frames side by side, rows of two.
    static std::vector<quillon::Color> tiles(const std::vector<std::vector<quillon::Color>>& frames,
                                             const Rectangle& crop)
    {
        const int columns = 2;
        const int rows = static_cast<int>((frames.size() + 1) / 2);
        std::vector<quillon::Color> image(static_cast<size_t>(columns * crop.width * rows * crop.height), 0);
        for (size_t f = 0; f < frames.size(); ++f) {
            const int left = static_cast<int>(f % columns) * crop.width;
            const int top = static_cast<int>(f / columns) * crop.height;
            for (int y = 0; y < crop.height; ++y) {
                for (int x = 0; x < crop.width; ++x) {
                    image[static_cast<size_t>(top + y) * columns * crop.width + left + x] =
                        frames[f][static_cast<size_t>(crop.y + y) * 800 + crop.x + x];
                }
            }
        }
        return image;
    }

    quillon::Box background;
    quillon::Box popup;
};

int32_t sample(int curve, int k, int phase)
{
    // Stacked, as the balance charts show them: each curve above the next.
    return static_cast<int32_t>(88 - 17 * curve + 7 * std::sin(0.11 * k + curve * 0.7 + phase));
}

// Moves every point, as a chart screen does when new values arrive.
void setPhase(PlotCurve& curves, int phase)
{
    for (uint8_t c = 0; c < 5; ++c) {
        for (uint16_t k = 0; k < 60; ++k) {
            curves.setPoint(c, k, sample(c, k, phase));
        }
    }
}

// Five curves over a day of seven bands, two dashed guides and a plain line.
struct Chart
{
    explicit Chart(int phase)
    {
        plotBackground.setPosition(0, 0, 800, 400);
        plotBackground.setColumnGeometry(96, 3);
        plotBackground.setTimeLabels(helpers::DateTime(2016, 3, 7, 12, 0, 0), -14400, 7, true);
        plotBackground.setNumericYLabels(0, 25, 5);
        curves.setPosition(plotBackground.getPlotAreaX(), plotBackground.getPlotAreaY(),
                           plotBackground.getPlotAreaWidth(), plotBackground.getPlotAreaHeight());
        curves.setNumberOfCurves(5);
        curves.setRange(0, 100);
        curves.setLineWidth(3);
        curves.setAreaFill(Palette::entry(4));
        const uint8_t colours[] = {10, 8, 28, 7, 35};
        for (uint8_t c = 0; c < 5; ++c) {
            curves.setCurveColor(c, Palette::entry(colours[c]));
            int32_t values[60];
            for (int k = 0; k < 60; ++k) {
                values[k] = sample(c, k, phase);
            }
            curves.setPoints(c, values, 60);
        }
        curves.setPointValid(40, 0); // a gap in every curve
        const int16_t top = plotBackground.getPlotAreaY();
        level.setLine(static_cast<int16_t>(curves.getRect().right()), static_cast<int16_t>(top + 36), curves.getX());
        level.setPosition(curves.getX(), curves.getY(), curves.getWidth(), curves.getHeight());
        now.setLine(static_cast<int16_t>(curves.getX() + 400), top, static_cast<int16_t>(top + 240));
        now.setPosition(curves.getX(), curves.getY(), curves.getWidth(), curves.getHeight());
    }

    void addTo(quillon::Screen& screen)
    {
        screen.add(plotBackground);
        screen.add(curves);
        screen.add(level);
        screen.add(now);
        screen.add(trend);
    }

    PlotBackground plotBackground;
    PlotCurve curves;
    PlotDashLine level{0, 0, 0, 2, 10, Palette::entry(11), 0};
    PlotDashLine now{0, 0, 0, 2, 6, Palette::entry(9), 1};
    PlotLine trend{130, 150, 690, 270, Palette::entry(11), 3};
};
} // namespace

TEST_F(PlotsGalleryTest, Charts)
{
    quillon::Screen screen;
    screen.add(background);
    Chart chart(0);
    chart.addTo(screen);
    const std::vector<quillon::Color> plain = show(screen);
    // The fill reaches the plot's bottom row under the lowest curve, the bands' gaps stay.
    EXPECT_EQ(frame.count(Palette::entry(4), Rectangle(110, 289, 96, 1)), 0);
    EXPECT_EQ(frame.count(Palette::entry(35), Rectangle(110, 289, 96, 1)), 96);
    EXPECT_GT(frame.count(Palette::entry(6), Rectangle(206, 50, 3, 240)), 3 * 200);
    EXPECT_EQ(frame.count(Palette::entry(4), Rectangle(110, 50, 96, 3)), 96 * 3); // above every curve
    EXPECT_GT(frame.count(Palette::entry(35)), 0);
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(110, 300, 690, 40)), 0); // x labels

    // A popup over the chart while its curves change.
    quillon::Screen covered;
    covered.add(background);
    Chart moving(0);
    moving.addTo(covered);
    covered.add(popup);
    show(covered);
    setPhase(moving.curves, 2);
    moving.curves.invalidate();
    frame.frames(3);
    const std::vector<quillon::Color> withPopup = snapshot(frame);
    EXPECT_EQ(frame.count(POPUP), 260 * 150);

    quillon::Screen reference;
    reference.add(background);
    Chart expected(0);
    expected.addTo(reference);
    setPhase(expected.curves, 2);
    const std::vector<quillon::Color> changed = show(reference);
    EXPECT_GT(differencesOutside(plain, changed, Rectangle()), 0);
    EXPECT_EQ(differencesOutside(withPopup, changed, popup.getRect()), 0);

    std::vector<quillon::Color> both = plain;
    both.insert(both.end(), withPopup.begin(), withPopup.end());
    EXPECT_TRUE(writeGalleryPng("plots", 800, 960, both));
}

namespace
{
struct CurveSetting
{
    int32_t room;
    float slope;
    int32_t level;
};

void configure(HeatingCurve& diagram, const CurveSetting& setting)
{
    diagram.setPosition(120, 100, 560, 260);
    diagram.setFlowAxisLabels(1);
    diagram.setRoomSetpoint(setting.room, 1);
    diagram.setSlope(setting.slope, 1);
    diagram.setLevel(setting.level, 1);
}
} // namespace

TEST_F(PlotsGalleryTest, HeatingCurves)
{
    const CurveSetting settings[] = {
        {20, 0.0f, 0},  // flat
        {20, 1.0f, 0},  // the usual
        {22, 2.6f, 5},  // reaches 100 before -30: flat from there
        {20, 0.4f, -8}, // low
    };
    std::vector<std::vector<quillon::Color>> frames;
    // Each screen outlives the next: a diagram's updates reach the screen shown last.
    quillon::Screen screens[4];
    HeatingCurve diagrams[4];
    for (int i = 0; i < 4; ++i) {
        configure(diagrams[i], settings[i]);
        screens[i].add(background);
        screens[i].add(diagrams[i]);
        frames.push_back(show(screens[i]));
        // Curve, discs and point labels in orange; axes in grey.
        EXPECT_GT(frame.count(Palette::entry(10), Rectangle(170, 100, 440, 200)), 0);
        // (the guides' last dashes and the discs may lie on the axis)
        EXPECT_GT(frame.count(quillon::colorFromRGB(160, 160, 164), Rectangle(170, 290, 430, 5)), 430 * 5 - 60);
        EXPECT_EQ(frame.count(quillon::colorFromRGB(160, 160, 164), Rectangle(165, 290, 5, 5)), 5 * 5); // the bottom tick
    }

    // The usual curve under a popup, while the user steps the slope through the spin box.
    quillon::Screen covered;
    covered.add(background);
    HeatingCurve diagram;
    configure(diagram, settings[1]);
    covered.add(diagram);
    covered.add(popup);
    show(covered);
    for (int step = 1; step <= 6; ++step) {
        diagram.setSlope(1.0f + 0.25f * step, 1);
        frame.frames(2);
    }
    const std::vector<quillon::Color> withPopup = snapshot(frame);
    EXPECT_EQ(frame.count(POPUP), 260 * 150);
    quillon::Screen reference;
    reference.add(background);
    HeatingCurve expected;
    configure(expected, {20, 2.5f, 0});
    reference.add(expected);
    const std::vector<quillon::Color> fresh = show(reference);
    EXPECT_EQ(differencesOutside(withPopup, fresh, popup.getRect()), 0);
    frames.push_back(withPopup);
    frames.push_back(fresh);
    EXPECT_TRUE(writeGalleryPng("heatingcurve", 1200, 900, tiles(frames, Rectangle(90, 80, 600, 300))));
}
