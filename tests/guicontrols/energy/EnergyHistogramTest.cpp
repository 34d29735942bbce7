#include "guicontrols/EnergyBar.hpp"
#include "guicontrols/EnergyBarScale.hpp"
#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/Callback.hpp>

#include <memory>
#include <string>
#include <vector>

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
// One segment; gas counts kWh (divisor 1), electric energy Wh (divisor 1000).
class Configurator : public IEnergyBarConfigurator
{
public:
    explicit Configurator(double divisor, uint8_t segments = 1) : divisor(divisor), segments(segments) {}

    void configure(EnergyBar& bar) override
    {
        bar.setSegmentCount(segments);
        bar.setColumnColor(Palette::entry(21));
        bar.setSegmentColor(Palette::entry(22), 0);
        bar.setSegmentColor(Palette::entry(23), 1);
        bar.setUnitDivisor(divisor);
        ++configured;
    }

    double divisor;
    uint8_t segments;
    int configured = 0;
};

class EnergyHistogramTest : public WidgetTest
{
protected:
    // Built once the bitmaps are registered.
    void SetUp() override
    {
        WidgetTest::SetUp();
        histogram.reset(new EnergyHistogram());
    }

    // Newest value first, as the screens fill their arrays.
    void configure(uint32_t period, std::vector<uint32_t> newestFirst, double divisor)
    {
        values = newestFirst;
        values.resize(8, 0);
        Configurator configurator(divisor);
        histogram->setDate(date);
        histogram->setSegmentValues(values.data(), 0);
        histogram->setConfiguration(period, configurator);
    }

    std::u16string label(int bar) const { return u16(histogram->getBarLabel(bar)); }
    const EnergyBar& newest() const { return histogram->getBar(histogram->getBarCount() - 1); }

    helpers::DateTime date{2026, 3, 11, 12, 0, 0}; // a Wednesday of week 11
    std::vector<uint32_t> values;
    std::unique_ptr<EnergyHistogram> histogram;
};
} // namespace

// The scale spans a whole, even number of shown units with at least 10 % headroom.
TEST_F(EnergyHistogramTest, ScaleAndUnitFollowTheTallestBar)
{
    struct Case
    {
        double divisor;
        uint32_t tallest;
        uint32_t steps;
        bool megawattHours;
        std::u16string newestText;
    };
    const Case cases[] = {
        {1, 57, 64, false, u"57.0"},           // 63 is odd: 64 / 32 / 0
        {1000, 2345678, 4, true, u"2.3"},      // 2.58 MWh, 3 steps is odd: 4 / 2 / 0
        {1, 0, 2, false, u"0.0"},              // nothing at all still spans two steps
        {1, 20, 24, false, u"20.0"},           // 20 + ceil(2.0000000298) = 23, odd
        {1, 1000, 2, true, u"1.0"},            // exactly 1000 kWh switches to MWh
        {1000, 999900, 1100, false, u"999"},   // 999.9 kWh stays in kWh
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EnergyHistogram fresh;
        std::vector<uint32_t> series(8, 0);
        series[0] = c.tallest;
        series[3] = c.tallest / 2;
        Configurator configurator(c.divisor);
        fresh.setSegmentValues(series.data(), 0);
        fresh.setConfiguration(EnergyHistogram::WEEK, configurator);
        EXPECT_EQ(fresh.getScaleStepCount(), c.steps);
        EXPECT_EQ(configurator.configured, 8);
        for (int bar = 0; bar < 8; ++bar) {
            EXPECT_EQ(fresh.getBar(bar).isUnitMWh(), c.megawattHours);
            EXPECT_EQ(fresh.getBar(bar).getMaximum(), fresh.getScaleMaximum());
        }
        EXPECT_EQ(u16(fresh.getBar(7).getValueText()), c.newestText);
        EXPECT_TRUE(fresh.getBar(7).isValueVisible());
        EXPECT_FALSE(fresh.getBar(6).isValueVisible());
    }
}

TEST_F(EnergyHistogramTest, ScaleWritesMaximumHalfAndZero)
{
    EnergyBarScale scale;
    scale.setPosition(5, 40, 65, 287);
    scale.setMaximum(64);
    EXPECT_EQ(u16(scale.getNumber(0)), u"64");
    EXPECT_EQ(u16(scale.getNumber(1)), u"32");
    EXPECT_EQ(u16(scale.getNumber(2)), u"0");
    const int16_t textHeight = scale.getLabel(2).getTextHeight();
    EXPECT_EQ(scale.getLabel(0).getY(), 0);
    EXPECT_EQ(scale.getLabel(1).getY(), 287 / 2 - textHeight / 2);
    EXPECT_EQ(scale.getLabel(2).getY(), 287 - textHeight);
    scale.setMaximum(5);
    EXPECT_EQ(u16(scale.getNumber(1)), u"2"); // the half truncates
}

