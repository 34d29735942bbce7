#include "gui/screens/info/InfoListBed.hpp"

#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/pagemanager/OverviewState.hpp"
#include "gui/screens/info/GeneralPresenter.hpp"
#include "gui/screens/info/GeneralView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramOverviewView.hpp"
#include "helpers/BoardWrappers.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
using info::linesOf;
using info::clockSignal;
using info::utf8;

const std::uint32_t EVERY_GENERAL_FLAG[] = {DEVICE_UNLOCKED, DEVICE_OUTSIDE_TEMPERATURE, DEVICE_SENSOR_SUPPLY,
                                            DEVICE_SUBSCRIBER_NUMBER, DEVICE_QN5, DEVICE_XB3, DEVICE_OUTPUT_20};

class GeneralScreen : public ::testing::Test, public info::InfoListBed
{
protected:
    GeneralScreen() { diagnosisPage.setPointerParam(pagemanager::PointerParam(&diagnosisSetting)); }

    GeneralView* information()
    {
        return openPage<GeneralView>(app.pages().generalInfoPage);
    }
    GeneralView* diagnosis() { return openPage<GeneralView>(diagnosisPage); }
    // The Status list as an overview of view 2 would open it.
    GeneralView* status(std::uint8_t detail)
    {
        GeneralView* view = information();
        if (view != nullptr) {
            view->showOverview(OverviewState{2, detail});
            app.bed.ticks(1);
        }
        return view;
    }
    void presentAlso(std::initializer_list<std::uint32_t> ids)
    {
        for (std::uint32_t id : ids) {
            devices().setPresent(id);
        }
    }
    bool helpOffered(GeneralView& view)
    {
        return view.getBottomBar().getButton(GenericView::HELP_BUTTON).isTouchable();
    }
    std::string value(GeneralView& view, const std::string& label)
    {
        for (const std::string& line : linesOf(view).lines) {
            const std::size_t colon = line.find(": ");
            std::string shownLabel = line.substr(0, colon);
            shownLabel.erase(0, shownLabel.find_first_not_of(' '));
            if (shownLabel == label) {
                std::string rest = line.substr(colon + 2);
                return rest.size() >= 2 && rest.compare(rest.size() - 2, 2, " +") == 0 ? rest.substr(0, rest.size() - 2) : rest;
            }
        }
        return "<no line " + label + ">";
    }
    GeneralPresenter& presenter() { return *dynamic_cast<GeneralPresenter*>(app.app.getCurrentPresenter()); }

    ListPageSetting diagnosisSetting{1, 0};
    pagemanager::Page diagnosisPage{46, 5, 120, false};
};

std::vector<std::string> withoutClock(std::vector<std::string> lines)
{
    if (lines.size() >= 2) {
        lines.resize(lines.size() - 2);
    }
    return lines;
}

TEST_F(GeneralScreen, FromTheMenuTheInformationListWithItsHelpAndNineLines)
{
    presentOnly({DEVICE_UNLOCKED});
    GeneralView* view = openFromMenu<GeneralView>(u"General");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getTitle()), "Information General");
    EXPECT_EQ(utf8(view->getTopBar().getTitleField().getText()), "Information General");
    EXPECT_TRUE(helpOffered(*view));

    const info::ListLines list = linesOf(*view);
    const std::vector<std::string> expected = {
        "Boiler temperature:  +", "  ● Actual: 47°C", "Flue gas temperature:  +", "  ● Actual: 51°C",
        "Burner: ON",             "Burner hours: 867 h", "Central fault message: OFF",
    };
    EXPECT_EQ(withoutClock(list.lines), expected);
    ASSERT_EQ(list.lines.size(), 9u);
    EXPECT_EQ(list.lines[7].rfind("Time: ", 0), 0u) << list.lines[7];
    EXPECT_EQ(list.lines[8].rfind("Date: ", 0), 0u) << list.lines[8];
    EXPECT_TRUE(writes().empty()); // a list shows, it sends nothing
}

TEST_F(GeneralScreen, EveryFlagAddsItsLinesToTheInformationList)
{
    presentOnly({DEVICE_UNLOCKED});
    for (std::uint32_t flag : EVERY_GENERAL_FLAG) {
        devices().setPresent(flag);
    }
    GeneralView* view = information();
    ASSERT_NE(view, nullptr);
    const info::ListLines list = linesOf(*view);
    EXPECT_EQ(list.lines[0], "Outside temperature:  +");
    EXPECT_TRUE(list.has("Common supply temperature: " + value(*view, "Common supply temperature")));
    EXPECT_TRUE(list.has("Subscriber number: " + value(*view, "Subscriber number")));
    EXPECT_EQ(list.indexOf("Input extension QN5:  +") + 1, list.indexOf("  ● Input DE1: OFF +"));
    EXPECT_TRUE(list.has("Function input QN5 input DE3:  +"));
    EXPECT_EQ(list.base + list.sub, 24u);
}

