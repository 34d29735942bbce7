#include "model/DataModelManager.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"
#include "simulator/board/Board.hpp"
#include "simulator/device/DeviceSimulator.hpp"

#include <rtos/Rtos.hpp>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// The program's start-up up to the model, on the real kernel and host port, without a window:
// the simulator seeds the table, the link reads and writes, and the model fans the changes
// out. The scheduler never returns, so the run happens in a child process that ends with exit
// code 0 when every check held; a failed check names itself on stderr.
namespace
{
constexpr std::uint32_t RUN_TICKS = 5000; // 5 s
constexpr unsigned WATCHDOG_SECONDS = 200; // only against a hang, inside the test time-out: a starved core ticks slowly

model::DataModelManager& model = model::DataModelManager::getInstance();

// What a presenter and a setting listener see, from whichever task told them.
class Observer : public ModelListener, public model::ISettingChangeListener
{
public:
    void onModelChanged() override { ++modelChanges; }
    void onSettingChanged(std::uint32_t settingId) override { lastSetting = settingId, ++settingChanges; }

    std::atomic<std::uint32_t> modelChanges{0};
    std::atomic<std::uint32_t> settingChanges{0};
    std::atomic<std::uint32_t> lastSetting{0};
};
Observer observer;

bool failed = false;
void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "failed: %s\n", what);
        failed = true;
    }
}

// In place of the GUI task: lets the system run, then looks at the model as screens do.
void checker(void*)
{
    rtosTaskDelay(RUN_TICKS);
    model::ParameterGroups& groups = model.getGroups();

    // Seeded by the simulator at its start, offered to the popup-style filter.
    check(groups.energy.takeChanged(), "the energy group heard of the seeded histories");
    check(groups.energy.gas1.series8.at(0).getValue() == 75, "gas consumption 0 is the seeded 75");
    check(groups.energy.gas1.series8.at(7).getValue() == 78, "gas consumption 7 is the seeded 78");

    // Seeded into the screen's filter, which told its presenter.
    check(model.getDefaultFilter().takeChanged(), "the screen's filter heard of the seeded cylinder history");
    check(observer.modelChanges > 0, "the bound presenter was told of a change");
    check(groups.cylinder.history24_1.getValue().value(0) == 520, "the first cylinder history starts at 52.0");
    check(groups.cylinder.stratificationLimit1.getValue() == 45.0f, "the first stratification limit is 45");

    // Read from the device over the link: the simulator's bursts answer the profile.
    const temperature_21 profile = groups.cylinder.profile.getValue();
    check(profile.value(0) >= 345 && profile.value(20) == profile.value(0) - 15 * 20,
          "the cylinder profile came in over the link");

    // The device manager follows the table.
    check(model.getDeviceManager().isPresent(DEVICE_HC1), "heating circuit 1 is present");

    // A setting stored on the GUI side reaches its listeners and the filters holding it.
    model::SettingProperty<unsigned char>& buzzer = groups.settings.buzzer;
    const unsigned char before = buzzer.get(); // a first read may store the default
    model.getDefaultFilter().takeChanged();
    observer.settingChanges = 0;
    check(buzzer.set(before == 0 ? 1 : 0), "the buzzer setting was stored");
    check(observer.settingChanges == 1 && observer.lastSetting == model::SettingIds::SETTING_BUZZER,
          "the buzzer's listener heard of it once");
    check(model.getDefaultFilter().takeChanged(), "the screen's filter heard of the setting");
    check(buzzer.get() != before, "the setting reads back changed");

    std::fflush(stderr);
    if (failed) {
        std::_Exit(1);
    }
    portEnd();
}

[[noreturn]] void runSystem()
{
    alarm(WATCHDOG_SECONDS); // a hung system fails instead of blocking the run

    // Start-up steps 2 to 8, in the program's order.
    boardPeriodicHook();
    boardStartupHook1();
    simStart();
    boardStartupHook2();
    dptInit(dptStaticTable(), dptStaticTableSize(), dptStaticAddressOrder());
    dptSetSenders(linkTableSenders());
    linkSetTxQueue(simGetPanelToDeviceQueue());
    linkSetRxQueue(simGetDeviceToPanelQueue());
    linkInit();
    model.init();

    // What the popup data and the first screen do before any task runs.
    model::ParameterGroups& groups = model.getGroups();
    model.addFilter(&groups.energy);
    model.getDefaultFilter().addRange(groups.cylinder.begin(), groups.cylinder.end());
    model.getDefaultFilter().add(&groups.settings.buzzer);
    model.enableDefaultFilter();
    model.bind(&observer);
    observer.bind(&model);
    groups.settings.buzzer.addListener(&observer);

    rtosTaskCreate(checker, "TEST", 1024, nullptr, 2, nullptr, nullptr, nullptr);
    rtosStartScheduler();
    std::fprintf(stderr, "the scheduler did not start\n");
    std::_Exit(2);
}
} // namespace

TEST(ModelStartUp, SeededValuesAndSettingsReachTheModelWithinFiveSeconds)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runSystem(), ::testing::ExitedWithCode(0), "");
}
