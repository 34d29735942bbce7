#include "model/manager/ZeroedStaticTable.hpp"

#include "model/DataModelManager.hpp"
#include "model/time/TimeManager.hpp"

#include <rtos/Rtos.hpp>

#include <cstdint>
#include <vector>

using helpers::DateTime;
using model::TimeManager;

namespace
{
// A board clock the test sets: a write is kept and read back.
struct FakeClock
{
    DateTime now;
    bool readWorks = true;
    bool writeWorks = true;
    std::uint32_t error = 0;
    std::vector<std::uint32_t> writes;
};
FakeClock fake;

const TimeManager::Clock TEST_CLOCK = {
    [](DateTime& value) {
        if (fake.readWorks) {
            value = fake.now;
        }
        return fake.readWorks;
    },
    [](const DateTime& value) {
        if (fake.writeWorks) {
            fake.now = value;
            fake.writes.push_back(value.getTimestamp());
        }
        return fake.writeWorks;
    },
    [] { return fake.error; },
    [] { return true; },
};

TimeManager* current = nullptr;
void forward(std::uint32_t index)
{
    current->onDataChanged(model::DataChangedEvent(model::DataChangedEvent::VALUE_CHANGED, index));
}

constexpr std::uint32_t DEVICE_TIME = TimeManager::DEVICE_TIME_INDEX;

class Clocks : public ZeroedStaticTable
{
protected:
    void SetUp() override
    {
        ZeroedStaticTable::SetUp();
        model::SettingsStorage::getInstance().init();
        fake = FakeClock();
        fake.now = DateTime(2024, 3, 10, 10, 30, 0);
        manager.useClock(TEST_CLOCK);
        current = &manager;
        dptSetChangeCallback(forward);
    }

    // The device reports its time.
    static void deviceTime(std::uint32_t seconds) { store(DEVICE_TIME, seconds); }
    static std::uint32_t tableTime()
    {
        std::uint32_t seconds = 0;
        EXPECT_EQ(dptGet(DEVICE_TIME, &seconds), 1);
        return seconds;
    }

    // Start-up with the summer-time flag unchanged, ending in normal operation.
    static void runUp(TimeManager& target, std::uint8_t mode, std::uint8_t summerTime)
    {
        store(TimeManager::TIME_SOURCE_INDEX, mode);
        store(TimeManager::SUMMER_TIME_INDEX, summerTime);
        target.init();
        deviceTime(fake.now.getTimestamp() + 1);
        deviceTime(fake.now.getTimestamp() + 2);
        deviceTime(fake.now.getTimestamp() + 3);
        ASSERT_EQ(target.getSyncState(), TimeManager::SYNC_RUNNING);
        fake.writes.clear();
    }
    void runUp(std::uint8_t mode, std::uint8_t summerTime) { runUp(manager, mode, summerTime); }

    // The panel clock at the time; the device then reports it plus ahead seconds.
    std::uint32_t compareAt(const DateTime& panel, std::int32_t ahead)
    {
        fake.now = panel;
        const std::uint32_t device = panel.getTimestamp() + static_cast<std::uint32_t>(ahead);
        deviceTime(device);
        return device;
    }

    TimeManager manager;
};
} // namespace

TEST_F(Clocks, StartUpSendsThePanelTimeAndPollsFastUntilTheSummerTimeStep)
{
    model::SettingProperty<unsigned int>& initTime = model::DataModelManager::getInstance().getGroups().settings.initTime;
    initTime.set(0);
    manager.init();
    EXPECT_EQ(period(DEVICE_TIME), 60);

    deviceTime(DateTime(2020, 1, 1, 0, 0, 0).getTimestamp());
    const std::uint32_t panel = fake.now.getTimestamp();
    EXPECT_EQ(tableTime(), panel); // the panel's time went to the device
    EXPECT_EQ(manager.getLastWrittenTime(), panel);
    EXPECT_EQ(initTime.get(), panel); // never set before
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_TIME_SENT);
    EXPECT_EQ(period(DEVICE_TIME), 5);

    deviceTime(panel + 5);
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_SUMMER_TIME);
    EXPECT_EQ(period(DEVICE_TIME), 5);
    deviceTime(panel + 10);
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_RUNNING);
    EXPECT_EQ(period(DEVICE_TIME), 60);
    EXPECT_TRUE(fake.writes.empty()); // no summer-time change, no clock write
}