TEST_F(GeneralScreen, ADiagnosisPageTakesTwentySevenBaseAndEighteenSubItemsWithEverything)
{
    presentOnly({DEVICE_UNLOCKED});
    for (std::uint32_t flag : EVERY_GENERAL_FLAG) {
        devices().setPresent(flag);
    }
    app.bed.deviceSends(groups().general.output21.getId(), std::uint8_t{1});
    app.bed.deviceSends(groups().general.internalExtensionOutput.getId(), std::uint8_t{1});
    sendCommonInfo([](std::uint8_t* bytes) { bytes[2] |= 0x04; });
    GeneralView* view = diagnosis();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getTitle()), "Diagnosis General");
    EXPECT_TRUE(helpOffered(*view));
    const info::ListLines list = linesOf(*view);
    EXPECT_EQ(list.base, 27u);
    EXPECT_EQ(list.sub, 18u);
    EXPECT_EQ(list.actions, 0u);
    EXPECT_EQ(list.lines[1].rfind("  ● Adjusted: ", 0), 0u) << list.lines[1];
    EXPECT_TRUE(list.has("Output 20: ON"));
    EXPECT_TRUE(list.has("Function output 20:  +"));
    EXPECT_TRUE(list.has("Output 2 XB3: " + value(*view, "Output 2 XB3")));
}

TEST_F(GeneralScreen, ValuesAsTheListShowsThem)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_OUTSIDE_TEMPERATURE});
    GeneralView* view = information();
    ASSERT_NE(view, nullptr);
    struct Case
    {
        std::uint32_t burnerSeconds;
        std::int16_t outsideTenths;
        std::uint8_t flueGasInvalid;
        const char* hours;
        const char* outside;
        const char* flueGas;
    };
    const Case cases[] = {
        {7199, 125, 0, "1 h", "13°C", nullptr},
        {7200, -125, 1, "2 h", "-13°C", "---"},
        {0, -4, 0, "0 h", "0°C", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hours);
        app.bed.deviceSends(groups().general.burnerSeconds.getId(), c.burnerSeconds);
        sendCommonInfo([&c](std::uint8_t* bytes) {
            bytes[4] = static_cast<std::uint8_t>(c.outsideTenths & 0xFF);
            bytes[5] = static_cast<std::uint8_t>((c.outsideTenths >> 8) & 0xFF);
            bytes[24] = c.flueGasInvalid;
        });
        app.bed.ticks(1);
        EXPECT_EQ(value(*view, "Burner hours"), c.hours);
        const info::ListLines list = linesOf(*view);
        EXPECT_EQ(list.lines[1], std::string("  ● Actual: ") + c.outside);
        if (c.flueGas != nullptr) {
            EXPECT_TRUE(list.has(std::string("  ● Actual: ") + c.flueGas));
        }
    }
}

TEST_F(GeneralScreen, FunctionOfOutput21AppearsAtTheFirstRebuildAfterItSwitchesOn)
{
    presentOnly({DEVICE_UNLOCKED});
    app.bed.deviceSends(groups().general.output21.getId(), std::uint8_t{0});
    GeneralView* view = diagnosis();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(linesOf(*view).has("Output 21/28: OFF"));
    EXPECT_FALSE(linesOf(*view).has("Function output 21/28:  +"));

    app.bed.deviceSends(groups().general.output21.getId(), std::uint8_t{1});
    app.bed.ticks(1);
    const info::ListLines on = linesOf(*view);
    EXPECT_TRUE(on.has("Output 21/28: ON"));
    const int heading = on.indexOf("Function output 21/28:  +");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(on.lines[static_cast<std::size_t>(heading) + 1].rfind("  ●", 0), 0u);

    app.bed.deviceSends(groups().general.output21.getId(), std::uint8_t{0});
    app.bed.ticks(1);
    EXPECT_FALSE(linesOf(*view).has("Function output 21/28:  +"));
}

