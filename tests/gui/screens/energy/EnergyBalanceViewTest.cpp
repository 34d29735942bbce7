#include "../histogram/HistogramBed.hpp"

#include "gui/screens/energy/EnergyBalanceView.hpp"
#include "guicontrols/Palette.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
using quillon::test::text;

const std::uint32_t GAS_HEATING_DAYS = 356;
const std::uint32_t GAS_HOT_WATER_DAYS = 433;
const std::uint32_t SOLAR_DAYS = 675;

std::u16string label(const guicontrols::TextField& field)
{
    return text(field.getText());
}

class EnergyBalance : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A boiler that records its solar days, and 8 empty days.
        histogram.setDevice(60, true);
        for (std::uint32_t e = 0; e < 8; ++e) {
            setDay(e, 0, 0, 0);
        }
    }

    void setDay(std::uint32_t element, std::uint32_t heating, std::uint32_t hotWater, std::uint32_t solarWh)
    {
        histogram.app.bed.deviceSends(GAS_HEATING_DAYS + element, heating);
        histogram.app.bed.deviceSends(GAS_HOT_WATER_DAYS + element, hotWater);
        histogram.app.bed.deviceSends(SOLAR_DAYS + element, solarWh);
    }

    EnergyBalanceView* open(std::uint32_t interval)
    {
        histogram.openWith(histogram.app.pages().energyBalancePage, interval);
        return histogram.app.screen<EnergyBalanceView>();
    }

    std::u16string title(EnergyBalanceView& view)
    {
        std::u16string shown = text(const_cast<guicontrols::TopBar&>(view.getTopBar()).getTitleText());
        while (!shown.empty() && shown.back() == u' ') {
            shown.pop_back();
        }
        return shown;
    }

    test::HistogramBed histogram;
};

TEST_F(EnergyBalance, YLabelsAndPointsFromTheLargestTotal)
{
    struct Case
    {
        std::uint32_t heating, hotWater, solarWh;
        std::u16string top, middle;
    };
    const Case cases[] = {
        {0, 0, 0, u"2", u"1"},
        {2, 1, 2999, u"6", u"3"}, // total 5: the labels round up to an even top
        {0, 0, 999, u"2", u"1"},  // below a kWh the yield counts 0
        {100, 50, 1500, u"152", u"76"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heating);
        setDay(0, c.heating, c.hotWater, c.solarWh);
        EnergyBalanceView* view = open(0);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(label(view->getBackground().getYLabel(0)), c.top);
        EXPECT_EQ(label(view->getBackground().getYLabel(1)), c.middle);
        EXPECT_EQ(label(view->getBackground().getYLabel(2)), u"0");
        // Today is the last point, the oldest day the first.
        EXPECT_EQ(view->getTotal(7), static_cast<std::uint64_t>(c.heating + c.hotWater + c.solarWh / 1000));
        EXPECT_EQ(view->getSolar(7), static_cast<std::uint64_t>(c.solarWh / 1000));
        EXPECT_EQ(view->getTotal(0), 0u);
    }
}

TEST_F(EnergyBalance, PointsLieWhereTheLabelsSay)
{
    // Largest total 5, labels 6, 3, 0: a total of 3 lies on the middle label's row.
    setDay(0, 5, 0, 0);
    setDay(7, 3, 0, 0);
    EnergyBalanceView* view = open(0);
    ASSERT_NE(view, nullptr);
    const guicontrols::PlotCurve& curves = view->getCurves();
    const quillon::Box& middleTick = view->getBackground().getYTick(1);
    const quillon::Box& bottomTick = view->getBackground().getYTick(2);
    const int middle = middleTick.getAbsoluteRect().y + middleTick.getHeight() / 2;
    const int bottom = bottomTick.getAbsoluteRect().y + bottomTick.getHeight() / 2;
    EXPECT_NEAR(curves.getRow(0, 0), middle, 1); // the oldest day: 3
    EXPECT_NEAR(curves.getRow(0, 1), bottom, 1);
}

