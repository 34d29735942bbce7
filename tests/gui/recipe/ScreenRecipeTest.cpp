#include "gui/recipe/OutsideTemperaturePresenter.hpp"
#include "gui/recipe/OutsideTemperatureView.hpp"

#include "support/TextReading.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/filter/FilterMembership.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The recipe every screen follows, shown on its example screen with the real model.
namespace
{
using quillon::test::text;

class ScreenRecipe : public ::testing::Test
{
protected:
    OutsideTemperatureView& view() { return bed.view<OutsideTemperatureView>(); }

    void SetUp() override
    {
        bed.show<OutsideTemperatureView, OutsideTemperaturePresenter>();
        bed.ticks(2); // the entry, then the whole screen again once its transition is done
    }

    static const DpTableEntry& entry(std::uint32_t index) { return dptStaticTable()[index]; }

    test::ScreenTestBed bed{0x1234};
};

TEST_F(ScreenRecipe, ShowsTheTableOnEntryAndWhatTheDeviceSendsOnTheNextTick)
{
    EXPECT_EQ(text(view().shownTemperature()), u"6.5"); // the table's start value
    EXPECT_EQ(bed.frame().count(0x1234), 0);            // the whole screen was drawn

    bed.deviceSends(OutsideTemperaturePresenter::OUTSIDE_TEMPERATURE, -3.5f);
    bed.deviceSends(OutsideTemperaturePresenter::SENSOR_STATUS, std::uint8_t{1});
    // The link task only recorded the change: nothing is shown before the GUI tick.
    EXPECT_EQ(text(view().shownTemperature()), u"6.5");
    const quillon::Rectangle lamp = OutsideTemperatureView::LAMP_AREA;
    EXPECT_EQ(bed.frame().at(lamp.x, lamp.y), OutsideTemperatureView::SENSOR_OK);

    bed.ticks(1);
    EXPECT_EQ(text(view().shownTemperature()), u"-3.5");
    EXPECT_EQ(bed.frame().at(lamp.x, lamp.y), OutsideTemperatureView::SENSOR_FAULT);
}

TEST_F(ScreenRecipe, RedrawsOnlyWhatChanged)
{
    const std::uint32_t before = view().updates();
    bed.frame().resetWrites();
    bed.deviceSends(OutsideTemperaturePresenter::SENSOR_STATUS, std::uint8_t{1});
    bed.ticks(1);

    EXPECT_EQ(view().updates(), before + 1); // the temperature setter found nothing new
    EXPECT_EQ(bed.frame().count(OutsideTemperatureView::SENSOR_FAULT), 40 * 40);
    EXPECT_EQ(bed.frame().totalWrites(), 40 * 40);

    // A change of nothing watched reaches no screen.
    bed.frame().resetWrites();
    bed.deviceSends(215, std::uint8_t{7});
    bed.ticks(3);
    EXPECT_EQ(view().updates(), before + 1);
    EXPECT_EQ(bed.frame().totalWrites(), 0);
}

TEST_F(ScreenRecipe, ASecondReaderOfAPointDoesNotHideTheChangeFromTheScreen)
{
    // The screen shows a group member; another reader of the group (a popup rule, say) reads
    // it before the screen's tick and so clears the point's own flag. The screen still hears
    // of the change through its filter.
    model::DataPoint<float, DP_SCALED_S16>& shared = bed.model().getGroups().general.adjustedOutsideTemperature;
    bed.deviceSends(OutsideTemperaturePresenter::OUTSIDE_TEMPERATURE, 12.0f);
    EXPECT_FLOAT_EQ(shared.getValue(), 12.0f);
    EXPECT_FALSE(shared.isChanged());
    bed.ticks(1);
    EXPECT_EQ(text(view().shownTemperature()), u"12.0");
}

TEST_F(ScreenRecipe, WatchedPointsPollFastOnlyWhileTheScreenIsShown)
{
    const std::uint32_t watched[] = {OutsideTemperaturePresenter::OUTSIDE_TEMPERATURE,
                                     OutsideTemperaturePresenter::SENSOR_STATUS};
    for (std::uint32_t index : watched) {
        SCOPED_TRACE(index);
        EXPECT_EQ(entry(index).currentPeriod, entry(index).fastPeriod);
    }
    EXPECT_EQ(bed.model().getDefaultFilter().count(), 2u);

    // A page change: the old screen leaves, the new one watches the same points.
    bed.show<OutsideTemperatureView, OutsideTemperaturePresenter>();
    EXPECT_EQ(bed.model().getDefaultFilter().count(), 2u);
    for (std::uint32_t index : watched) {
        SCOPED_TRACE(index);
        EXPECT_EQ(entry(index).currentPeriod, entry(index).fastPeriod);
    }
}

TEST(ScreenRecipeLeaving, LeavesNormalPollingAndAnEmptyFilter)
{
    {
        test::ScreenTestBed bed;
        bed.show<OutsideTemperatureView, OutsideTemperaturePresenter>();
    }
    const DpTableEntry& temperature = dptStaticTable()[OutsideTemperaturePresenter::OUTSIDE_TEMPERATURE];
    EXPECT_EQ(temperature.currentPeriod, temperature.normalPeriod);
    EXPECT_EQ(model::DataModelManager::getInstance().getDefaultFilter().count(), 0u);
    EXPECT_FALSE(model::DataModelManager::getInstance().isDefaultFilterEnabled());
}

// A presenter that shows more than a filter holds.
class Overfull : public ModelPresenter
{
public:
    explicit Overfull(quillon::Screen&) {}
    void activate() override
    {
        for (std::uint32_t i = 0; i <= model::DefaultPropertyFilter::MAX_PROPERTIES; ++i) {
            points.push_back(std::make_unique<model::DataPoint<unsigned char, DP_U8>>(300 + i));
        }
        watch({points[0].get()});
        for (std::unique_ptr<model::DataPoint<unsigned char, DP_U8>>& point : points) {
            watch({point.get()});
        }
    }
    void deactivate() override { unwatch(); }

private:
    std::vector<std::unique_ptr<model::DataPoint<unsigned char, DP_U8>>> points;
};

class EmptyView : public quillon::View<Overfull>
{
};

void showOverfull()
{
    test::ScreenTestBed bed;
    bed.show<EmptyView, Overfull>();
}

void addToFullGroup(model::DefaultPropertyFilter& group)
{
    model::DataPoint<unsigned char, DP_U8> oneTooMany(500, &group, nullptr);
}

TEST(ScreenRecipeDeathTest, AFullFilterStopsTheProgramAndNamesTheFilter)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(showOverfull(), "Property filter full: screen filter");

    // A group member that does not fit its group names the group's filter.
    model::DefaultPropertyFilter group("heating group");
    std::vector<std::unique_ptr<model::DataPoint<unsigned char, DP_U8>>> members;
    for (std::uint32_t i = 0; i < model::DefaultPropertyFilter::MAX_PROPERTIES; ++i) {
        members.push_back(std::make_unique<model::DataPoint<unsigned char, DP_U8>>(i, &group, nullptr));
    }
    EXPECT_DEATH(addToFullGroup(group), "Property filter full: heating group");
}
} // namespace
