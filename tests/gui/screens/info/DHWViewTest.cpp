#include "gui/screens/info/InfoListBed.hpp"

#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/pagemanager/OverviewState.hpp"
#include "gui/screens/cylinder/CylinderMinMaxView.hpp"
#include "gui/screens/info/DHWPresenter.hpp"
#include "gui/screens/info/DHWView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramOverviewView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace
{
using info::linesOf;
using info::utf8;

const std::uint32_t DHW_TEMPERATURE_STATUS = 18;

class DHWScreen : public ::testing::Test, public info::InfoListBed
{
protected:
    DHWScreen() { diagnosisPage.setPointerParam(pagemanager::PointerParam(&diagnosisSetting)); }

    DHWView* open(ListMode mode)
    {
        if (mode == LIST_MODE_DIAGNOSIS) {
            return openPage<DHWView>(diagnosisPage);
        }
        DHWView* view = openPage<DHWView>(app.pages().dhwInfoPage);
        if (view != nullptr && mode == LIST_MODE_STATUS) {
            view->showOverview(OverviewState{2, 0});
            app.bed.ticks(1);
        }
        return view;
    }
    void setActualValid(bool valid)
    {
        sendCommonInfo([valid](std::uint8_t* bytes) { bytes[DHW_TEMPERATURE_STATUS] = valid ? 0 : 1; });
    }
    // The lines without their values and separator marks: what a list holds.
    static std::vector<std::string> labels(const info::ListLines& list)
    {
        std::vector<std::string> out;
        for (const std::string& line : list.lines) {
            out.push_back(line.substr(0, line.find(": ")));
        }
        return out;
    }
    static int count(const std::vector<std::string>& lines, const std::string& line)
    {
        int n = 0;
        for (const std::string& shown : lines) {
            n += shown == line ? 1 : 0;
        }
        return n;
    }
    static bool has(const std::vector<std::string>& lines, const std::string& line) { return count(lines, line) > 0; }

    ListPageSetting diagnosisSetting{1, 0};
    pagemanager::Page diagnosisPage{45, 5, 120, false};
};

TEST_F(DHWScreen, FromTheMenuTheInformationListStartsWithTheFirstProgramAlone)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_DHW_HC1});
    DHWView* view = openFromMenu<DHWView>(u"DHW");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getTitle()), "Information DHW");
    EXPECT_EQ(utf8(view->getTopBar().getTitleField().getText()), "Information DHW");
    EXPECT_TRUE(view->getBottomBar().getButton(GenericView::HELP_BUTTON).isTouchable());
    const std::vector<std::string> lines = labels(linesOf(*view));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "[DHW time prog 1]");
    EXPECT_EQ(lines[1], "DHW temperature");
    EXPECT_EQ(lines.back(), "Type of cylinder");
    EXPECT_TRUE(writes().empty());

    devices().setPresent(DEVICE_CIRCULATION_A);
    app.bed.ticks(1); // a device flag alone rebuilds
    const std::vector<std::string> withCirculation = labels(linesOf(*view));
    EXPECT_EQ(withCirculation[1], "[DHW circ time prog 1]");
    EXPECT_TRUE(has(withCirculation, "Circulation pump"));
}

TEST_F(DHWScreen, EachProgramIsFollowedByItsCirculationProgramInEveryMode)
{
    for (ListMode mode : {LIST_MODE_INFORMATION, LIST_MODE_DIAGNOSIS, LIST_MODE_STATUS}) {
        SCOPED_TRACE(mode);
        presentOnly({DEVICE_UNLOCKED, DEVICE_DHW_HC2, DEVICE_DHW_HC3, DEVICE_CIRCULATION_B});
        DHWView* view = open(mode);
        ASSERT_NE(view, nullptr);
        const info::ListLines list = linesOf(*view);
        std::vector<std::string> actions;
        for (const std::string& line : list.lines) {
            if (line[0] == '[') {
                actions.push_back(line);
            }
        }
        EXPECT_EQ(actions, (std::vector<std::string>{"[DHW time prog 2]", "[DHW circ time prog 2]",
                                                     "[DHW time prog 3]", "[DHW circ time prog 3]"}));
    }
}

