#include "InfoListBed.hpp"

#include "gui/screens/infocircuit/HCxView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewView.hpp"
#include "helpers/DateTime.hpp"

#include "support/screen/ScreenTestBed.hpp"

#include <quillon/LanguageTable.hpp>

namespace infocircuit_test
{
namespace
{
using Lines = std::vector<std::string>;

// Table indexes of the circuits' values: circuit c at INDEX[c].
struct Series
{
    std::uint32_t index[3];
};
const Series HC_INFO = {{85, 138, 191}};
const Series HEATING_INFO = {{87, 140, 193}};
const Series OPERATING_PROGRAM = {{82, 135, 188}};
const Series SCREED_DRYING = {{98, 151, 204}};
const Series EXTERNAL_HOOK_UP = {{91, 144, 197}};
const Series HOLIDAY_STATE = {{89, 142, 195}};
const Series COMFORT_MODE = {{75, 128, 181}};
const Series ECONOMY_MODE = {{74, 127, 180}};
const Series REMOTE_CONTROL = {{92, 145, 198}};
const Series ROOM_TEMPERATURE = {{21, 22, 23}};
const Series EXTERNAL_SETPOINT = {{81, 134, 187}};
const Series LEAVING_DATE = {{79, 132, 185}};

hc_info hcInfo(std::uint8_t byte0, std::int16_t setpointTenths, std::int16_t supplyTenths, std::uint8_t supplyStatus)
{
    hc_info record = {};
    record.bytes[0] = byte0;
    std::memcpy(record.bytes + 2, &setpointTenths, 2);
    std::memcpy(record.bytes + 4, &supplyTenths, 2);
    record.bytes[6] = supplyStatus;
    return record;
}

heating_info heatingInfo(std::uint8_t status)
{
    heating_info record = {};
    record.bytes[1] = status;
    return record;
}

class HCxScreen : public InfoListBed
{
protected:
    void SetUp() override
    {
        InfoListBed::SetUp();
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        setFlags({0, 1, 2}, {});
    }
    void TearDown() override
    {
        unsigned short empty[21] = {};
        groups().settings.hc2.set(empty);
        InfoListBed::TearDown();
    }

    pagemanager::Page& circuitPage(std::uint32_t circuit)
    {
        pagemanager::Page* pages[3] = {&app.pages().circuit1InfoPage, &app.pages().circuit2InfoPage,
                                       &app.pages().circuit3InfoPage};
        return *pages[circuit];
    }
    HCxView& open(std::uint32_t circuit) { return openPage<HCxView>(circuitPage(circuit)); }
    // A page of the test's own: no page of the tree opens Diagnosis.
    HCxView& openSetting(std::uint32_t diagnosis, std::uint32_t circuitIndex)
    {
        setting = {diagnosis, circuitIndex};
        ownPage.setPointerParam(pagemanager::PointerParam(&setting));
        return openPage<HCxView>(ownPage);
    }
    template <typename T>
    void send(const Series& series, std::uint32_t circuit, const T& value)
    {
        app.bed.deviceSends(series.index[circuit], value);
    }
    // Nothing active, no remote control, no external setpoint, a set supply temperature.
    void quietCircuit(std::uint32_t c)
    {
        for (const Series* s : {&SCREED_DRYING, &EXTERNAL_HOOK_UP, &HOLIDAY_STATE, &COMFORT_MODE, &ECONOMY_MODE,
                                &REMOTE_CONTROL}) {
            send(*s, c, static_cast<unsigned char>(0));
        }
        send(HC_INFO, c, hcInfo(0x01, 455, 382, 0));
    }
    static std::string title(HCxView& view) { return utf8(view.getTopBar().getTitleField().getText()); }

