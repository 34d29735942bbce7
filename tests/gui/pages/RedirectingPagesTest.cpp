#include "gui/pagemanager/DeviceGroup.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/EnergyNoteCheckPage.hpp"
#include "gui/pages/HomePage.hpp"
#include "gui/pages/SelectionPage.hpp"
#include "../pagemanager/NavigationFakes.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

namespace
{

// A small tree: main (home) -> menu -> selection -> heating menu, and the note pages.
class RedirectingPages : public ::testing::Test
{
protected:
    RedirectingPages() : viewer(log), manager(&viewer, &passwords, navtest::PAGE_AUTH)
    {
        manager.goTo(&mainPage, false);
    }

    void onlyDevices(std::initializer_list<uint32_t> present)
    {
        model::DeviceManager& devices = bed.model().getDeviceManager();
        for (uint32_t id : {0u, 1u, 2u, 60u, 64u}) {
            devices.setAbsent(id);
        }
        for (uint32_t id : present) {
            devices.setPresent(id);
        }
    }

    test::ScreenTestBed bed;
    navtest::CallLog log;
    navtest::RecordingViewer viewer;
    navtest::FakePasswords passwords;
    pagemanager::PageManager manager;
    DeviceGroup<3> circuits{0, 1, 2};
    HomePage mainPage{51, 0, 300, &manager, 208};
    HomePage wizardPage{89, 0, -1, &manager, 0xFFFF};
    pagemanager::Page menuPage{14, 0, 120, false};
    pagemanager::Page heatingMenuPage{34, 0, 120, false};
    SelectionPage selectionPage{12, 0, 120, &heatingMenuPage, &manager, &circuits};
    pagemanager::Page balancePage{27, 0, 120, false};
    pagemanager::Page intervalPage{13, 0, 120, false};
    EnergyNoteCheckPage notePage{26, 0, 120, &balancePage, &intervalPage, &manager, true};
};

TEST_F(RedirectingPages, HomePageHandsOnItsIconAndTakesItBack)
{
    manager.goTo(&menuPage, false);
    const Params::HomeIcon* icon = manager.getParam<Params::HomeIcon>();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->bitmap, 208);
    manager.back();
    EXPECT_EQ(manager.getCurrentPage(), &mainPage);
    manager.goTo(&wizardPage, true);
    EXPECT_FALSE(manager.hasParam(Params::PARAM_HOME_ICON, &wizardPage));
    manager.goTo(&menuPage, false);
    EXPECT_EQ(manager.getParam<Params::HomeIcon>()->bitmap, 0xFFFF); // no home button above a wizard
}

TEST_F(RedirectingPages, SingleCircuitStepsOverTheSelectionBothWays)
{
    onlyDevices({1});
    manager.goTo(&menuPage, false);
    manager.goTo(&selectionPage, false);
    EXPECT_EQ(manager.getCurrentPage(), &heatingMenuPage);
    const HeatingCircuitParam* circuit = manager.getParam<HeatingCircuitParam>();
    ASSERT_NE(circuit, nullptr);
    EXPECT_EQ(circuit->circuit, 1);
    EXPECT_EQ(viewer.shown, 34);
    manager.back();
    EXPECT_EQ(manager.getCurrentPage(), &menuPage);
    EXPECT_EQ(viewer.shown, 14);
}

TEST_F(RedirectingPages, SeveralOrNoCircuitsShowTheSelection)
{
    for (auto present : {std::initializer_list<uint32_t>{0, 2}, std::initializer_list<uint32_t>{}}) {
        onlyDevices(present);
        manager.backTo(false);
        manager.goTo(&selectionPage, false);
        EXPECT_EQ(manager.getCurrentPage(), &selectionPage);
        EXPECT_EQ(viewer.shown, 12);
    }
}

TEST_F(RedirectingPages, AcknowledgedNoteGoesOnAndStaysOutOfTheHistory)
{
    struct Case
    {
        uint8_t acknowledged;
        std::initializer_list<uint32_t> devices;
        uint16_t shownPage;
    };
    const Case cases[] = {
        {0, {60}, 26}, // the note shows until acknowledged
        {1, {}, 27},   // no meters: the balance
        {1, {64}, 13}, // a meter: the interval menu
        {1, {60}, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        onlyDevices(c.devices);
        bed.deviceSends(296, c.acknowledged);
        manager.backTo(false);
        manager.goTo(&menuPage, false);
        manager.goTo(&notePage, false);
        EXPECT_EQ(viewer.shown, c.shownPage);
        if (c.shownPage != 26) {
            manager.back();
            EXPECT_EQ(manager.getCurrentPage(), &menuPage);
        }
    }
}

} // namespace