TEST_F(EnergyHistogramTest, BarsShowTheOldestAtTheLeft)
{
    configure(EnergyHistogram::WEEK, {80, 70, 60, 50, 40, 30, 20, 10}, 1);
    EXPECT_EQ(histogram->getBar(0).getTotal(), 10u);
    EXPECT_EQ(histogram->getBar(7).getTotal(), 80u);
    // 80 + ceil(8.0000001) = 89, odd: 90 steps; the newest column is 260 * 80 / 90 high.
    EXPECT_EQ(histogram->getScaleStepCount(), 90u);
    EXPECT_EQ(histogram->getBar(7).getSegmentBox(0).getHeight(), 260 * 80 / 90);
    EXPECT_EQ(histogram->getBar(7).getSegmentBox(0).getY(), 13 + 260 - 260 * 80 / 90);
    EXPECT_EQ(histogram->getBar(0).getSegmentBox(0).getHeight(), 260 * 10 / 90);
}

TEST_F(EnergyHistogramTest, DayWeekAndMonthLabels)
{
    configure(EnergyHistogram::DAY, {}, 1);
    EXPECT_EQ(label(0), u"We");
    EXPECT_EQ(label(1), u"Th");
    EXPECT_EQ(label(6), u"Tu");
    EXPECT_EQ(label(7), u"today");

    configure(EnergyHistogram::WEEK, {}, 1);
    EXPECT_EQ(label(0), u"04");
    EXPECT_EQ(label(6), u"10");
    EXPECT_EQ(label(7), u"This week");
    EXPECT_EQ(newest().getLabelColor(), Palette::entry(8));

    configure(EnergyHistogram::MONTH, {}, 1);
    EXPECT_EQ(label(0), u"Aug");
    EXPECT_EQ(label(6), u"Feb");
    EXPECT_EQ(label(7), u"This month");
}

TEST_F(EnergyHistogramTest, PagedIntoThePastTheNewestBarIsLabelledLikeTheOthers)
{
    configure(EnergyHistogram::WEEK, {}, 1);
    histogram->update(2);
    EXPECT_EQ(label(7), u"09");
    EXPECT_EQ(label(0), u"02");
    EXPECT_EQ(newest().getLabelColor(), Palette::entry(11));

    configure(EnergyHistogram::MONTH, {}, 1);
    histogram->update(1);
    EXPECT_EQ(label(7), u"Feb");
    EXPECT_EQ(newest().getLabelColor(), Palette::entry(11));
    histogram->update(0);
    EXPECT_EQ(label(7), u"This month");
    EXPECT_EQ(newest().getLabelColor(), Palette::entry(8));
}

// A Sunday belongs to the week of the Monday after it, also on the last day of a month.
TEST_F(EnergyHistogramTest, SundayCountsFromTheNextMondaysWeek)
{
    date = helpers::DateTime(2026, 1, 4, 8, 0, 0); // Sunday of ISO week 1; Monday 5 is week 2
    configure(EnergyHistogram::WEEK, {}, 1);
    EXPECT_EQ(label(6), u"01");
    histogram->update(1);
    EXPECT_EQ(label(7), u"01");

    date = helpers::DateTime(2026, 5, 31, 8, 0, 0); // Sunday; Monday 1 June is week 23
    configure(EnergyHistogram::WEEK, {}, 1);
    EXPECT_EQ(label(6), u"22");
    EXPECT_EQ(EnergyHistogram::weekStart(date).getDay(), 1u);
    EXPECT_EQ(EnergyHistogram::weekStart(date).getMonth(), 6u);
}

