#include "InfoListBed.hpp"

#include "gui/screens/infocircuit/SolarView.hpp"

#include "support/screen/ScreenTestBed.hpp"

#include <quillon/LanguageTable.hpp>

namespace infocircuit_test
{
namespace
{
using Lines = std::vector<std::string>;

const std::uint32_t SOLAR_INFO = 253;

template <typename T>
void put(solar_info& record, std::uint32_t at, T value)
{
    std::memcpy(record.bytes + at, &value, sizeof(T));
}

// A solar record whose every field has a value of its own.
solar_info solarRecord()
{
    solar_info record = {};
    record.bytes[0] = 0x33; // pump on, DHW suppression, output 22 on, heating suppression
    record.bytes[1] = 65;   // pump speed
    put<std::int16_t>(record, 2, 623);
    put<std::int16_t>(record, 5, 487);
    put<std::int16_t>(record, 8, 301);
    put<std::int16_t>(record, 11, 254);
    put<std::uint32_t>(record, 14, 1234);
    put<std::uint32_t>(record, 22, 77);
    put<std::uint16_t>(record, 26, 3120);
    put<std::uint32_t>(record, 28, 7200);
    put<std::uint32_t>(record, 32, 12);
    put<std::uint32_t>(record, 36, 5400);
    put<std::uint32_t>(record, 40, 3);
    put<std::uint32_t>(record, 44, 4);
    return record;
}

class SolarScreen : public InfoListBed
{
protected:
    void SetUp() override
    {
        InfoListBed::SetUp();
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        app.bed.deviceSends(SOLAR_INFO, solarRecord());
        // A plain system: no large solar kind, no features.
        setFlags({26, 30}, {28, 29, 31, 32, 35, 36, 44, 50, 60, 64});
    }

    SolarView& open(std::uint32_t diagnosis)
    {
        setting = {diagnosis, 0};
        ownPage.setPointerParam(pagemanager::PointerParam(&setting));
        return openPage<SolarView>(diagnosis == 0 ? app.pages().solarInfoPage : ownPage);
    }
    Lines lines(std::uint32_t diagnosis) { return linesOf(open(diagnosis).getListControl()); }

    ListPageSetting setting = {0, 0};
    pagemanager::Page ownPage{50, 5, 120, false};
};

TEST_F(SolarScreen, APlainSystemsInformationAndDiagnosisLists)
{
    SolarView& information = open(0);
    EXPECT_EQ(utf8(information.getTitle()), "Information Solar energy");
    EXPECT_EQ(linesOf(information.getListControl()), (Lines{
                                                         "Collector temperature = 62°C",
                                                         "Solar DHW = 49°C",
                                                         "Solar circuit pump = 3120 h",
                                                         "Solar energy = 1234 kWh",
                                                         "Solar circuit pump = ON",
                                                         "Heating suppression DHW = ON",
                                                     }));
    EXPECT_NE(information.getHelpText(), nullptr);

    // Without flags 28 and 29 no history and none of the four counters; flag 44 keeps entry 1.
    setFlags({44}, {});
    SolarView& diagnosis = open(1);
    EXPECT_EQ(utf8(diagnosis.getTitle()), "Diagnosis Solar energy");
    EXPECT_EQ(linesOf(diagnosis.getListControl()), (Lines{
                                                       "[Status of the solar circulation pump]",
                                                       "Collector temperature = 62°C",
                                                       "Solar DHW = 49°C",
                                                       "Solar circuit pump = 3120 h",
                                                       "Solar energy = 1234 kWh",
                                                       "Solar circuit pump = ON",
                                                       "Heating suppression DHW = ON",
                                                   }));
}

TEST_F(SolarScreen, ALargeSystemAddsHistoryCountersAndHeatingSuppression)
{
    setFlags({28}, {});
    Lines information = lines(0);
    EXPECT_EQ(information.front(), "[Solar energy history]");
    EXPECT_FALSE(hasLine(information, "Heating suppression heating")); // kind 3 only
    const Lines diagnosis = lines(1);
    EXPECT_EQ(diagnosis.front(), "[Solar energy history]");
    for (const char* line : {"Solar circuit pump starts = 77", "Solar stagnation = 2 h", "Incorrect circulation = 3",
                             "Difference temperature monitor = 4", "Heating suppression heating = ON"}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(hasLine(diagnosis, line));
    }

    setFlags({29}, {28});
    information = lines(0);
    EXPECT_EQ(information.front(), "[Solar energy history]");
    EXPECT_EQ(information.back(), "Heating suppression heating = ON");
}

TEST_F(SolarScreen, EitherNoEnergyFlagDropsSolarEnergy)
{
    for (std::uint32_t flag : {60u, 64u}) {
        SCOPED_TRACE(flag);
        setFlags({flag, 28}, {60 + 64 - flag});
        EXPECT_FALSE(hasLine(lines(0), "Solar energy ="));
        EXPECT_FALSE(hasLine(lines(1), "Solar energy ="));
        setFlags({}, {flag});
        EXPECT_TRUE(hasLine(lines(0), "Solar energy = 1234 kWh"));
    }
}

TEST_F(SolarScreen, Output22IsAHeadingWithTwoThreeOrOneSubLines)
{
    setFlags({28, 32}, {});
    auto group = [](const Lines& all) {
        Lines found(std::find(all.begin(), all.end(), "ZR6 output 22"), all.end());
        Lines shown;
        for (std::size_t i = 0; i < found.size() && (i == 0 || found[i].compare(0, 2, "  ") == 0); ++i) {
            shown.push_back(found[i]);
        }
        return shown;
    };
    EXPECT_EQ(group(lines(0)), (Lines{"ZR6 output 22", "  ● Operating status = ON", "  ● Operating hours = 2 h"}));
    EXPECT_EQ(group(lines(1)), (Lines{"ZR6 output 22", "  ● Operating status = ON", "  ● Operating hours = 2 h",
                                      "  ● ZR6 outp.22 starts = 12"}));
}

TEST_F(SolarScreen, APumpShowsItsSpeedOrItsStateAndAlwaysItsHours)
{
    struct Case
    {
        std::uint32_t present, absent;
        bool speed;
    };
    for (const Case& c : {Case{31, 30, true}, Case{30, 31, false}}) {
        SCOPED_TRACE(c.present);
        setFlags({c.present}, {c.absent});
        for (std::uint32_t diagnosis : {0u, 1u}) {
            const Lines all = lines(diagnosis);
            EXPECT_EQ(hasLine(all, "Solar circuit pump speed = 65 %"), c.speed);
            EXPECT_EQ(hasLine(all, "Solar circuit pump = ON"), !c.speed);
            EXPECT_TRUE(hasLine(all, "Solar circuit pump = 3120 h"));
        }
    }
}

TEST_F(SolarScreen, TheHistoryEntryOpensTheSolarYieldWithoutDetails)
{
    setFlags({29}, {});
    SolarView& view = open(0);
    click(view.getActionItem(SolarView::ENERGY_HISTORY).getButton());
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().solarOverviewPage);
    const IntervalSelection* interval = app.pageManager().getParam<IntervalSelection>(nullptr);
    ASSERT_NE(interval, nullptr);
    EXPECT_EQ(interval->interval, 0u);
    EXPECT_EQ(interval->noDetails, 1u);
}

TEST_F(SolarScreen, OnlyTwoActionEntriesExist)
{
    SolarView& view = open(1);
    EXPECT_EQ(utf8(view.getText(2)), "");
    view.execute(2);
    app.bed.ticks(1);
    EXPECT_EQ(app.screen<SolarView>(), &view);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &ownPage);
}

