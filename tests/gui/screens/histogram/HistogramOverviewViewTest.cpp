#include "HistogramBed.hpp"

#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewView.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsView.hpp"
#include "gui/screens/histogram/GasConsumptionOverviewView.hpp"
#include "gui/screens/histogram/SolarOverviewView.hpp"
#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/Palette.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
using quillon::test::text;

const std::uint32_t GAS_HEATING_DAYS = 356;
const std::uint32_t GAS_HOT_WATER_DAYS = 433;
const std::uint32_t SOLAR_DAYS = 675;
const std::uint32_t SOLAR_HISTORY = 628;

class HistogramOverview : public ::testing::Test
{
protected:
    template <class View>
    View* open(pagemanager::Page& page, std::uint32_t interval, std::uint32_t noDetails = 0)
    {
        histogram.openWith(page, interval, noDetails);
        return histogram.app.screen<View>();
    }

    quillon::BitmapId arrow(std::uint8_t button)
    {
        return histogram.app.screen<HistogramOverviewView>()->getBottomBar().getButton(button).getIcon().getId();
    }

    test::HistogramBed histogram;
};

TEST_F(HistogramOverview, PagingArrowsByInterval)
{
    struct Case
    {
        std::uint32_t interval;
        std::uint8_t maximum;
    };
    const Case cases[] = {{0, 0}, {1, 45}, {2, 5}, {3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        auto* view = open<GasConsumptionOverviewView>(histogram.app.pages().gasOverviewPage, c.interval);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(arrow(HistogramOverviewView::NEWER_BUTTON), quillon::BITMAP_NONE);
        EXPECT_EQ(arrow(HistogramOverviewView::OLDER_BUTTON),
                  c.maximum > 0 ? HistogramOverviewView::OLDER_ICON : quillon::BITMAP_NONE);
        for (int i = 0; i < c.maximum + 2; ++i) { // two presses beyond the end change nothing
            histogram.pressBottomButton(HistogramOverviewView::OLDER_BUTTON);
        }
        EXPECT_EQ(view->getPageOffset(), c.maximum);
        EXPECT_EQ(arrow(HistogramOverviewView::OLDER_BUTTON), quillon::BITMAP_NONE);
        EXPECT_EQ(arrow(HistogramOverviewView::NEWER_BUTTON),
                  c.maximum > 0 ? HistogramOverviewView::NEWER_ICON : quillon::BITMAP_NONE);
        if (c.maximum > 0) {
            histogram.pressBottomButton(HistogramOverviewView::NEWER_BUTTON);
            EXPECT_EQ(view->getPageOffset(), c.maximum - 1);
            EXPECT_EQ(arrow(HistogramOverviewView::OLDER_BUTTON), HistogramOverviewView::OLDER_ICON);
            EXPECT_EQ(arrow(HistogramOverviewView::NEWER_BUTTON), HistogramOverviewView::NEWER_ICON);
        }
    }
}

TEST_F(HistogramOverview, AWeekBackTheNewestBarIsAnOrdinaryWeek)
{
    // Weeks: H[offset + k] in entry k, drawn in bar 7 - k.
    for (std::uint32_t k = 0; k < 10; ++k) {
        histogram.app.bed.deviceSends(364 + k, std::uint32_t{100 + k});
    }
    auto* view = open<GasConsumptionOverviewView>(histogram.app.pages().gasOverviewPage, 1);
    ASSERT_NE(view, nullptr);
    const guicontrols::EnergyHistogram& chart = view->getHistogram();
    EXPECT_EQ(chart.getBar(7).getSegmentValue(0), 100u);
    EXPECT_EQ(chart.getBar(7).getLabelColor(), guicontrols::Palette::entry(8)); // this week, highlighted
    const std::u16string rangeNow = text(view->getRangeText());

    histogram.pressBottomButton(HistogramOverviewView::OLDER_BUTTON);
    EXPECT_EQ(chart.getBar(7).getSegmentValue(0), 101u);
    EXPECT_EQ(chart.getBar(0).getSegmentValue(0), 108u);
    EXPECT_EQ(chart.getBar(7).getLabelColor(), guicontrols::Palette::entry(11));
    // Week 13 of 2026 is this one (23 to 29 March lies before Tuesday 31 March's week 14).
    EXPECT_EQ(text(chart.getBarLabel(7)), u"13");
    const std::u16string rangeBack = text(view->getRangeText());
    EXPECT_NE(rangeBack, rangeNow);
    quillon::WideChar expected[100];
    helpers::DateTime lastWeek(2026, 3, 24, 12, 0, 0);
    guicontrols::EnergyHistogram::formatWeekRange(expected, 100, lastWeek, -7, false);
    EXPECT_EQ(rangeBack, text(expected));
}

TEST_F(HistogramOverview, ABarOpensItsPeriodsDetails)
{
    histogram.app.bed.deviceSends(571 + 8, std::uint32_t{77000});
    auto* view = open<ElectricEnergyConsumptionOverviewView>(histogram.app.pages().electricityOverviewPage, 2);
    ASSERT_NE(view, nullptr);
    for (int i = 0; i < 3; ++i) {
        histogram.pressBottomButton(HistogramOverviewView::OLDER_BUTTON);
    }
    const std::u16string label = text(view->getHistogram().getBarLabel(2));
    histogram.clickBar(*view, 2);

    auto* details = histogram.app.screen<ElectricEnergyConsumptionDetailsView>();
    ASSERT_NE(details, nullptr);
    const HistogramSelection* selection = histogram.app.pageManager().getParam<HistogramSelection>();
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->period, 2u);
    EXPECT_EQ(selection->periodsBack, 8u); // 3 + (8 - 2) - 1
    EXPECT_EQ(selection->barIndex, 2u);
    EXPECT_EQ(text(details->getBar().getLabel()), label);
    EXPECT_EQ(text(details->getValueText()), u"77.0 kWh");
    // 31 March less 8 months
    EXPECT_NE(text(details->getDateText()).find(u"2025"), std::u16string::npos);

    // Back: the overview anew, from the newest page.
    histogram.pressBottomButton(1);
    auto* again = histogram.app.screen<ElectricEnergyConsumptionOverviewView>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->getPageOffset(), 0);
}

