#include "model/manager/ZeroedStaticTable.hpp"

#include "model/devices/DeviceManager.hpp"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using model::DeviceManager;
using model::IDeviceListener;

namespace
{
// Table changes reach the manager under test as they reach the model's.
DeviceManager* current = nullptr;
void forward(std::uint32_t index)
{
    current->onDataChanged(model::DataChangedEvent(model::DataChangedEvent::VALUE_CHANGED, index));
}

struct Recorder : IDeviceListener
{
    void onDeviceChanged(std::uint32_t id, std::uint32_t change) override
    {
        // The presence bit is already in place when the listener hears of it.
        consistent = consistent && manager->isPresent(id) == (change == DEVICE_ADDED);
        events.push_back((change == DEVICE_ADDED ? "+" : "-") + std::to_string(id));
    }
    DeviceManager* manager = nullptr;
    std::vector<std::string> events;
    bool consistent = true;
};

class Devices : public ZeroedStaticTable
{
protected:
    void SetUp() override
    {
        ZeroedStaticTable::SetUp();
        current = &manager;
        dptSetChangeCallback(forward);
        recorder.manager = &manager;
    }

    std::set<std::uint32_t> present() const
    {
        std::set<std::uint32_t> ids;
        for (std::uint32_t id = 0; id < 96; ++id) {
            if (manager.isPresent(id)) {
                ids.insert(id);
            }
        }
        return ids;
    }

    // Presence of the ids from first to last, as a string of 0 and 1.
    std::string presence(std::uint32_t first, std::uint32_t last) const
    {
        std::string bits;
        for (std::uint32_t id = first; id <= last; ++id) {
            bits += manager.isPresent(id) ? '1' : '0';
        }
        return bits;
    }

    void initWithRecorder()
    {
        manager.init();
        manager.takeChanged();
        ASSERT_TRUE(manager.addListener(&recorder));
    }

    DeviceManager manager;
    Recorder recorder;
};

std::set<std::uint32_t> range(std::uint32_t first, std::uint32_t last)
{
    std::set<std::uint32_t> ids;
    for (std::uint32_t id = first; id <= last; ++id) {
        ids.insert(id);
    }
    return ids;
}
} // namespace

TEST_F(Devices, NothingIsPresentBeforeInit)
{
    EXPECT_TRUE(present().empty());
    EXPECT_FALSE(manager.takeChanged());
    EXPECT_EQ(manager.count(), 50u);
}

TEST_F(Devices, AllZeroTable)
{
    manager.init();
    std::set<std::uint32_t> expected = {DEVICE_HC1, DEVICE_HC2, DEVICE_HC3, DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_DHW_HC3,
                                        DEVICE_BOILER_1, DEVICE_UNLOCKED, DEVICE_SOLAR_PUMP, DEVICE_DP354_ZERO,
                                        DEVICE_OUTPUT_20, DEVICE_COMMON_B2_PAIR2, DEVICE_COMMON_B2_PAIR3,
                                        DEVICE_OUTSIDE_TEMPERATURE, DEVICE_SENSOR_SUPPLY_HC3};
    // Every sensor whose status is 0; 78 and 80 are never set.
    for (std::uint32_t id : range(DEVICE_SENSOR_COLLECTOR, DEVICE_SENSOR_SOLAR_10)) {
        expected.insert(id);
    }
    for (std::uint32_t id : range(DEVICE_SENSOR_BOILER, DEVICE_SENSOR_SUPPLY_HC2)) {
        expected.insert(id);
    }
    for (std::uint32_t id : range(DEVICE_SENSOR_ROOM_HC1, DEVICE_SENSOR_ROOM_HC3)) {
        expected.insert(id);
    }
    EXPECT_EQ(present(), expected);
    EXPECT_TRUE(manager.takeChanged());
    EXPECT_FALSE(manager.takeChanged());
    EXPECT_FALSE(manager.isPresent(DEVICE_NONE));
}

TEST_F(Devices, CircuitConfiguration)
{
    struct Case
    {
        std::uint8_t configuration;
        bool single;
        const char* circuits; // ids 0..2
        const char* hotWater; // ids 9..11
    };
    const Case cases[] = {
        {0, false, "111", "111"}, {0, true, "111", "100"}, {1, false, "100", "000"},  {2, false, "100", "100"},
        {3, false, "010", "000"}, {4, false, "010", "010"}, {5, false, "110", "000"},  {6, false, "110", "110"},
        {6, true, "110", "100"},  {7, false, "011", "000"}, {8, false, "011", "011"},  {8, true, "011", "010"},
        {9, false, "111", "000"}, {10, true, "111", "100"}, {12, false, "111", "111"}, {255, false, "111", "111"},
    };
    manager.init();
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        store(335, std::uint8_t(c.single));
        store(319, c.configuration);
        manager.onDataChanged(changeOf(319)); // the rule runs even when the value stayed
        EXPECT_EQ(presence(0, 2), c.circuits);
        EXPECT_EQ(presence(9, 11), c.hotWater);
    }
}