TEST_F(EnergyHistogramTest, YearShowsThreeBarsAndTheTotal)
{
    configure(EnergyHistogram::YEAR, {934, 900, 700}, 1);
    EXPECT_EQ(histogram->getBarCount(), 3);
    EXPECT_EQ(label(0), u"2024");
    EXPECT_EQ(label(1), u"2025");
    EXPECT_EQ(label(2), u"2026");
    EXPECT_EQ(histogram->getBar(2).getLabelColor(), Palette::entry(8));
    EXPECT_FALSE(histogram->getBar(2).isValueVisible());
    EXPECT_FALSE(histogram->getBar(3).isVisible());
    EXPECT_TRUE(histogram->getTotal().isVisible());
    EXPECT_EQ(u16(histogram->getTotalText()), u"934 kWh");
    EXPECT_EQ(histogram->getTotal().getRect(), quillon::Rectangle(174, 30, 800 - 174 - 107, 200));

    // Right-aligned: the ink lies in the last text width of the area.
    histogram->setXY(0, 40);
    frame.fill(SENTINEL);
    frame.draw(*histogram);
    const quillon::Rectangle area(174 + 80, 70, 519 - 80, 200); // right of the newest bar
    const int16_t textWidth = LiteralText::getWidth(histogram->getTotal().getFont(), histogram->getTotalText());
    int left = 800;
    int right = -1;
    for (int16_t y = area.y; y < area.bottom(); ++y) {
        for (int16_t x = area.x; x < area.right(); ++x) {
            if (frame.at(x, y) != SENTINEL) {
                left = std::min<int>(left, x);
                right = std::max<int>(right, x);
            }
        }
    }
    EXPECT_GT(textWidth, 40);
    EXPECT_GE(left, area.right() - textWidth - 1);
    EXPECT_LT(right, area.right());
}