TEST_F(EnergyBalance, RedBetweenTheCurvesYellowBelowTheSolarOne)
{
    for (std::uint32_t e = 0; e < 8; ++e) {
        setDay(e, 6, 0, 4000); // total 10, solar 4, every day
    }
    EnergyBalanceView* view = open(0);
    ASSERT_NE(view, nullptr);
    const guicontrols::PlotCurve& curves = view->getCurves();
    const quillon::Rectangle area = curves.getAbsoluteRect();
    const int x = area.x + area.width / 2;
    const int totalRow = curves.getRow(0, 4); // rows are screen rows
    const int solarRow = curves.getRow(1, 4);
    const int bottom = area.y + area.height;
    ASSERT_LT(totalRow + 4, solarRow);
    EXPECT_EQ(histogram.app.bed.frame().at(x, (totalRow + solarRow) / 2), guicontrols::Palette::entry(9));
    EXPECT_EQ(histogram.app.bed.frame().at(x, (solarRow + bottom) / 2), guicontrols::Palette::entry(7));
    EXPECT_NE(histogram.app.bed.frame().at(x, totalRow - 5), guicontrols::Palette::entry(9));
}

TEST_F(EnergyBalance, AxisAndTitleByInterval)
{
    struct Case
    {
        std::uint32_t interval;
        std::uint16_t points;
        std::int16_t band;
        std::u16string period;
        std::uint8_t labels;
        std::u16string newest;
        std::uint8_t olderIndex; // an older label, left of the rightmost
        std::u16string older;
    };
    // 31 March 2026 falls in week 14.
    const Case cases[] = {{0, 8, 67, u"7 Days", 8, u"31.03.", 5, u"29.03."}, // every second day shown
                          {1, 53, 80, u"52 Weeks", 7, u"14", 5, u"05"},
                          {2, 13, 160, u"12 Months", 4, u"03.2026", 2, u"11.2025"},
                          {3, 3, 240, u"2 Years", 3, u"2026", 1, u"2025"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        EnergyBalanceView* view = open(c.interval);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->getCurves().getNumberOfPoints(0), c.points);
        EXPECT_EQ(view->getCurves().getNumberOfPoints(1), c.points);
        EXPECT_EQ(view->getBackground().getBand(0).getWidth(), c.band);
        EXPECT_EQ(title(*view), u"Energy balance of the last " + c.period);
        EXPECT_NE(text(view->getRangeText()), u"");
        EXPECT_EQ(histogram.app.bed.model().getDefaultFilter().count(), 3u); // solar, heating, hot water
        EXPECT_EQ(label(view->getBackground().getXLabel(c.labels - 1)), c.newest);
        EXPECT_EQ(label(view->getBackground().getXLabel(c.olderIndex)), c.older);
    }
}

TEST_F(EnergyBalance, WithoutAnIntervalTheTableDaysUnwatched)
{
    setDay(2, 4, 0, 0);
    histogram.app.open(histogram.app.pages().energyBalancePage);
    histogram.app.bed.ticks(1);
    EnergyBalanceView* view = histogram.app.screen<EnergyBalanceView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(title(*view), u"Energy balance of the last 7 Days");
    EXPECT_EQ(text(view->getRangeText()), u"");
    EXPECT_EQ(view->getCurves().getNumberOfPoints(0), 8);
    EXPECT_EQ(view->getTotal(5), 4u);
    EXPECT_EQ(histogram.app.bed.model().getDefaultFilter().count(), 0u);
}

TEST_F(EnergyBalance, TotalsNearTheTopOf32BitsDoNotWrap)
{
    setDay(0, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu);
    EnergyBalanceView* view = open(0);
    ASSERT_NE(view, nullptr);
    const std::uint64_t expected = 2ull * 0xFFFFFFFFull + 0xFFFFFFFFull / 1000;
    EXPECT_EQ(view->getTotal(7), expected);
    EXPECT_EQ(view->getCurves().getRow(0, 7), view->getCurves().getAbsoluteRect().y); // the top, not wrapped low
}
} // namespace
