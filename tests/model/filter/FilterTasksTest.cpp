#include "kernel/host/Scenario.hpp"
#include "model/DataPoint.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

// The GUI task edits a filter while the device link task, of higher priority, dispatches
// table changes to it. On the real host port, no dispatch may run in the middle of an edit.
namespace
{
const uint32_t WATCHED_INDEX = 7;
const double EDIT_MILLISECONDS = 0.1;
// The run ends after this many of each, however busy the machine: counted, not timed.
const uint32_t ENOUGH = 1001;

struct Record;

// A data point whose own operations tell what the filter is doing with it: the filter asks
// getId() only while it edits its list, and handleEvent() only while it dispatches a change.
class Probe : public model::BaseDataPoint
{
public:
    Probe(uint32_t index, Record* record) : BaseDataPoint(index, nullptr), record(record) {}

    bool isChanged() const override { return false; }
    void setChanged() override {}
    bool request() override { return true; }
    bool activate() override { return true; }
    bool deactivate() override { return true; }
    bool handleEvent(const model::DataChangedEvent& event) override;
    uint32_t getId() const override;

private:
    void editSlowly() const;

    Record* record;
};

struct Record
{
    Record() : anchor(WATCHED_INDEX, this), edited(WATCHED_INDEX + 1, this) {}

    model::DefaultPropertyFilter filter;
    Probe anchor; // always listed
    Probe edited; // added and removed again and again
    std::atomic<bool> editing{false};
    std::atomic<uint32_t> edits{0};
    std::atomic<uint32_t> dispatches{0};
    std::atomic<uint32_t> unclaimed{0};
    std::atomic<uint32_t> dispatchesInsideAnEdit{0};
};
Record* record = nullptr;

void Probe::editSlowly() const
{
    record->editing = true;
    const double end = scenario::monotonicMilliseconds() + EDIT_MILLISECONDS;
    while (scenario::monotonicMilliseconds() < end) {
    }
    record->editing = false;
}

uint32_t Probe::getId() const
{
    editSlowly();
    return index;
}

bool Probe::handleEvent(const model::DataChangedEvent& event)
{
    if (record->editing) {
        ++record->dispatchesInsideAnEdit;
    }
    return event.getIndex() == index;
}

void guiTask(void*)
{
    for (;;) {
        record->filter.add(&record->edited);
        record->filter.remove(&record->edited);
        ++record->edits;
    }
}

void linkTask(void*)
{
    for (;;) {
        rtosTaskDelay(1);
        // Counted on its own, never paired with the dispatch count: the controller may stop this
        // task between two counts.
        if (!record->filter.onDataChanged(model::DataChangedEvent(model::DataChangedEvent::VALUE_CHANGED, WATCHED_INDEX))) {
            ++record->unclaimed;
        }
        ++record->dispatches;
    }
}

void controller(void*)
{
    while (record->dispatches.load() < ENOUGH || record->edits.load() < ENOUGH) {
        rtosTaskDelay(1);
    }
    rtosEndScheduler();
}
} // namespace

namespace
{
// Earlier tests of this program leave kernel objects behind (the link task, the poll timer
// over a table that is gone), which a scheduler started here would run. So the scenario runs
// in a fresh process of this program that runs only this test.
const char* const ALONE = "QUILLON_FILTER_TASKS_ALONE";

int runThisTestAlone()
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        setenv(ALONE, "1", 1);
        execl("/proc/self/exe", "test_model", "--gtest_filter=PropertyFilterTasks.*", static_cast<char*>(nullptr));
        _exit(98);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

TEST(PropertyFilterTasks, EditsOnTheGuiTaskAreNeverTornByADispatch)
{
    if (std::getenv(ALONE) == nullptr) {
        EXPECT_EQ(runThisTestAlone(), 0);
        return;
    }
    scenario::Shared<Record> shared;
    record = &*shared;
    const scenario::Outcome outcome = scenario::runScheduler(
        [] {
            record->filter.add(&record->anchor); // before the scheduler runs: no guard needed
            scenario::createTask(guiTask, "GUI", 2);
            scenario::createTask(linkTask, "PAR", 3);
            scenario::createTask(controller, "ctrl", 4);
        });
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_GE(record->edits.load(), ENOUGH);
    EXPECT_GE(record->dispatches.load(), ENOUGH);
    EXPECT_EQ(record->unclaimed.load(), 0u); // the anchor heard every change
    EXPECT_EQ(record->dispatchesInsideAnEdit.load(), 0u);
}