TEST_F(DHWScreen, AnInvalidTemperatureLeavesEachModeItsOwnWay)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_CYLINDER_1});
    setActualValid(false);
    DHWView* information = open(LIST_MODE_INFORMATION);
    ASSERT_NE(information, nullptr);
    EXPECT_EQ(labels(linesOf(*information)), (std::vector<std::string>{"Cylinder primary pump", "Type of cylinder"}));

    DHWView* diagnosis = open(LIST_MODE_DIAGNOSIS);
    ASSERT_NE(diagnosis, nullptr);
    EXPECT_EQ(utf8(diagnosis->getTitle()), "Diagnosis DHW");
    const info::ListLines diagnosed = linesOf(*diagnosis);
    EXPECT_EQ(diagnosed.lines[0], "DHW temperature:  +");
    EXPECT_EQ(diagnosed.lines[1].rfind("  ● Set: ", 0), 0u);
    EXPECT_FALSE(has(labels(diagnosed), "  ● Actual"));

    DHWView* status = open(LIST_MODE_STATUS);
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(linesOf(*status).has("  ● Actual: ---"));

    setActualValid(true);
    app.bed.ticks(1);
    EXPECT_FALSE(linesOf(*status).has("  ● Actual: ---"));
}

TEST_F(DHWScreen, ADualModeCylinderShowsTheTemperatureHeadingTwice)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_CYLINDER_3});
    setActualValid(true);
    DHWView* view = open(LIST_MODE_INFORMATION);
    ASSERT_NE(view, nullptr);
    const std::vector<std::string> lines = labels(linesOf(*view));
    EXPECT_EQ(lines, (std::vector<std::string>{"DHW temperature", "  ● Actual", "DHW temperature", "  ● Top",
                                               "  ● Bottom", "Cylinder primary pump", "Type of cylinder"}));
}

TEST_F(DHWScreen, FourSensorsWinOverFiveAndTheChartsShowWhereTheyBelong)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_CYLINDER_4, DEVICE_BOILER_4});
    setActualValid(true);
    DHWView* information = open(LIST_MODE_INFORMATION);
    ASSERT_NE(information, nullptr);
    const std::vector<std::string> shown = labels(linesOf(*information));
    EXPECT_EQ(shown, (std::vector<std::string>{"[Cylinder history]", "[Cylinder temperature stratification]",
                                               "DHW temperature", "  ● Actual", "Calculated cylinder temperatures",
                                               "  ● T1:", "  ● T2:", "  ● T3:", "  ● T4:", "Cylinder primary pump",
                                               "Charge state DHW cylinder", "Type of cylinder"}));

    DHWView* diagnosis = open(LIST_MODE_DIAGNOSIS);
    ASSERT_NE(diagnosis, nullptr);
    const std::vector<std::string> diagnosed = labels(linesOf(*diagnosis));
    EXPECT_TRUE(has(diagnosed, "[Cylinder/Collector min/max]"));
    EXPECT_TRUE(has(diagnosed, "[Cylinder history]"));
    EXPECT_TRUE(has(diagnosed, "Measured DHW sensor values"));
    EXPECT_FALSE(has(diagnosed, "  ● T5:"));

    DHWView* status = open(LIST_MODE_STATUS);
    ASSERT_NE(status, nullptr);
    EXPECT_FALSE(status->getBottomBar().getButton(GenericView::HELP_BUTTON).isTouchable());
    EXPECT_EQ(utf8(status->getTitle()), "Status DHW");
    const std::vector<std::string> statusLines = labels(linesOf(*status));
    EXPECT_FALSE(has(statusLines, "[Cylinder history]"));
    EXPECT_FALSE(has(statusLines, "[Cylinder/Collector min/max]"));
    EXPECT_FALSE(has(statusLines, "Calculated cylinder temperatures"));
    EXPECT_FALSE(has(statusLines, "Type of cylinder"));
    EXPECT_EQ(statusLines[0], "Cylinder status");
}