TEST_F(GeneralScreen, TheClockSignalAloneAndADeviceFlagAloneRebuild)
{
    presentOnly({DEVICE_UNLOCKED});
    GeneralView* view = information();
    ASSERT_NE(view, nullptr);
    app.bed.deviceSends(groups().general.burnerSeconds.getId(), std::uint32_t{7200});
    EXPECT_TRUE(presenter().hasDataChanged()); // taken here: the view does not hear of it
    app.bed.ticks(1);
    EXPECT_EQ(value(*view, "Burner hours"), "867 h");

    clockSignal() = true;
    app.bed.ticks(1);
    EXPECT_EQ(value(*view, "Burner hours"), "2 h");
    helpers::DateTime now;
    ASSERT_TRUE(helpers::readRtc(now));
    quillon::WideChar clock[8];
    now.getTime().format(clock, 8);
    const std::string shown = value(*view, "Time");
    EXPECT_TRUE(shown == utf8(clock) || now.getTime().getSecond() == 0) << shown; // a minute may turn

    app.bed.deviceSends(groups().general.burnerSeconds.getId(), std::uint32_t{3600});
    EXPECT_TRUE(presenter().hasDataChanged());
    devices().setPresent(DEVICE_SUBSCRIBER_NUMBER);
    app.bed.ticks(1);
    EXPECT_EQ(value(*view, "Burner hours"), "1 h");
    EXPECT_TRUE(linesOf(*view).has("Subscriber number: " + value(*view, "Subscriber number")));
}

TEST_F(GeneralScreen, EachChangeCheckAsksAllThreeSources)
{
    presentOnly({DEVICE_UNLOCKED});
    ASSERT_NE(information(), nullptr);
    app.bed.deviceSends(groups().general.burnerSeconds.getId(), std::uint32_t{7200});
    devices().setPresent(DEVICE_SUBSCRIBER_NUMBER);
    clockSignal() = true;
    EXPECT_TRUE(presenter().hasDataChanged());
    EXPECT_FALSE(presenter().hasDataChanged()); // none of the three kept its report
    EXPECT_FALSE(clockSignal());
}

TEST_F(GeneralScreen, TheStatusListWithoutHotWaterEndsAfterTheBoilerLines)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_SENSOR_SUPPLY, DEVICE_DHW_HC1, DEVICE_CIRCULATION_A, DEVICE_CYLINDER_4});
    GeneralView* view = status(0);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getTitle()), "Status Gas condensing boiler");
    EXPECT_EQ(utf8(view->getTopBar().getTitleField().getText()), "Status Gas condensing boiler");
    EXPECT_FALSE(helpOffered(*view));
    EXPECT_FALSE(view->includesDhw());
    const info::ListLines list = linesOf(*view);
    ASSERT_EQ(list.lines.size(), 13u);
    EXPECT_EQ(list.lines[0].rfind("Burner: ON", 0), 0u); // its item may keep the group colour of an earlier build
    EXPECT_EQ(list.lines[1], "Gas type:  +");
    EXPECT_EQ(list.lines[3], "Request:  +");
    EXPECT_EQ(list.lines[8], "Modulation: " + value(*view, "Modulation"));
    EXPECT_EQ(list.lines[11].rfind("External hook-up 0...10V: ", 0), 0u);
    EXPECT_EQ(list.lines[12].rfind("Common supply temperature: ", 0), 0u);
}

TEST_F(GeneralScreen, TheStatusListWithHotWaterTakesTheFirstCylinderCase)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_CIRCULATION_B, DEVICE_CYLINDER_4,
                 DEVICE_BOILER_4});
    GeneralView* view = status(1);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getTitle()), "Status Gas condensing boiler/DHW");
    EXPECT_FALSE(helpOffered(*view));
    const info::ListLines list = linesOf(*view);
    const int first = list.indexOf("Cylinder status:  +");
    ASSERT_EQ(first, 12); // no common supply sensor
    const std::vector<std::string> actions(list.lines.begin() + first + 2, list.lines.begin() + first + 6);
    EXPECT_EQ(actions, (std::vector<std::string>{"[DHW time prog 1]", "[DHW circ time prog 1]", "[DHW time prog 2]",
                                                 "[DHW circ time prog 2]"}));
    EXPECT_EQ(list.lines[static_cast<std::size_t>(first) + 6], "DHW temperature:  +");
    EXPECT_EQ(list.lines[static_cast<std::size_t>(first) + 8], "Measured DHW sensor values:  +");
    EXPECT_EQ(list.lines[static_cast<std::size_t>(first) + 10].rfind("  ● Mid: ", 0), 0u); // the solar mid of case a
    EXPECT_EQ(list.lines[static_cast<std::size_t>(first) + 12].rfind("  ● Solar out: ", 0), 0u);
    EXPECT_FALSE(list.has("Circulation pump: " + value(*view, "Circulation pump"))); // flag 51 is not present
    EXPECT_EQ(list.lines.back().rfind("Charge state DHW cylinder: ", 0), 0u);
    EXPECT_EQ(list.actions, 4u);
}

