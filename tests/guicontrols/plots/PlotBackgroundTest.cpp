#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/WidgetFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
// 2016-03-07 (a Monday) 13:00.
const helpers::DateTime MONDAY(2016, 3, 7, 13, 0, 0);

std::vector<int> placedXLabels(const PlotBackground& background)
{
    std::vector<int> placed;
    for (uint8_t i = 0; i < PlotBackground::MAX_LABELS; ++i) {
        if (background.getXLabel(i).getParent() != nullptr) {
            placed.push_back(i);
        }
    }
    return placed;
}
} // namespace

TEST_F(WidgetTest, PlotBackgroundTicksDivideThePlotHeight)
{
    struct Case
    {
        uint16_t count;
        std::vector<int16_t> ticks; // rows relative to the background
    };
    const Case cases[] = {
        {5, {50, 110, 170, 230, 288}}, // the bottom tick is kept inside the plot area
        {3, {50, 170, 288}},
        {1, {50}}, // one label: no interval to divide by, it sits on the top tick
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        PlotBackground background;
        background.setNumericYLabels(0, 25, c.count);
        for (uint8_t i = 0; i < c.ticks.size(); ++i) {
            EXPECT_EQ(background.getYTick(i).getRect(), Rectangle(95, c.ticks[i], 10, 2)) << int(i);
            EXPECT_NE(background.getYLabel(i).getParent(), nullptr);
        }
        EXPECT_EQ(background.getYTick(static_cast<uint8_t>(c.ticks.size())).getParent(), nullptr);
    }
    PlotBackground background;
    background.setNumericYLabels(-20, 10, 5);
    EXPECT_EQ(u16(background.getYLabel(0).getText()), u"20");
    EXPECT_EQ(u16(background.getYLabel(4).getText()), u"-20");
    // The label is centred on its tick.
    const Rectangle label = background.getYLabel(1).getRect();
    EXPECT_EQ(label.y + label.height / 2, 110);
}

TEST_F(WidgetTest, PlotBackgroundPlacesBandsAndReportsThePlotArea)
{
    PlotBackground background;
    EXPECT_EQ(background.getPlotAreaWidth(), 0); // no bands placed
    background.setColumnGeometry(96, 3);
    const quillon::WideChar texts[8][PlotBackground::TEXT_SIZE] = {{'a', 0}, {'b', 0}, {'c', 0}, {'d', 0},
                                                                   {'e', 0}, {'f', 0}, {'g', 0}, {'h', 0}};
    background.setXLabels(texts, 8);
    EXPECT_EQ(background.getBand(0).getRect(), Rectangle(110, 50, 96, 240));
    EXPECT_EQ(background.getBand(6).getRect(), Rectangle(110 + 6 * 99, 50, 96, 240));
    EXPECT_EQ(background.getBand(7).getParent(), nullptr);
    EXPECT_EQ(background.getPlotAreaX(), 110);
    EXPECT_EQ(background.getPlotAreaY(), 50);
    EXPECT_EQ(background.getPlotAreaHeight(), 240);
    EXPECT_EQ(background.getPlotAreaWidth(), 6 * 99 + 96);
    EXPECT_EQ(background.getXLabel(3).getX(), 105 + 3 * 96); // the gap does not enter
    EXPECT_EQ(u16(background.getXLabel(7).getText()), u"h");
    background.setXLabels(texts, 2); // one band: too few intervals for a width
    EXPECT_EQ(background.getPlotAreaWidth(), 0);
}