TEST_F(DHWScreen, CylinderTypeAndStatusWithoutATextOfTheirOwn)
{
    presentOnly({DEVICE_UNLOCKED});
    struct Case
    {
        std::uint8_t type;
        const char* typeShown;
    };
    const Case cases[] = {{0, "---"}, {6, "---"}, {3, "Dual mode cylinder"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        app.bed.deviceSends(groups().dhw.cylinderType.getId(), c.type);
        DHWView* view = open(LIST_MODE_INFORMATION);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(linesOf(*view).lines.back(), std::string("Type of cylinder: ") + c.typeShown);
    }
    app.bed.deviceSends(groups().dhw.cylinderStatus.getId(), std::uint8_t{6});
    DHWView* status = open(LIST_MODE_STATUS);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(linesOf(*status).lines[1], "  ●: ");
    app.bed.deviceSends(groups().dhw.cylinderStatus.getId(), std::uint8_t{5});
    app.bed.ticks(1);
    EXPECT_EQ(linesOf(*status).lines[1], "  ● Active, external setpoint: ");
}

TEST_F(DHWScreen, TheSecondProgramOpensItsOverviewReadOnlyTitledAsTheModeSays)
{
    struct Case
    {
        ListMode mode;
        std::uint8_t titleByNumber;
    };
    for (const Case& c : {Case{LIST_MODE_INFORMATION, 0}, Case{LIST_MODE_DIAGNOSIS, 1}, Case{LIST_MODE_STATUS, 1}}) {
        SCOPED_TRACE(c.mode);
        presentOnly({DEVICE_UNLOCKED, DEVICE_DHW_HC1, DEVICE_DHW_HC2});
        DHWView* view = open(c.mode);
        ASSERT_NE(view, nullptr);
        clickLine(*view, linesOf(*view), "[DHW time prog 2]");
        expectProgramOpened(app.pages().dhwTimeProgramOverviewPage, 1, c.titleByNumber);
        EXPECT_NE(current<DHWTimeProgramOverviewView>(), nullptr);
        app.pageManager().back();
        app.bed.ticks(1);
    }
    EXPECT_TRUE(writes().empty());
}

TEST_F(DHWScreen, TheChartEntriesOpenTheirIntervalMenusAndMinMaxItsCollectorMinimum)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_BOILER_4});
    DHWView* view = open(LIST_MODE_DIAGNOSIS);
    ASSERT_NE(view, nullptr);
    clickLine(*view, linesOf(*view), "[Cylinder temperature stratification]");
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().stratificationIntervalPage);
    EXPECT_NE(current<IntervalSelectionMenuView>(), nullptr);
    app.pageManager().back();
    app.bed.ticks(1);

    view = current<DHWView>();
    ASSERT_NE(view, nullptr);
    clickLine(*view, linesOf(*view), "[Cylinder history]");
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().cylinderHistoryIntervalPage);
    IntervalSelectionMenuView* menu = current<IntervalSelectionMenuView>();
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(menu->getTileCount(), 1u);
    clickOn(menu->getTile(0)); // "The last 24 hours": the chart is opened with interval 4
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().cylinderHistoryPage);
    app.pageManager().back();
    app.bed.ticks(1);
    app.pageManager().back();
    app.bed.ticks(1);

    view = current<DHWView>();
    ASSERT_NE(view, nullptr);
    clickLine(*view, linesOf(*view), "[Cylinder/Collector min/max]");
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().cylinderMinMaxPage);
    CylinderMinMaxView* minMax = current<CylinderMinMaxView>();
    ASSERT_NE(minMax, nullptr);
    EXPECT_EQ(minMax->getView(), 0u); // not 4, the reset
    EXPECT_TRUE(writes().empty());
}

TEST_F(DHWScreen, TheLargestListTakesNineActionsSixLinesAndTwelveSubLines)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_DHW_HC3, DEVICE_CIRCULATION_A,
                 DEVICE_BOILER_4});
    setActualValid(true);
    DHWView* view = open(LIST_MODE_DIAGNOSIS);
    ASSERT_NE(view, nullptr);
    const info::ListLines list = linesOf(*view);
    EXPECT_EQ(list.actions, 9u);
    EXPECT_EQ(list.base, 6u);
    EXPECT_EQ(list.sub, 12u);
}
} // namespace