TEST_F(SolarScreen, ADeviceFlagChangeAloneRebuildsTheListAtTheNextTick)
{
    SolarView& view = open(0);
    ASSERT_FALSE(hasLine(linesOf(view.getListControl()), "Sensor 7"));
    setFlags({35, 50}, {});
    app.bed.ticks(1);
    const Lines shown = linesOf(view.getListControl());
    EXPECT_TRUE(hasLine(shown, "Sensor 7 = 30°C"));
    EXPECT_TRUE(hasLine(shown, "Absorber surface ="));
}

// No page opens Status: the mode is chosen before the presenter is bound.
class StatusSolarView : public SolarView
{
public:
    StatusSolarView() : SolarView(ListChoice{LIST_MODE_STATUS, 0, true}) {}
};

TEST(SolarStatus, ListsSensorsWithoutActionsOrHelp)
{
    test::ScreenTestBed bed;
    bed.setLanguage(quillon::LANGUAGE_ENGLISH);
    bed.deviceSends(SOLAR_INFO, solarRecord());
    model::DeviceManager& devices = bed.model().getDeviceManager();
    const std::uint32_t flags[] = {28, 29, 30, 31, 32, 35, 36};
    bool found[7];
    for (int i = 0; i < 7; ++i) {
        found[i] = devices.isPresent(flags[i]);
        devices.setPresence(flags[i], flags[i] != 29 && flags[i] != 31);
    }
    bed.show<StatusSolarView, SolarPresenter>();
    bed.ticks(1);
    StatusSolarView& view = bed.view<StatusSolarView>();
    EXPECT_EQ(utf8(view.getTitle()), "Status Solar energy");
    EXPECT_EQ(linesOf(view.getListControl()), (Lines{
                                                  "Collector temperature = 62°C",
                                                  "Solar DHW = 49°C",
                                                  "Solar circuit pump = ON",
                                                  "Heating suppression DHW = ON",
                                                  "ZR6 output 22",
                                                  "  ● Operating status = ON",
                                                  "Sensor 5 = 49°C",
                                                  "Sensor 7 = 30°C",
                                                  "Sensor 10 = 25°C",
                                                  "Heating suppression heating = ON",
                                              }));
    EXPECT_EQ(view.getHelpText(), nullptr);
    EXPECT_FALSE(view.getBottomBar().getButton(GenericView::HELP_BUTTON).isTouchable());
    for (int i = 0; i < 7; ++i) {
        devices.setPresence(flags[i], found[i]);
    }
}
} // namespace
} // namespace infocircuit_test