TEST_F(WidgetTest, PlotBackgroundDateLabelsRunRightToLeftAndSkip)
{
    PlotBackground background;
    background.setDateLabels(MONDAY, -1, 8, false, 2);
    EXPECT_EQ(placedXLabels(background), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(u16(background.getXLabel(7).getText()), u"07.03.");
    EXPECT_EQ(u16(background.getXLabel(1).getText()), u"01.03.");
    PlotBackground all;
    all.setDateLabels(MONDAY, -6, 6, true, 255);
    EXPECT_EQ(placedXLabels(all), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(u16(all.getXLabel(5).getText()), u"today");
    EXPECT_EQ(u16(all.getXLabel(4).getText()), u"01.03."); // "today" stands for the start date
    PlotBackground noSkip;
    noSkip.setDateLabels(MONDAY, -1, 4, false, 0); // no division by zero: every label
    EXPECT_EQ(placedXLabels(noSkip), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(WidgetTest, PlotBackgroundTimeWeekMonthAndYearLabels)
{
    PlotBackground times;
    times.setTimeLabels(MONDAY, -14400, 7, true);
    EXPECT_EQ(u16(times.getXLabel(6).getText()), u"now");
    EXPECT_EQ(u16(times.getXLabel(5).getText()), u"09:00"); // "now" stands for the start
    EXPECT_EQ(u16(times.getXLabel(0).getText()), u"13:00"); // the day before
    PlotBackground weeks;
    weeks.setWeekLabels(MONDAY, -1, 5, false);
    EXPECT_EQ(placedXLabels(weeks), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(u16(weeks.getXLabel(4).getText()), u"10");
    EXPECT_EQ(u16(weeks.getXLabel(1).getText()), u"07");
    PlotBackground months;
    months.setMonthLabels(MONDAY, -1, 3);
    EXPECT_EQ(u16(months.getXLabel(2).getText()), u"03.2016");
    EXPECT_EQ(u16(months.getXLabel(0).getText()), u"01.2016");
    PlotBackground years;
    years.setYearLabels(MONDAY, -1, 3);
    EXPECT_EQ(u16(years.getXLabel(0).getText()), u"2014");
}

TEST_F(WidgetTest, PlotBackgroundKeepsLabelTextsTerminated)
{
    PlotBackground background;
    quillon::WideChar texts[2][PlotBackground::TEXT_SIZE];
    for (auto& text : texts) {
        for (quillon::WideChar& unit : text) {
            unit = 'x'; // no terminator within the text's 15 units
        }
    }
    background.setYLabels(texts, 2);
    EXPECT_EQ(u16(background.getYLabel(0).getText()), std::u16string(14, u'x'));
    background.setXLabels(texts, 2);
    EXPECT_EQ(u16(background.getXLabel(1).getText()), std::u16string(14, u'x'));
}

// Right-aligned on the tick, "100" ran into it; left-aligned one 80 px column apart, the times
// of the cylinder charts read "06:0810:08". A word too long for the axis's room shows whole.
TEST_F(WidgetTest, PlotBackgroundLabelsKeepClearOfTicksAndOfEachOther)
{
    PlotBackground background;
    background.setPosition(0, 0, 800, 400);
    background.setColumnGeometry(80, 3);
    background.setTimeLabels(helpers::DateTime(2016, 3, 7, 6, 8, 0), -14400, 7, false);
    background.setNumericYLabels(0, 25, 5);
    std::vector<quillon::Color> pixels = drawn(background);
    auto inkColumns = [&](int16_t x0, int16_t x1, int16_t y0, int16_t y1) {
        std::vector<bool> ink(static_cast<size_t>(x1 - x0), false);
        for (int16_t y = y0; y < y1; ++y) {
            for (int16_t x = x0; x < x1; ++x) {
                ink[static_cast<size_t>(x - x0)] = ink[static_cast<size_t>(x - x0)] || pixels[y * 800 + x] == Palette::entry(11);
            }
        }
        return ink;
    };
    // The y labels: ink only left of the ticks, with a gap (the tick rows hold the tick too).
    for (uint8_t i = 0; i < 5; ++i) {
        const Rectangle label = background.getYLabel(i).getRect();
        const std::vector<bool> ink = inkColumns(0, 95, label.y, label.bottom());
        int last = -1;
        for (int x = 0; x < 95; ++x) {
            last = ink[static_cast<size_t>(x)] ? x : last;
        }
        EXPECT_GT(last, 40) << int(i);
        EXPECT_LE(last, 95 - 3) << int(i);
    }
    // The time labels: runs of ink separated by gaps of at least 8 px.
    const std::vector<bool> ink = inkColumns(100, 800, 290, 340);
    int runs = 0;
    int gap = 100;
    for (bool on : ink) {
        if (on) {
            runs += gap >= 8 ? 1 : 0;
            gap = 0;
        } else {
            ++gap;
        }
    }
    EXPECT_EQ(runs, 7); // seven labels apart from one another

    quillon::WideChar words[3][PlotBackground::TEXT_SIZE] = {};
    const char16_t* sources[] = {u"øverst", u"", u"nederst"};
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; sources[i][k] != 0; ++k) {
            words[i][k] = sources[i][k];
        }
    }
    background.setYLabels(words, 3);
    const TextField& bottom = background.getYLabel(2);
    EXPECT_LE(LiteralText::getWidth(bottom.getFont(), bottom.getText()), bottom.getX() + bottom.getWidth());
}
