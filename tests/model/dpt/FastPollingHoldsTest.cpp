#include "model/manager/ZeroedStaticTable.hpp"

#include "model/DataModelManager.hpp"
#include "model/time/TimeManager.hpp"

#include <memory>

// Fast polling is counted per table entry. In the running system several holders share
// entries: the popup filter for the whole run, the current screen's filter, the common
// group and the clock. None of them may release another's hold.
namespace
{
using CommonInfo = model::DataPoint<common_info, DP_COMMON_INFO>;
constexpr std::uint32_t COMMON_INFO = 288; // 180 / 30

class FastPollingHolds : public ZeroedStaticTable
{
protected:
    // What a presenter does with the model's filter while its screen is shown.
    void visitScreenShowing(model::IProperty* property)
    {
        model::DefaultPropertyFilter& screen = model->getDefaultFilter();
        ASSERT_TRUE(screen.add(property));
        model->enableDefaultFilter();
        EXPECT_TRUE(isFast(COMMON_INFO));
        model->disableDefaultFilter();
        screen.removeAll(); // deactivates once more
    }

    std::unique_ptr<model::DataModelManager> model = std::make_unique<model::DataModelManager>();
};
} // namespace

TEST_F(FastPollingHolds, APopupFilterKeepsItsPointFastWhileScreensComeAndGo)
{
    model::DefaultPropertyFilter popups;
    CommonInfo popupPoint(COMMON_INFO);
    ASSERT_TRUE(popups.add(&popupPoint));
    ASSERT_TRUE(model->addFilter(&popups));
    ASSERT_TRUE(isFast(COMMON_INFO));

    for (int visit = 0; visit < 3; ++visit) {
        SCOPED_TRACE(visit);
        CommonInfo screenPoint(COMMON_INFO);
        visitScreenShowing(&screenPoint);
        EXPECT_TRUE(isFast(COMMON_INFO));
    }
    // The very point object the popups hold, shown by a screen (the common group's member).
    visitScreenShowing(&popupPoint);
    EXPECT_TRUE(isFast(COMMON_INFO));

    model->removeFilter(&popups);
    EXPECT_FALSE(isFast(COMMON_INFO)) << "the last holder let go";
}

TEST_F(FastPollingHolds, FiltersPairTheirActivations)
{
    model::DefaultPropertyFilter& common = model->getGroups().common;
    model->activateFilter(&common); // as at start-up
    model->activateFilter(&common); // twice is once
    ASSERT_TRUE(isFast(COMMON_INFO));

    model::DefaultPropertyFilter idle; // never activated: deactivating it releases nothing
    CommonInfo idlePoint(COMMON_INFO);
    ASSERT_TRUE(idle.add(&idlePoint));
    idle.deactivateAll();
    idle.remove(&idlePoint);
    EXPECT_TRUE(isFast(COMMON_INFO));

    // A property removed from an active filter gives back that filter's hold only.
    model::DefaultPropertyFilter screen;
    CommonInfo screenPoint(COMMON_INFO);
    ASSERT_TRUE(screen.add(&screenPoint));
    screen.activateAll();
    model->deactivateFilter(&common);
    EXPECT_TRUE(isFast(COMMON_INFO)) << "the screen's hold";
    screen.remove(&screenPoint);
    EXPECT_FALSE(isFast(COMMON_INFO));
    screen.deactivateAll();
    model->deactivateFilter(&common);
    EXPECT_FALSE(isFast(COMMON_INFO));

    // Added to an active filter, a property is not activated, so leaving releases nothing.
    model->activateFilter(&common);
    screen.activateAll();
    ASSERT_TRUE(screen.add(&screenPoint));
    screen.removeAll();
    EXPECT_TRUE(isFast(COMMON_INFO));
}

namespace
{
model::TimeManager* clockUnderTest = nullptr;
void toClock(std::uint32_t index)
{
    clockUnderTest->onDataChanged(model::DataChangedEvent(model::DataChangedEvent::VALUE_CHANGED, index));
}

const helpers::DateTime PANEL_TIME(2024, 3, 10, 10, 30, 0);
const model::TimeManager::Clock STEADY_CLOCK = {
    [](helpers::DateTime& value) {
        value = PANEL_TIME;
        return true;
    },
    [](const helpers::DateTime&) { return true; },
    [] { return 0u; },
    [] { return false; },
};
} // namespace

TEST_F(FastPollingHolds, TheClockGivesBackOnlyItsOwnRequestOnTheDeviceTime)
{
    constexpr std::uint32_t DEVICE_TIME = model::TimeManager::DEVICE_TIME_INDEX; // 60 / 5
    model::SettingsStorage::getInstance().init();
    model::TimeManager clock;
    clock.useClock(STEADY_CLOCK);
    clockUnderTest = &clock;
    dptSetChangeCallback(toClock);

    model::DefaultPropertyFilter screen;
    model::DataPoint<unsigned int, DP_U32> shown(DEVICE_TIME);
    ASSERT_TRUE(screen.add(&shown));
    screen.activateAll();

    // Two synchronisations, each asking for the device time fast and giving it back; the
    // second starts over once after its request.
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        clock.init();
        store(DEVICE_TIME, 1000u); // start-up: the panel time goes out, polled fast
        if (run == 1) {
            clock.init();
            store(DEVICE_TIME, 2000u); // asks again while its request is held
        }
        store(DEVICE_TIME, PANEL_TIME.getTimestamp() + 5u);  // status asked
        store(DEVICE_TIME, PANEL_TIME.getTimestamp() + 10u); // summer time settled: fast no more
        ASSERT_EQ(clock.getSyncState(), model::TimeManager::SYNC_RUNNING);
        EXPECT_TRUE(isFast(DEVICE_TIME)) << "the screen still shows it";
    }
    screen.deactivateAll();
    EXPECT_FALSE(isFast(DEVICE_TIME));
}
