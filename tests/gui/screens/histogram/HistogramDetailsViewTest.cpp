#include "HistogramBed.hpp"

#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsView.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsView.hpp"
#include "gui/screens/histogram/HistogramDetailsView.hpp"
#include "guicontrols/Palette.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
using quillon::test::text;

std::u16string u16(std::uint32_t number)
{
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

const std::uint32_t GAS_HEATING_DAYS = 356;
const std::uint32_t GAS_HOT_WATER_DAYS = 433;
const std::uint32_t ELECTRICITY_DAYS = 510;
const std::uint32_t ELECTRICITY_MONTHS = 571;

TEST(HistogramScale, StepsAndUnitOfATotal)
{
    struct Case
    {
        std::uint32_t total;
        double unitDivisor;
        std::uint32_t steps;
        bool megawattHours;
    };
    const Case cases[] = {
        {0, 1.0, 2, false},
        {1234, 1.0, 1358, false},
        {10, 1.0, 12, false}, // the single-precision tenth rounds the headroom up to 2
        {1999, 1.0, 2200, false},
        {2000, 1.0, 4, true},
        {5500000, 1000.0, 8, true},
        {1234567, 1000.0, 1360, false},
        // Near the top of 32 bits the headroom no longer fits 32: the steps still cover it.
        {0xFFFFFFFFu, 1.0, 4724466, true},
        {0xFFFFFFFFu, 1000.0, 4726, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        const HistogramDetailsView::Scale scale = HistogramDetailsView::computeScaleSteps(c.total, c.unitDivisor);
        EXPECT_EQ(scale.steps, c.steps);
        EXPECT_EQ(scale.megawattHours, c.megawattHours);
        EXPECT_EQ(scale.steps % 2, 0u);
        EXPECT_GE(static_cast<double>(scale.steps) * scale.displayDivisor, static_cast<double>(c.total));
    }
}

class HistogramDetails : public ::testing::Test
{
protected:
    template <class View>
    View* openDetails(pagemanager::Page& page, std::uint32_t period, std::uint8_t periodsBack, std::uint8_t barIndex)
    {
        histogram.leave(page);
        selection = HistogramSelection{period, periodsBack, barIndex, label};
        histogram.app.pageManager().setParam(selection);
        histogram.app.open(page);
        histogram.app.bed.ticks(1);
        return histogram.app.screen<View>();
    }

    static std::u16string shownDate(const HistogramDetailsView& view) { return text(view.getDateText()); }

    test::HistogramBed histogram;
    quillon::WideChar label[4] = {'M', 'o', 0, 0};
    HistogramSelection selection{};
};

TEST_F(HistogramDetails, ValueTextAndScaleOfAnElectricityDay)
{
    struct Case
    {
        std::uint32_t wattHours;
        std::u16string value;
        std::uint32_t top;
    };
    const Case cases[] = {
        {0, u"0.0 kWh", 2},          // an empty bar under the scale 2, 1, 0
        {99500, u"99.5 kWh", 110},   // below 100: one decimal
        {123900, u"123 kWh", 138},   // 100 or more: truncated, not rounded
        {1234567, u"1234 kWh", 1360},
        {5500000, u"5.5 MWh", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wattHours);
        histogram.app.bed.deviceSends(ELECTRICITY_DAYS + 3, c.wattHours);
        auto* view = openDetails<ElectricEnergyConsumptionDetailsView>(histogram.app.pages().electricityDetailsPage, 0,
                                                                      3, 4);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(text(view->getValueText()), c.value);
        EXPECT_EQ(view->getScale().getMaximum(), c.top);
        EXPECT_EQ(text(view->getScale().getNumber(0)), u16(c.top));
        EXPECT_EQ(text(view->getBar().getLabel()), u"Mo");
    }
}

TEST_F(HistogramDetails, EmptyBarAtZero)
{
    histogram.app.bed.deviceSends(ELECTRICITY_DAYS, std::uint32_t{0});
    auto* view = openDetails<ElectricEnergyConsumptionDetailsView>(histogram.app.pages().electricityDetailsPage, 0, 0, 7);
    ASSERT_NE(view, nullptr);
    const guicontrols::EnergyBar& bar = view->getBar();
    EXPECT_EQ(bar.getSegmentBox(0).getHeight(), 0);
    const quillon::Rectangle column = bar.getColumnBox().getAbsoluteRect();
    EXPECT_EQ(histogram.app.bed.frame().at(column.x + 5, column.y + column.height - 2), guicontrols::Palette::entry(18));
}

TEST_F(HistogramDetails, ShowsWhatTheDeviceSendsWhileOpen)
{
    auto* view = openDetails<ElectricEnergyConsumptionDetailsView>(histogram.app.pages().electricityDetailsPage, 2, 1, 6);
    ASSERT_NE(view, nullptr);
    histogram.app.bed.deviceSends(ELECTRICITY_MONTHS + 1, std::uint32_t{250000});
    histogram.app.bed.ticks(1);
    EXPECT_EQ(text(view->getValueText()), u"250 kWh");
}

TEST_F(HistogramDetails, DateOfTheChosenPeriod)
{
    // 31 March 2026 is a Tuesday.
    auto* day = openDetails<GasConsumptionDetailsView>(histogram.app.pages().gasDetailsPage, 0, 5, 2);
    ASSERT_NE(day, nullptr);
    const std::u16string dayText = shownDate(*day);
    EXPECT_NE(dayText.find(u"26.03.2026"), std::u16string::npos) << std::string(dayText.begin(), dayText.end());
    EXPECT_NE(dayText.find(u"Thu"), std::u16string::npos);

    auto* month = openDetails<GasConsumptionDetailsView>(histogram.app.pages().gasDetailsPage, 2, 1, 6);
    ASSERT_NE(month, nullptr);
    const std::u16string monthText = shownDate(*month);
    EXPECT_NE(monthText.find(u"2026"), std::u16string::npos);
    EXPECT_NE(monthText.find(u"Feb"), std::u16string::npos) << std::string(monthText.begin(), monthText.end());

    auto* year = openDetails<GasConsumptionDetailsView>(histogram.app.pages().gasDetailsPage, 3, 2, 0);
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(shownDate(*year), u"2024");

    // Orange, at the right of the top bar.
    const quillon::Rectangle bar = year->getTopBar().getAbsoluteRect();
    bool orange = false;
    for (std::int16_t x = 600; x < 780 && !orange; ++x) {
        for (std::int16_t y = bar.y; y < bar.y + bar.height; ++y) {
            orange = orange || histogram.app.bed.frame().at(x, y) == guicontrols::Palette::entry(10);
        }
    }
    EXPECT_TRUE(orange);
}

TEST_F(HistogramDetails, GasSegmentsFollowTheHotWaterCircuits)
{
    histogram.app.bed.deviceSends(GAS_HEATING_DAYS + 1, std::uint32_t{30});
    histogram.app.bed.deviceSends(GAS_HOT_WATER_DAYS + 1, std::uint32_t{10});
    for (bool hotWater : {true, false}) {
        SCOPED_TRACE(hotWater);
        for (std::uint32_t flag : {9u, 10u, 11u}) {
            histogram.setDevice(flag, hotWater && flag == 10);
        }
        auto* view = openDetails<GasConsumptionDetailsView>(histogram.app.pages().gasDetailsPage, 0, 1, 6);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->getBar().getSegmentCount(), hotWater ? 2 : 1);
        EXPECT_EQ(text(view->getValueText()), hotWater ? u"40.0 kWh" : u"30.0 kWh");
        EXPECT_EQ(view->getHotWaterLegend().getParent() != nullptr, hotWater);
        EXPECT_NE(view->getHeatingLegend().getParent(), nullptr);
        EXPECT_EQ(histogram.app.bed.model().getDefaultFilter().count(), 2u); // H and W either way
    }
}

TEST_F(HistogramDetails, ATotalAtTheTopOf32BitsFillsItsColumnAtMost)
{
    histogram.setDevice(9, true);
    histogram.app.bed.deviceSends(GAS_HEATING_DAYS, std::uint32_t{0xFFFFFFFFu});
    histogram.app.bed.deviceSends(GAS_HOT_WATER_DAYS, std::uint32_t{5});
    auto* view = openDetails<GasConsumptionDetailsView>(histogram.app.pages().gasDetailsPage, 0, 0, 7);
    ASSERT_NE(view, nullptr);
    const guicontrols::EnergyBar& bar = view->getBar();
    EXPECT_EQ(bar.getTotal(), 0xFFFFFFFFu); // saturated, not wrapped to 4
    EXPECT_TRUE(bar.isUnitMWh());
    const quillon::Box& column = bar.getColumnBox();
    const int height = bar.getSegmentBox(0).getHeight() + bar.getSegmentBox(1).getHeight();
    EXPECT_LE(height, column.getHeight());
    EXPECT_GT(height, column.getHeight() * 8 / 10);
    EXPECT_GE(view->getScale().getMaximum(), 4294967u); // the value in MWh
    EXPECT_EQ(text(view->getValueText()), u"4294967 MWh");
}

TEST_F(HistogramDetails, WithoutASelectionAnEmptyChart)
{
    histogram.app.open(histogram.app.pages().gasDetailsPage);
    histogram.app.bed.ticks(1);
    auto* view = histogram.app.screen<GasConsumptionDetailsView>();
    EXPECT_EQ(histogram.app.pageManager().getParam<HistogramSelection>(), nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getBar().getParent(), nullptr);
    EXPECT_EQ(text(view->getDateText()), u"");
    EXPECT_EQ(histogram.app.bed.model().getDefaultFilter().count(), 0u);
}
} // namespace