TEST_F(EnergyHistogramTest, ValueTextRoundsBelowOneHundredAndTruncatesAbove)
{
    struct Case
    {
        uint32_t raw;
        double divisor;
        std::u16string text;
    };
    const Case cases[] = {{9996, 100.0, u"100.0"},
                          {10000, 100.0, u"100"},
                          {12390, 100.0, u"123"},
                          {5, 100.0, u"0.1"},
                          {3000000000u, 1.0, u"3000000000"},
                          {0xFFFFFFFFu, 1.0, u"4294967295"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EnergyBar bar;
        bar.setDisplayDivisor(c.divisor);
        bar.setMaximum(100000);
        bar.setSegmentValue(c.raw, 0);
        EXPECT_EQ(u16(bar.getValueText()), c.text);
    }
}

TEST_F(EnergyHistogramTest, SegmentsStackAndNeverOverflowTheColumn)
{
    EnergyBar bar;
    bar.setSegmentCount(2);
    bar.setMaximum(80);
    bar.setSegmentValue(30, 0);
    bar.setSegmentValue(10, 1);
    // 260 * 40 / 80 = 130 px shared 3 : 1, truncating.
    EXPECT_EQ(bar.getSegmentBox(0).getHeight(), 97);
    EXPECT_EQ(bar.getSegmentBox(0).getY(), 13 + 260 - 97);
    EXPECT_EQ(bar.getSegmentBox(1).getHeight(), 32);
    EXPECT_EQ(bar.getSegmentBox(1).getY(), 13 + 260 - 97 - 32);

    bar.setSegmentValue(250, 1); // above the maximum: the maximum follows, the column is full
    EXPECT_EQ(bar.getMaximum(), 280u);
    EXPECT_EQ(bar.getSegmentBox(0).getHeight() + bar.getSegmentBox(1).getHeight(), 260 - 1);
    EXPECT_EQ(bar.getSegmentBox(1).getY(), 13 + 1);

    bar.setMaximum(10); // set below the total by hand: still only the column
    bar.layoutSegments();
    EXPECT_EQ(bar.getSegmentBox(0).getHeight() + bar.getSegmentBox(1).getHeight(), 260 - 1); // truncated shares
    EXPECT_EQ(bar.getSegmentBox(1).getY(), 13 + 1);
    bar.setMaximum(280);

    EnergyBar single;
    single.setSegmentValue(1000, 0);
    EXPECT_EQ(single.getSegmentBox(0).getHeight(), 260);
    EXPECT_EQ(single.getSegmentBox(0).getY(), 13);

    bar.setSegmentCount(4); // ignored
    EXPECT_EQ(bar.getSegmentCount(), 2);
    bar.setSegmentValue(5, 2); // at the count: ignored
    EXPECT_EQ(bar.getTotal(), 280u);
}

// 260 x 20000000 does not fit 32 bits: large totals are laid out on thousands.
TEST_F(EnergyHistogramTest, LargeTotalsAreLaidOutOnThousands)
{
    EnergyBar bar;
    bar.setMaximum(40000000);
    bar.setSegmentValue(20000000, 0);
    EXPECT_EQ(bar.getSegmentBox(0).getHeight(), 130);
}

TEST_F(EnergyHistogramTest, ZeroMaximumDivisorAndMissingArraysAreSafe)
{
    EnergyBar bar;
    bar.setMaximum(0);
    EXPECT_EQ(bar.getMaximum(), 1u);
    bar.layoutSegments();
    EXPECT_EQ(bar.getSegmentBox(0).getHeight(), 0);
    bar.setUnitDivisor(0.0);
    bar.setDisplayDivisor(0.5);
    EXPECT_EQ(bar.getUnitDivisor(), 1.0);
    EXPECT_EQ(bar.getDisplayDivisor(), 1.0);

    // Two segments configured, only one array given: the other reads as zeros.
    std::vector<uint32_t> gas = {50, 0, 0, 0, 0, 0, 0, 10};
    Configurator twoSeries(0.0, 2);
    histogram->setSegmentValues(gas.data(), 0);
    const uint32_t other[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    histogram->setSegmentValues(other, -1);
    histogram->setSegmentValues(other, 3);
    histogram->setConfiguration(EnergyHistogram::WEEK, twoSeries);
    EXPECT_EQ(histogram->getBar(7).getTotal(), 50u);
    EXPECT_EQ(histogram->getBar(0).getTotal(), 10u);
    EXPECT_EQ(histogram->getScaleStepCount(), 56u); // 50 + 5 = 55, odd
}

TEST_F(EnergyHistogramTest, HeadingFormatters)
{
    const helpers::DateTime sunday(2026, 3, 15, 10, 0, 0);
    quillon::WideChar buffer[100];
    struct Case
    {
        uint8_t written;
        std::u16string text;
    };
    const Case cases[] = {
        {EnergyHistogram::formatDayRange(buffer, 100, sunday, -7, false), u"08.03.2026 - 15.03.2026"},
        {EnergyHistogram::formatYearRange(buffer, 100, sunday, -2), u"2024 - 2026"},
        {EnergyHistogram::formatDay(buffer, 100, sunday), u"Sunday 15.03.2026"},
        {EnergyHistogram::formatWeek(buffer, 100, sunday), u"CW 12 16.03.2026"},
        {EnergyHistogram::formatMonth(buffer, 100, sunday), u"March 2026"},
        {EnergyHistogram::formatYear(buffer, 100, sunday), u"2026"},
    };
    // Each call wrote into the same buffer: check them one at a time.
    EnergyHistogram::formatDayRange(buffer, 100, sunday, -7, true);
    EXPECT_EQ(u16(buffer), u"08.03. - 15.03.2026");
    EnergyHistogram::formatMonthRange(buffer, 100, sunday, -7);
    EXPECT_EQ(u16(buffer), u"August 2025 - March 2026");
    EnergyHistogram::formatWeekRange(buffer, 100, helpers::DateTime(2026, 3, 18, 10, 0, 0), -7, false);
    EXPECT_EQ(u16(buffer), u"CW 05 - 12 (28.01.2026 - 18.03.2026)");
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(c.written, c.text.size());
    }
    EnergyHistogram::formatDay(buffer, 100, sunday);
    EXPECT_EQ(u16(buffer), u"Sunday 15.03.2026");
    EnergyHistogram::formatWeek(buffer, 100, sunday);
    EXPECT_EQ(u16(buffer), u"CW 12 16.03.2026");
    EXPECT_EQ(EnergyHistogram::formatYear(buffer, 3, sunday), 2); // never past the buffer
    EXPECT_EQ(EnergyHistogram::alignUp(10, 4), 12u);
    EXPECT_EQ(EnergyHistogram::alignUp(10, 0), 0u);
}

// The newest bar's value and unit stand left of the column's frame (from x 48 of the bar): in
// the body font "84.0" and "kWh" ran into it on every overview.
TEST_F(WidgetTest, BarValueAndUnitStayLeftOfTheColumnFrame)
{
    struct Case
    {
        uint32_t raw;
        bool mwh;
        std::u16string text;
    };
    const Case cases[] = {{84, false, u"84.0"}, {999, false, u"999"}, {99, true, u"99.0"}, {4, false, u"4.0"}};
    const int16_t frameX = 48;
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EnergyBar bar;
        bar.setMaximum(1000);
        bar.setSegmentValue(c.raw, 0);
        bar.setUnitMWh(c.mwh);
        ASSERT_EQ(u16(bar.getValueText()), c.text);
        bar.setValueVisible(false);
        const std::vector<quillon::Color> without = drawn(bar);
        bar.setValueVisible(true);
        const quillon::Rectangle ink = differenceBounds(drawn(bar), without);
        EXPECT_GT(ink.width, 15);
        EXPECT_GT(ink.height, 25); // two lines
        EXPECT_GE(ink.x, 1);
        EXPECT_LE(ink.right(), frameX - 2);
        for (const TextField* field : {&bar.getValueField(), &bar.getUnitField()}) {
            EXPECT_LE(LiteralText::getWidth(field->getFont(), field->getText()), field->getWidth());
        }
    }
}
