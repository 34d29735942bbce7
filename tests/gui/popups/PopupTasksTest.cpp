#include "gui/pagemanager/NavigationFakes.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupSystem.hpp"

#include "kernel/host/Scenario.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

// Device answers arrive on the link task; the popup rules must run on the GUI task only. On
// the real kernel and host port, values answered on "PAR" raise nothing until the GUI's next
// frame, and nothing the rules call runs on another task.
namespace
{
struct Record
{
    std::atomic<uint32_t> sent{0};
    std::atomic<uint32_t> framed{0};
    std::atomic<uint32_t> activeBeforeFrame{0};
    std::atomic<uint32_t> activeAfterFrame{0};
    std::atomic<int32_t> pageBeforeFrame{-1};
    std::atomic<int32_t> pageAfterFrame{-1};
    std::atomic<uint32_t> callsOnGui{0};
    std::atomic<uint32_t> callsElsewhere{0};
};
Record* record = nullptr;
rtosTaskHandle guiHandle = nullptr;

void noteCaller()
{
    if (rtosGetCurrentTaskHandle() == guiHandle) {
        ++record->callsOnGui;
    } else {
        ++record->callsElsewhere;
    }
}

// The board and the page viewer note the task of every call the rules make into them.
class NotingBoard : public BoardStates
{
public:
    bool isLinkOk() override
    {
        noteCaller();
        return true;
    }
    bool isClockValid() override
    {
        noteCaller();
        return true;
    }
};

class NotingViewer : public pagemanager::IPageViewer
{
public:
    void showPage(uint16_t) override { noteCaller(); }
    void setDimmed(bool) override { noteCaller(); }
    bool isDimmed() override { return false; }
    void onPageLeave() override { noteCaller(); }
};

struct World
{
    test::ScreenTestBed bed;
    NotingBoard board;
    NotingViewer viewer;
    navtest::FakePasswords passwords;
    pagemanager::PageManager pageManager{&viewer, &passwords, navtest::PAGE_AUTH};
    Pages pages{&pageManager};
    PopupSystem system{bed.model(), board};

    World() { system.setNavigation(&pageManager, &pages); }
};
World* world = nullptr;

int32_t currentPage()
{
    return world->pageManager.getCurrentPage()->getId();
}

void guiTask(void*)
{
    while (record->sent.load() == 0) {
        rtosTaskDelay(1);
    }
    record->activeBeforeFrame = world->system.getManager().isActive(POPUP_TEST_OPERATION) ? 1 : 0;
    record->pageBeforeFrame = currentPage();
    // What the container's tick does with the data.
    world->system.getData().pollBoardStates();
    world->system.getData().applyChanges();
    record->activeAfterFrame = world->system.getManager().isActive(POPUP_TEST_OPERATION) ? 1 : 0;
    record->pageAfterFrame = currentPage();
    record->framed = 1;
    for (;;) {
        rtosTaskDelay(1);
    }
}

void linkTask(void*)
{
    world->bed.deviceSends(311, std::uint8_t{1});
    world->bed.deviceSends(227, std::uint8_t{1});
    record->sent = 1;
    while (record->framed.load() == 0) {
        rtosTaskDelay(1);
    }
    rtosEndScheduler();
}

// Other tests of this program leave kernel objects behind; the scenario runs in a fresh
// process of this program that runs only this test.
const char* const ALONE = "QUILLON_POPUP_TASKS_ALONE";

int runThisTestAlone()
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        setenv(ALONE, "1", 1);
        execl("/proc/self/exe", "test_gui", "--gtest_filter=PopupTasks.*", static_cast<char*>(nullptr));
        _exit(98);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

TEST(PopupTasks, RulesRunOnTheGuiFrameNeverOnTheLinkTask)
{
    if (std::getenv(ALONE) == nullptr) {
        EXPECT_EQ(runThisTestAlone(), 0);
        return;
    }
    scenario::Shared<Record> shared;
    record = &*shared;
    const scenario::Outcome outcome = scenario::runScheduler(
        [] {
            world = new World();
            world->pageManager.goTo(&world->pages.mainMenuPage, false);
            // Built before any task runs: only what the tasks do counts.
            record->callsOnGui = 0;
            record->callsElsewhere = 0;
            scenario::createTask(guiTask, "GUI", 2, nullptr, &guiHandle);
            scenario::createTask(linkTask, "PAR", 3);
        },
        30000);
    EXPECT_SCENARIO_ENDED(outcome);
    EXPECT_EQ(record->activeBeforeFrame.load(), 0u);
    EXPECT_EQ(record->activeAfterFrame.load(), 1u);
    EXPECT_NE(record->pageBeforeFrame.load(), 60);
    EXPECT_EQ(record->pageAfterFrame.load(), 60); // the venting page
    EXPECT_GT(record->callsOnGui.load(), 0u);
    EXPECT_EQ(record->callsElsewhere.load(), 0u);
}