TEST_F(HistogramOverview, BarsIgnoreTouchesWithoutDetails)
{
    auto* view = open<SolarOverviewView>(histogram.app.pages().solarOverviewPage, 0, 1);
    ASSERT_NE(view, nullptr);
    histogram.clickBar(*view, 3);
    EXPECT_NE(histogram.app.screen<SolarOverviewView>(), nullptr);
    EXPECT_EQ(histogram.app.pageManager().getParam<HistogramSelection>(), nullptr);
}

TEST_F(HistogramOverview, WithoutAnIntervalAnEmptyChart)
{
    // A chart entered with nothing stored, or with a cylinder chart's interval.
    histogram.app.open(histogram.app.pages().gasOverviewPage);
    histogram.app.bed.ticks(1);
    for (int road = 0; road < 2; ++road) {
        SCOPED_TRACE(road);
        auto* view = histogram.app.screen<GasConsumptionOverviewView>();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->getHistogram().getParent(), nullptr);
        EXPECT_EQ(text(view->getRangeText()), u"");
        EXPECT_EQ(arrow(HistogramOverviewView::OLDER_BUTTON), quillon::BITMAP_NONE);
        EXPECT_EQ(histogram.app.bed.model().getDefaultFilter().count(), 0u);
        histogram.openWith(histogram.app.pages().gasOverviewPage, 4);
    }
}

TEST_F(HistogramOverview, GasLegendsAndSegments)
{
    histogram.app.bed.deviceSends(GAS_HEATING_DAYS, std::uint32_t{40});
    histogram.app.bed.deviceSends(GAS_HOT_WATER_DAYS, std::uint32_t{20});
    for (bool hotWater : {true, false}) {
        SCOPED_TRACE(hotWater);
        for (std::uint32_t flag : {9u, 10u, 11u}) {
            histogram.setDevice(flag, hotWater && flag == 11);
        }
        auto* view = open<GasConsumptionOverviewView>(histogram.app.pages().gasOverviewPage, 0);
        ASSERT_NE(view, nullptr);
        const guicontrols::EnergyBar& today = view->getHistogram().getBar(7);
        EXPECT_EQ(today.getSegmentCount(), hotWater ? 2 : 1);
        EXPECT_EQ(today.getTotal(), hotWater ? 60u : 40u);
        EXPECT_EQ(view->getHeatingLegend().getX(), 88);
        EXPECT_EQ(view->getHeatingLegend().getY(), 6);
        EXPECT_EQ(view->getHotWaterLegend().getX(), 175);
        EXPECT_EQ(view->getHotWaterLegend().getParent() != nullptr, hotWater);
        EXPECT_EQ(histogram.app.bed.model().getDefaultFilter().count(), 2u);
        // Heating dark red at the bottom of today's column, hot water orange above it.
        const quillon::Rectangle heating = today.getSegmentBox(0).getAbsoluteRect();
        EXPECT_EQ(histogram.app.bed.frame().at(heating.x + 5, heating.y + heating.height - 1),
                  guicontrols::Palette::entry(22));
        if (hotWater) {
            const quillon::Rectangle water = today.getSegmentBox(1).getAbsoluteRect();
            EXPECT_EQ(water.y + water.height, heating.y);
            EXPECT_EQ(histogram.app.bed.frame().at(water.x + 5, water.y + 1), guicontrols::Palette::entry(23));
        }
    }
}