TEST_F(Devices, CircuitRuleReportsKeptIdsRemovedAndAddedAgain)
{
    initWithRecorder();
    store(319, std::uint8_t(5)); // circuits 1 and 2, no hot water
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"-0", "-1", "-2", "-9", "-10", "-11", "+0", "+1"}));
    EXPECT_TRUE(recorder.consistent);
    EXPECT_TRUE(manager.takeChanged());
}

TEST_F(Devices, FlagPointsFollowTheirIdsOnly)
{
    initWithRecorder();
    store(324, std::uint8_t(1));
    EXPECT_EQ(recorder.events, std::vector<std::string>{"+24"}); // the second binding never acts
    EXPECT_FALSE(manager.isPresent(DEVICE_DP324_B));

    struct Case
    {
        std::uint32_t index;
        std::uint32_t id;
    };
    const Case cases[] = {{341, 54}, {343, 55}, {344, 56}, {330, 37}, {223, 38}, {321, 25}, {320, 53},
                          {641, 8},  {256, 51}, {289, 52}, {334, 6},  {97, 47},  {150, 48}, {203, 49}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        recorder.events.clear();
        store(c.index, std::uint8_t(1));
        EXPECT_EQ(recorder.events, std::vector<std::string>{"+" + std::to_string(c.id)});
        store(c.index, std::uint8_t(0));
        EXPECT_FALSE(manager.isPresent(c.id));
    }
    store(339, std::uint8_t(1)); // the operating lock
    EXPECT_FALSE(manager.isPresent(DEVICE_UNLOCKED));
}

TEST_F(Devices, UnchangedPresenceRaisesNoChange)
{
    initWithRecorder();
    store(9, std::uint8_t(255)); // still a fitted sensor
    EXPECT_TRUE(manager.isPresent(DEVICE_SENSOR_BOILER));
    EXPECT_FALSE(manager.takeChanged());
    EXPECT_TRUE(recorder.events.empty());

    store(9, std::uint8_t(6)); // not fitted
    EXPECT_FALSE(manager.isPresent(DEVICE_SENSOR_BOILER));
    manager.clearChanged(); // the filter's own flag, not the presence change
    EXPECT_TRUE(manager.takeChanged());
    EXPECT_FALSE(manager.takeChanged());
}

TEST_F(Devices, SensorStatusSix)
{
    manager.init();
    struct Case
    {
        std::uint32_t index;
        std::uint32_t id;
    };
    const Case cases[] = {{9, 71},  {8, 73},  {12, 72},  {10, 74}, {11, 75}, {13, 76},
                          {154, 77}, {207, 79}, {24, 81}, {25, 82}, {26, 83}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        store(c.index, std::uint8_t(6));
        EXPECT_FALSE(manager.isPresent(c.id));
        store(c.index, std::uint8_t(255));
        EXPECT_TRUE(manager.isPresent(c.id));
        store(c.index, std::uint8_t(0));
        EXPECT_TRUE(manager.isPresent(c.id));
    }
    store(155, std::uint8_t(1));
    store(208, std::uint8_t(1));
    EXPECT_FALSE(manager.isPresent(DEVICE_DP155));
    EXPECT_FALSE(manager.isPresent(DEVICE_DP208));
}

TEST_F(Devices, SolarControllerAndRecord)
{
    manager.init();
    store(627, std::uint8_t(1));
    store(331, std::uint8_t(3));
    EXPECT_EQ(presence(26, 29), "0010");
    EXPECT_TRUE(manager.isPresent(DEVICE_ZR6_OUTPUT_22));
    store(331, std::uint8_t(6)); // unknown: everything stays
    EXPECT_EQ(presence(26, 29), "0010");
    EXPECT_TRUE(manager.isPresent(DEVICE_ZR6_OUTPUT_22));
    store(331, std::uint8_t(1)); // output 22 is left as it was
    EXPECT_EQ(presence(26, 29), "1000");
    EXPECT_TRUE(manager.isPresent(DEVICE_ZR6_OUTPUT_22));
    store(331, std::uint8_t(4));
    store(627, std::uint8_t(0));
    EXPECT_EQ(presence(26, 29), "0001");
    EXPECT_FALSE(manager.isPresent(DEVICE_ZR6_OUTPUT_22));

    solar_info record = {};
    record.bytes[0] = 0x04; // speed-controlled pump
    record.bytes[4] = 6;    // no collector sensor
    record.bytes[13] = 6;   // no sensor 10
    store(253, record);
    EXPECT_EQ(presence(30, 36), "0100110"); // exactly one of 30 and 31
    record.bytes[0] = 0;
    store(253, record);
    EXPECT_EQ(presence(30, 31), "10");
}