TEST_F(Clocks, AnInitTimeAlreadySetIsKept)
{
    model::SettingProperty<unsigned int>& initTime = model::DataModelManager::getInstance().getGroups().settings.initTime;
    initTime.set(DateTime::EARLIEST + 7);
    manager.init();
    deviceTime(1);
    EXPECT_EQ(initTime.get(), DateTime::EARLIEST + 7);
}

TEST_F(Clocks, ClockErrorAtStartUpRestartsTheBoardClockOnly)
{
    fake.error = 1;
    manager.init();
    deviceTime(DateTime(2020, 1, 1, 0, 0, 0).getTimestamp());
    EXPECT_EQ(fake.writes, std::vector<std::uint32_t>{DateTime(2015, 1, 1, 0, 0, 0).getTimestamp()});
    EXPECT_EQ(tableTime(), DateTime(2020, 1, 1, 0, 0, 0).getTimestamp()); // nothing sent
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_RUNNING);
    EXPECT_EQ(period(DEVICE_TIME), 60);
    EXPECT_FALSE(manager.isClockValid());
}

TEST_F(Clocks, SummerTimeStep)
{
    struct Case
    {
        std::uint8_t atStart, atStep;
        std::int32_t shift;
    };
    const Case cases[] = {{0, 1, 3600}, {1, 0, -3600}, {0, 0, 0}, {1, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        TimeManager fresh;
        fresh.useClock(TEST_CLOCK);
        current = &fresh;
        fake.writes.clear();
        fake.now = DateTime(2024, 3, 31, 1, 59, 0);
        store(TimeManager::SUMMER_TIME_INDEX, c.atStart);
        fresh.init();
        deviceTime(100);
        deviceTime(200);
        const std::uint32_t before = fake.now.getTimestamp();
        store(TimeManager::SUMMER_TIME_INDEX, c.atStep);
        deviceTime(300);
        EXPECT_EQ(fresh.getSyncState(), TimeManager::SYNC_RUNNING);
        EXPECT_EQ(period(DEVICE_TIME), 60);
        if (c.shift == 0) {
            EXPECT_TRUE(fake.writes.empty());
            EXPECT_EQ(tableTime(), 300u);
        } else {
            const std::uint32_t moved = before + static_cast<std::uint32_t>(c.shift);
            EXPECT_EQ(fake.writes, std::vector<std::uint32_t>{moved});
            EXPECT_EQ(tableTime(), moved);
        }
    }
}

TEST_F(Clocks, FailedReadSkipsTheSummerTimeStep)
{
    store(TimeManager::SUMMER_TIME_INDEX, std::uint8_t(0));
    manager.init();
    deviceTime(100);
    deviceTime(200);
    fake.readWorks = false;
    store(TimeManager::SUMMER_TIME_INDEX, std::uint8_t(1));
    deviceTime(300);
    EXPECT_TRUE(fake.writes.empty()); // not 2014-01-01 01:00 in both clocks
    EXPECT_EQ(tableTime(), 300u);
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_RUNNING);
    EXPECT_EQ(period(DEVICE_TIME), 60);
}

TEST_F(Clocks, TheEchoOfTheOwnWriteChangesNothing)
{
    manager.init();
    deviceTime(100); // the panel's time goes out
    const std::uint32_t sent = manager.getLastWrittenTime();
    deviceTime(sent + 1);
    deviceTime(sent); // read back later: ignored in state 2 too
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_SUMMER_TIME);

    TimeManager waiting;
    waiting.useClock(TEST_CLOCK);
    current = &waiting;
    waiting.init();
    ASSERT_NE(tableTime(), 0u);
    deviceTime(0); // nothing written yet: lastWrittenTime is 0 and so is the value
    EXPECT_EQ(waiting.getSyncState(), TimeManager::SYNC_WAITING);
    EXPECT_EQ(tableTime(), 0u);
}