TEST_F(HistogramOverview, SolarDaysFromTheYieldRangesOnlyWithARecordingDevice)
{
    histogram.app.bed.deviceSends(SOLAR_DAYS, std::uint32_t{7000});
    std::uint8_t history[32] = {};
    history[0] = 0x88; // 5000 Wh today, little-endian
    history[1] = 0x13;
    histogram.app.bed.deviceSendsBytes(SOLAR_HISTORY, history, sizeof(history));
    struct Case
    {
        std::uint32_t flag;
        std::uint32_t today;
    };
    const Case cases[] = {{60, 7000}, {64, 7000}, {0, 5000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flag);
        histogram.setDevice(60, c.flag == 60);
        histogram.setDevice(64, c.flag == 64);
        auto* view = open<SolarOverviewView>(histogram.app.pages().solarOverviewPage, 0);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->getHistogram().getBar(7).getSegmentValue(0), c.today);
        const model::IPropertyFilter& filter = histogram.app.bed.model().getDefaultFilter();
        ASSERT_EQ(filter.count(), 1u);
        model::IProperty* yieldHistory = &histogram.app.bed.model().getGroups().solar.yieldHistory;
        EXPECT_EQ(filter.at(0) == yieldHistory, c.flag == 0);
    }
}

TEST_F(HistogramOverview, TitleIsTheVariantThenThePeriod)
{
    struct Case
    {
        std::uint32_t interval;
        std::u16string title;
    };
    const Case cases[] = {{0, u"Gas consumption of the last 7 Days"},
                          {1, u"Gas consumption of the last 52 Weeks"},
                          {3, u"Gas consumption of the last 2 Years"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        auto* view = open<GasConsumptionOverviewView>(histogram.app.pages().gasOverviewPage, c.interval);
        ASSERT_NE(view, nullptr);
        guicontrols::TopBar& bar = const_cast<guicontrols::TopBar&>(view->getTopBar());
        std::u16string shown = text(bar.getTitleText());
        while (!shown.empty() && shown.back() == u' ') {
            shown.pop_back(); // the empty third segment's blank
        }
        EXPECT_EQ(shown, c.title);
        // The period drawn in orange after the variant's text.
        const quillon::Rectangle top = bar.getAbsoluteRect();
        int orange = 0;
        for (std::int16_t y = top.y; y < top.y + top.height; ++y) {
            for (std::int16_t x = top.x; x < top.x + top.width; ++x) {
                orange += histogram.app.bed.frame().at(x, y) == guicontrols::Palette::entry(10) ? 1 : 0;
            }
        }
        EXPECT_GT(orange, 50);
    }
}
} // namespace

namespace
{
// The help button opens the variant's help for the shown period.
TEST(HistogramHelp, TheVariantsHelpForThePeriod)
{
    struct Case
    {
        std::uint32_t interval;
        const char16_t* start; // the help text's first words
    };
    const Case cases[] = {{0, u"Electricity consumption on the selected day"},
                          {2, u"Electricity consumption in the selected month"},
                          {3, u"Electricity consumption in the selected year"}};
    test::HistogramBed histogram;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        histogram.openWith(histogram.app.pages().electricityOverviewPage, c.interval);
        auto* view = histogram.app.screen<ElectricEnergyConsumptionOverviewView>();
        ASSERT_NE(view, nullptr);
        histogram.pressBottomButton(GenericView::HELP_BUTTON);
        std::u16string shown = quillon::test::text(view->getHelpMode().getWrappedText());
        for (char16_t& unit : shown) {
            unit = unit == u'\n' ? u' ' : unit;
        }
        EXPECT_EQ(shown.rfind(c.start, 0), 0u) << std::string(shown.begin(), shown.end());
        histogram.pressBottomButton(1); // back to the chart
    }
}
} // namespace