TEST_F(Devices, RemoteControlsPerCircuit)
{
    manager.init();
    store(92, std::uint8_t(2));
    store(198, std::uint8_t(4));
    store(145, std::uint8_t(3));
    EXPECT_EQ(presence(12, 23), "010000100001");
    for (std::uint8_t value : {0, 5}) {
        store(145, value);
        EXPECT_EQ(presence(12, 23), "010000000001") << int(value);
    }
}

TEST_F(Devices, ValueRules)
{
    manager.init();
    struct Case
    {
        std::uint32_t index;
        std::uint8_t value;
        std::uint32_t first, last;
        const char* bits;
    };
    const Case cases[] = {
        {355, 7, 57, 60, "0000"}, {355, 3, 57, 60, "0010"}, {355, 1, 57, 60, "1000"},
        {255, 3, 61, 65, "00100"}, {255, 6, 61, 65, "00000"}, {255, 5, 61, 65, "00001"}, {255, 0, 61, 65, "00000"},
        {332, 1, 40, 42, "100"},  {332, 2, 40, 42, "001"},  {332, 3, 40, 42, "010"},  {332, 4, 40, 42, "000"},
        {141, 2, 3, 3, "1"},      {141, 1, 3, 3, "0"},      {194, 2, 4, 4, "1"},
        {228, 2, 46, 46, "1"},    {228, 3, 46, 46, "0"},    {228, 1, 46, 46, "1"},
        {622, 2, 50, 50, "1"},    {622, 1, 50, 50, "0"},    {626, 9, 44, 44, "1"},    {626, 0, 44, 44, "0"},
        {354, 1, 43, 43, "0"},    {354, 0, 43, 43, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        store(c.index, c.value);
        EXPECT_EQ(presence(c.first, c.last), c.bits);
    }
}

TEST_F(Devices, CommonRecordAndCommunicationInterface)
{
    manager.init();
    common_info status = {};
    status.bytes[0] = 0x01;
    status.bytes[1] = 0x10; // the lock bit only
    status.bytes[2] = 0x3C; // outputs 20 and the second pair both set: not in use
    status.bytes[6] = 1;
    store(288, status);
    EXPECT_TRUE(manager.isPresent(DEVICE_COMMON_B0_BIT0));
    EXPECT_FALSE(manager.isPresent(DEVICE_COMMON_B1_LOW));
    EXPECT_EQ(presence(66, 68), "001");
    EXPECT_FALSE(manager.isPresent(DEVICE_OUTSIDE_TEMPERATURE));

    system_identifier identifier = {{0, 0, 0, 5}};
    store(342, std::uint8_t(1));
    EXPECT_FALSE(manager.isPresent(DEVICE_RELAVO)); // variant 0: the flag is not read
    store(37, identifier);
    EXPECT_TRUE(manager.isPresent(DEVICE_RELAVO));
    identifier.bytes[3] = 4;
    store(37, identifier);
    EXPECT_FALSE(manager.isPresent(DEVICE_RELAVO));
}

TEST_F(Devices, ListenersUpToTenAndRemovalMovesTheLast)
{
    manager.init();
    Recorder recorders[11];
    for (std::uint32_t i = 0; i < 10; ++i) {
        recorders[i].manager = &manager;
        EXPECT_TRUE(manager.addListener(&recorders[i]));
    }
    EXPECT_FALSE(manager.addListener(&recorders[10]));
    EXPECT_TRUE(manager.removeListener(&recorders[0]));
    EXPECT_FALSE(manager.removeListener(&recorders[0]));
    EXPECT_EQ(manager.getListenerCount(), 9u);

    store(641, std::uint8_t(1));
    EXPECT_TRUE(recorders[0].events.empty());
    EXPECT_TRUE(recorders[10].events.empty());
    for (std::uint32_t i = 1; i < 10; ++i) {
        EXPECT_EQ(recorders[i].events, std::vector<std::string>{"+8"}) << i;
    }

    // A listener registered twice hears twice and goes with one removal, also when one of
    // its places is the last.
    Recorder twice;
    twice.manager = &manager;
    ASSERT_TRUE(manager.addListener(&twice));
    EXPECT_FALSE(manager.addListener(&twice));
    manager.removeListener(&recorders[1]);
    ASSERT_TRUE(manager.addListener(&twice));
    store(641, std::uint8_t(0));
    EXPECT_EQ(twice.events, (std::vector<std::string>{"-8", "-8"}));
    EXPECT_TRUE(manager.removeListener(&twice));
    EXPECT_EQ(manager.getListenerCount(), 8u);
}

TEST_F(Devices, ActivatePollsEveryDevicePointFast)
{
    manager.activate();
    EXPECT_TRUE(isFast(253) && isFast(319) && isFast(289) && isFast(37));
    manager.deactivate();
    EXPECT_FALSE(isFast(253) || isFast(319) || isFast(289) || isFast(37));
}

TEST_F(Devices, AnEleventhActionObjectIsAProgrammingError)
{
    EXPECT_DEATH(DeviceManager::GenericDeviceActions extra(&manager), "too many device actions");
}