TEST_F(Clocks, PanelLeadsInsideTheWriteWindow)
{
    runUp(0, 0);
    struct Case
    {
        std::uint8_t hour, minute;
        bool written;
    };
    const Case cases[] = {{10, 30, true}, {0, 57, false}, {2, 30, false}, {11, 3, false}, {0, 55, true},
                          {1, 56, false}, {3, 5, true},   {23, 4, false}, {23, 59, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const DateTime panel(2024, 5, 2, c.hour, c.minute, 0);
        const std::uint32_t device = compareAt(panel, 20);
        EXPECT_EQ(tableTime(), c.written ? panel.getTimestamp() : device);
        EXPECT_TRUE(fake.writes.empty()); // the panel clock stays
    }
}

TEST_F(Clocks, DifferencesUpToFifteenSecondsAreIgnored)
{
    runUp(1, 0);
    const DateTime panel(2024, 5, 2, 10, 30, 0);
    struct Case
    {
        std::int32_t ahead;
        bool acted;
    };
    const Case cases[] = {{15, false}, {-15, false}, {16, true}, {-16, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ahead);
        const std::uint32_t device = compareAt(panel, c.ahead);
        EXPECT_EQ(tableTime(), c.acted ? panel.getTimestamp() : device);
    }
}

TEST_F(Clocks, ModeTwoTellsASummerTimeHourFromADrift)
{
    const DateTime panel(2024, 5, 2, 14, 20, 0);
    struct Case
    {
        std::uint8_t summerTime;
        std::int32_t ahead;
        bool deviceLeads, panelLeads; // neither: the status is asked again
    };
    const Case cases[] = {
        {1, 3600, true, false}, {0, 3600, false, false}, {0, -3600, true, false},
        {1, -3600, false, false}, {1, 100, false, true}, {0, -3500, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        TimeManager fresh;
        fresh.useClock(TEST_CLOCK);
        current = &fresh;
        fake.now = panel;
        runUp(fresh, 2, c.summerTime);
        const std::uint32_t device = compareAt(panel, c.ahead);
        if (c.deviceLeads) {
            EXPECT_EQ(fake.writes, std::vector<std::uint32_t>{device});
            EXPECT_EQ(fresh.getLastWrittenTime(), device); // written back, the same time
        } else {
            EXPECT_TRUE(fake.writes.empty());
            EXPECT_EQ(tableTime(), c.panelLeads ? panel.getTimestamp() : device);
        }
    }
}

TEST_F(Clocks, AnyOtherModeLetsTheDeviceLead)
{
    runUp(5, 0);
    const DateTime panel(2024, 5, 2, 14, 20, 0);
    const std::uint32_t device = compareAt(panel, -100);
    EXPECT_EQ(fake.writes, std::vector<std::uint32_t>{device});
    EXPECT_EQ(manager.getLastWrittenTime(), device);
    EXPECT_EQ(tableTime(), device);
}

TEST_F(Clocks, FailedReadInNormalOperationIsReported)
{
    runUp(0, 0);
    store(TimeManager::CLOCK_FAILURE_INDEX, std::uint8_t(7));
    fake.readWorks = false;
    deviceTime(DateTime(2024, 5, 2, 10, 30, 0).getTimestamp());
    std::uint8_t failure = 0xFF;
    ASSERT_EQ(dptGet(TimeManager::CLOCK_FAILURE_INDEX, &failure), 1);
    EXPECT_EQ(failure, 0);
    EXPECT_TRUE(fake.writes.empty());
    EXPECT_EQ(tableTime(), DateTime(2024, 5, 2, 10, 30, 0).getTimestamp());
    EXPECT_EQ(manager.getDateTime(), DateTime()); // 2014-01-01 00:00:00
}

TEST_F(Clocks, SetDateTime)
{
    manager.init();
    const DateTime chosen(2025, 7, 14, 9, 15, 0);
    fake.writeWorks = false;
    EXPECT_FALSE(manager.setDateTime(chosen));
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_WAITING);
    EXPECT_EQ(manager.getLastWrittenTime(), 0u);

    fake.writeWorks = true;
    EXPECT_FALSE(manager.setDateTime(chosen)); // no device link: the frame is not queued
    EXPECT_EQ(fake.writes, (std::vector<std::uint32_t>{chosen.getTimestamp(), chosen.getTimestamp()}));
    EXPECT_EQ(manager.getSyncState(), TimeManager::SYNC_RUNNING);
    EXPECT_EQ(tableTime(), chosen.getTimestamp());
    EXPECT_EQ(manager.getDateTime(), chosen);

    rtosQueueHandle toDevice = rtosQueueCreate(70, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
    ASSERT_NE(toDevice, nullptr);
    linkSetTxQueue(toDevice);
    EXPECT_TRUE(manager.setDateTime(DateTime(2025, 7, 14, 9, 16, 0)));
    linkSetTxQueue(nullptr);
    rtosQueueDelete(toDevice);
}