TEST_F(GeneralScreen, TemperaturesWithHalvesRoundAwayFromZeroAndTheHookUpIsAWholePercentage)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_CYLINDER_1, DEVICE_OUTSIDE_TEMPERATURE});
    app.bed.deviceSends(groups().dhw.listSetpoint.getId(), 52.5f);
    app.bed.deviceSends(groups().general.externalHookUp.getId(), 37.0f);
    app.bed.deviceSends(groups().general.adjustedOutsideTemperature.getId(), -2.5f);
    GeneralView* view = status(1);
    ASSERT_NE(view, nullptr);
    const info::ListLines list = linesOf(*view);
    EXPECT_TRUE(list.has("  ● Set: 53°C +")) << ::testing::PrintToString(list.lines);
    EXPECT_EQ(value(*view, "External hook-up 0...10V"), "37 %");
    GeneralView* diagnosisView = diagnosis();
    ASSERT_NE(diagnosisView, nullptr);
    EXPECT_EQ(linesOf(*diagnosisView).lines[1], "  ● Adjusted: -3°C +");
}

// The same rule as the reset data screen's diagnosis button shows for the same value.
TEST_F(GeneralScreen, TheAdjustedOutsideTemperatureRoundsHalvesAwayFromZero)
{
    struct Case
    {
        float sent;
        const char* shown;
    };
    const Case cases[] = {{6.5f, "7°C"},   {7.5f, "8°C"},   {0.5f, "1°C"},   {52.5f, "53°C"}, {6.4f, "6°C"},
                          {-0.5f, "-1°C"}, {-6.5f, "-7°C"}, {-7.5f, "-8°C"}, {-2.5f, "-3°C"}, {-6.4f, "-6°C"}};
    presentOnly({DEVICE_UNLOCKED, DEVICE_OUTSIDE_TEMPERATURE});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        app.bed.deviceSends(groups().general.adjustedOutsideTemperature.getId(), c.sent);
        GeneralView* view = diagnosis();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(linesOf(*view).lines[1], std::string("  ● Adjusted: ") + c.shown + " +");
    }
}

TEST_F(GeneralScreen, ACirculationProgramOpensItsOverviewReadOnlyTitledByNumber)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_DHW_HC2, DEVICE_CIRCULATION_A});
    GeneralView* view = status(1);
    ASSERT_NE(view, nullptr);
    clickLine(*view, linesOf(*view), "[DHW circ time prog 2]");
    expectProgramOpened(app.pages().dhwCirculationOverviewPage, 1, 1);
    EXPECT_NE(current<DHWCirculationTimeProgramOverviewView>(), nullptr);
    EXPECT_TRUE(writes().empty());
}

TEST_F(GeneralScreen, EntryEightDoesNothingAndAnIndexPastItGoesBack)
{
    presentOnly({DEVICE_UNLOCKED});
    app.open(app.pages().informationMenuPage);
    GeneralView* view = information();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getText(4)), "DHW circ time prog 2");
    EXPECT_EQ(utf8(view->getText(9)), "");
    view->execute(8);
    app.bed.ticks(1);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().generalInfoPage);
    view->execute(9);
    app.bed.ticks(1);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().informationMenuPage);
}

TEST_F(GeneralScreen, EntryFourTitlesByNumberInEveryListButInformation)
{
    struct Case
    {
        ListMode mode;
        std::uint8_t titleByNumber;
    };
    for (const Case& c : {Case{LIST_MODE_INFORMATION, 0}, Case{LIST_MODE_DIAGNOSIS, 1}, Case{LIST_MODE_STATUS, 1}}) {
        SCOPED_TRACE(c.mode);
        presentOnly({DEVICE_UNLOCKED});
        GeneralView* view = c.mode == LIST_MODE_DIAGNOSIS ? diagnosis() : c.mode == LIST_MODE_STATUS ? status(1) : information();
        ASSERT_NE(view, nullptr);
        view->execute(4);
        app.bed.ticks(1);
        expectProgramOpened(app.pages().dhwCirculationOverviewPage, 1, c.titleByNumber);
        app.pageManager().back();
        app.bed.ticks(1);
    }
}

TEST_F(GeneralScreen, APageWithoutAListSettingKeepsInformationWithoutATitle)
{
    presentOnly({DEVICE_UNLOCKED});
    pagemanager::Page bare{46, 5, 120, false};
    GeneralView* view = openPage<GeneralView>(bare);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getMode(), LIST_MODE_INFORMATION);
    EXPECT_EQ(utf8(view->getTitle()), "");
    EXPECT_EQ(linesOf(*view).lines.size(), 9u);
}
} // namespace