    ListPageSetting setting = {0, 0};
    pagemanager::Page ownPage{47, 5, 120, false};
};

TEST_F(HCxScreen, TheSecondCircuitIsTitledByItsNameAsTypedOrByItsNumber)
{
    struct Case
    {
        const char16_t* name;
        const char* title;
    };
    const Case cases[] = {
        {u"", "Information Heating circuit 2"},
        {u"Garage", "Information Garage"},
        {u"50% Süd", "Information 50% Süd"}, // a "%" of the name is no format
        {u"5%%d%s", "Information 5%%d%s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        unsigned short name[21] = {};
        std::char_traits<char16_t>::copy(reinterpret_cast<char16_t*>(name), c.name,
                                        std::char_traits<char16_t>::length(c.name));
        groups().settings.hc2.set(name);
        HCxView& view = open(1);
        EXPECT_EQ(title(view), c.title);
        EXPECT_EQ(view.getCircuit(), 1);
    }
}

TEST_F(HCxScreen, TheSecondCircuitsInformationListInOrderWithItsValues)
{
    quietCircuit(1);
    send(OPERATING_PROGRAM, 1, static_cast<unsigned char>(1));
    send(HC_INFO, 1, hcInfo(0x41, 455, 382, 0)); // pump on, mixer closing
    send(HEATING_INFO, 1, heatingInfo(2));
    helpers::DateTime leaving(2019, 3, 26, 0, 0, 0);
    date_time record = {};
    leaving.toDeviceFormat(record);
    send(LEAVING_DATE, 1, record);
    HCxView& view = open(1);
    EXPECT_EQ(linesOf(view.getListControl()), (Lines{
                                                  "Heating program",
                                                  "  ● Only DHW",
                                                  "Operating status = Standard heating mode",
                                                  "[Time program]",
                                                  "Room temperature",
                                                  "  ● Set room temperature = 20°C",
                                                  "Set reduced room temperature = 16°C",
                                                  "Comfort temperature = 22°C",
                                                  "Heating curve slope = 1.0",
                                                  "Heating curve level = 0 K",
                                                  "Heating circuit pump = ON",
                                                  "Mixer = CLOSE",
                                                  "Supply temperature",
                                                  "  ● Supply temperature actual = 38°C",
                                                  "Holiday program",
                                                  "  ● Leaving date = Tu 26.03.2019",
                                                  "  ● Return date = Th 28.03.2019",
                                              }));
    EXPECT_NE(view.getHelpText(), nullptr);
}

TEST_F(HCxScreen, OnlyTheSecondAndThirdCircuitsListMixerAndSupplyWhateverTheirData)
{
    for (std::uint32_t c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        quietCircuit(c);
        send(HC_INFO, c, hcInfo(0xC0, 0, 0, 6)); // mixer without text, supply sensor fault
        const Lines lines = linesOf(open(c).getListControl());
        EXPECT_EQ(hasLine(lines, "Mixer"), c != 0);
        EXPECT_EQ(hasLine(lines, "Supply temperature"), c != 0);
        if (c != 0) {
            EXPECT_TRUE(hasLine(lines, "Mixer = ---"));
            EXPECT_TRUE(hasLine(lines, "  ● Supply temperature actual = ---"));
        }
    }
}

TEST_F(HCxScreen, WithoutActiveFunctionsTheProgramHeadingIsFollowedByTheBulletedProgram)
{
    struct Case
    {
        unsigned char program;
        const char* line;
    };
    const Case cases[] = {
        {0, "  ● Standby mode"}, {2, "  ● Heating and DHW"}, {3, "  ● External program"}, {200, "  ● External program"},
    };
    quietCircuit(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        send(OPERATING_PROGRAM, 0, c.program);
        const Lines lines = linesOf(open(0).getListControl());
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[0], "Heating program");
        EXPECT_EQ(lines[1], c.line);
    }
}

TEST_F(HCxScreen, ActiveFunctionsAreListedUnderTheHeadingInTheirOrder)
{
    quietCircuit(2);
    send(OPERATING_PROGRAM, 2, static_cast<unsigned char>(2));
    send(ECONOMY_MODE, 2, static_cast<unsigned char>(1));
    send(SCREED_DRYING, 2, static_cast<unsigned char>(3));
    send(HOLIDAY_STATE, 2, static_cast<unsigned char>(0x02)); // bit 0 clear: no holiday
    HCxView& view = open(2);
    Lines lines = linesOf(view.getListControl());
    lines.resize(4);
    EXPECT_EQ(lines, (Lines{"Heating program", "  ● Screed drying", "  ● Economy mode", "  ● Heating and DHW"}));

    // While shown: the holiday begins and the economy mode ends.
    send(HOLIDAY_STATE, 2, static_cast<unsigned char>(0x03));
    send(ECONOMY_MODE, 2, static_cast<unsigned char>(0));
    app.bed.ticks(1);
    lines = linesOf(view.getListControl());
    lines.resize(4);
    EXPECT_EQ(lines, (Lines{"Heating program", "  ● Screed drying", "  ● Holiday program", "  ● Heating and DHW"}));
}

TEST_F(HCxScreen, ExternalSetpointAndRoomTemperatureFollowTheirConditionsWhileShown)
{
    quietCircuit(0);
    send(EXTERNAL_SETPOINT, 0, static_cast<unsigned char>(18));
    HCxView& view = open(0);
    Lines lines = linesOf(view.getListControl());
    EXPECT_FALSE(hasLine(lines, "Set external room temperature"));
    EXPECT_FALSE(hasLine(lines, "  ● Room temperature"));

    send(HC_INFO, 0, hcInfo(0x08, 455, 382, 0));
    send(REMOTE_CONTROL, 0, static_cast<unsigned char>(2));
    send(ROOM_TEMPERATURE, 0, -5.5f); // a signed value: below zero with its sign
    app.bed.ticks(1);
    lines = linesOf(view.getListControl());
    EXPECT_TRUE(hasLine(lines, "Set external room temperature = 18°C"));
    EXPECT_TRUE(hasLine(lines, "  ● Room temperature = -5.5°C"));
    EXPECT_TRUE(hasLine(lines, "Heating circuit pump = OFF"));

    send(HC_INFO, 0, hcInfo(0x00, 455, 382, 0));
    app.bed.ticks(1);
    EXPECT_FALSE(hasLine(linesOf(view.getListControl()), "Set external room temperature"));
}

TEST_F(HCxScreen, OperatingStatusWithoutTextAndUnsetLeavingDateShowDashes)
{
    quietCircuit(0);
    send(HEATING_INFO, 0, heatingInfo(4));
    date_time unset = {};
    helpers::DateTime(0u).toDeviceFormat(unset);
    send(LEAVING_DATE, 0, unset);
    const Lines lines = linesOf(open(0).getListControl());
    EXPECT_TRUE(hasLine(lines, "Operating status = ---"));
    EXPECT_TRUE(hasLine(lines, "  ● Leaving date = ---"));
}

TEST_F(HCxScreen, TimeProgramOnTheThirdCircuitOpensItsProgramReadOnly)
{
    quietCircuit(2);
    HCxView& view = open(2);
    click(view.getActionItem().getButton());
    ASSERT_EQ(app.pageManager().getCurrentPage(), &app.pages().heatingTimeProgramOverviewPage);
    const HeatingCircuitParam* param = app.pageManager().getParam<HeatingCircuitParam>(nullptr);
    ASSERT_NE(param, nullptr);
    EXPECT_EQ(param->circuit, 2);
    EXPECT_EQ(param->readOnly, 1);
    EXPECT_EQ(param->titleByNumber, 0);
    app.bed.ticks(1);
    EXPECT_NE(app.screen<HeatingTimeProgramOverviewView>(), nullptr);
}

TEST_F(HCxScreen, DiagnosisFromAPageSettingAddsTheSupplySetpointAndTitlesByNumber)
{
    unsigned short name[21] = {u'G', u'a', u'r', u'a', u'g', u'e'};
    groups().settings.hc2.set(name);
    quietCircuit(1);
    HCxView& view = openSetting(1, 1);
    EXPECT_EQ(title(view), "Diagnosis Heating circuit 2");
    Lines lines = linesOf(view.getListControl());
    Lines supply(std::find(lines.begin(), lines.end(), "Supply temperature"), lines.end());
    supply.resize(3);
    EXPECT_EQ(supply, (Lines{"Supply temperature", "  ● Supply temperature setpoint = 46°C",
                             "  ● Supply temperature actual = 38°C"}));

    click(app.screen<HCxView>()->getActionItem().getButton());
    const HeatingCircuitParam* param = app.pageManager().getParam<HeatingCircuitParam>(nullptr);
    ASSERT_NE(param, nullptr);
    EXPECT_EQ(param->circuit, 1);
    EXPECT_EQ(param->titleByNumber, 1);
}

// Left open by the page table: any non-zero `diagnosis` is Diagnosis, and a circuit index
// past the three circuits is the first circuit, never a read past their series.
TEST_F(HCxScreen, UnknownSettingsOpenDiagnosisOfTheFirstCircuit)
{
    struct Case
    {
        std::uint32_t diagnosis;
        std::uint32_t circuitIndex;
        const char* title;
    };
    const Case cases[] = {
        {7, 2, "Diagnosis Heating circuit 3"},
        {1, 3, "Diagnosis Heating circuit 1"},
        {0, 0x102, "Information Heating circuit 1"},
        {0, 0xFFFFFFFF, "Information Heating circuit 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        HCxView& view = openSetting(c.diagnosis, c.circuitIndex);
        EXPECT_EQ(title(view), c.title);
        EXPECT_EQ(view.getMode(), c.diagnosis != 0 ? LIST_MODE_DIAGNOSIS : LIST_MODE_INFORMATION);
        EXPECT_FALSE(hasLine(linesOf(view.getListControl()), "Mixer") && c.circuitIndex > 2);
    }
}

// No page opens Status: the mode is chosen before the presenter is bound.
class StatusHCxView : public HCxView
{
public:
    StatusHCxView() : HCxView(ListChoice{LIST_MODE_STATUS, 1, true}) {}
};

TEST(HCxStatus, ListsSetAndActualMarkersAndOffersNoHelp)
{
    test::ScreenTestBed bed;
    bed.setLanguage(quillon::LANGUAGE_ENGLISH);
    bed.deviceSends(HC_INFO.index[1], hcInfo(0x09, 455, 382, 0));
    bed.deviceSends(REMOTE_CONTROL.index[1], static_cast<unsigned char>(1));
    bed.deviceSends(ROOM_TEMPERATURE.index[1], 19.5f);
    bed.deviceSends(EXTERNAL_SETPOINT.index[1], static_cast<unsigned char>(18));
    for (const Series* s : {&SCREED_DRYING, &EXTERNAL_HOOK_UP, &HOLIDAY_STATE, &COMFORT_MODE, &ECONOMY_MODE}) {
        bed.deviceSends(s->index[1], static_cast<unsigned char>(0));
    }
    bed.deviceSends(OPERATING_PROGRAM.index[1], static_cast<unsigned char>(2));
    bed.show<StatusHCxView, HCxPresenter>();
    bed.ticks(1);
    StatusHCxView& view = bed.view<StatusHCxView>();
    EXPECT_EQ(utf8(view.getTitle()), "Status Heating circuit 2");
    Lines lines = linesOf(view.getListControl());
    lines.resize(15);
    EXPECT_EQ(lines, (Lines{
                         "Heating program",
                         "  ● Heating and DHW",
                         "Operating status = Standard heating mode",
                         "[Time program]",
                         "Room temperature",
                         "  Set",
                         "  ● Set room temperature = 20°C",
                         "  ● Set reduced room temperature = 16°C",
                         "  ● Set external room temperature = 18°C",
                         "  Actual",
                         "  ● Room temperature = 19.5°C",
                         "  ● Comfort temperature = 22°C",
                         "Heating curve slope = 1.0",
                         "Heating curve level = 0 K",
                         "Heating circuit pump = ON",
                     }));
    EXPECT_EQ(view.getHelpText(), nullptr);
    EXPECT_FALSE(view.getBottomBar().getButton(GenericView::HELP_BUTTON).isTouchable());
    const Lines all = linesOf(view.getListControl());
    EXPECT_TRUE(hasLine(all, "  ● Supply temperature setpoint = 46°C"));
}
} // namespace
} // namespace infocircuit_test
