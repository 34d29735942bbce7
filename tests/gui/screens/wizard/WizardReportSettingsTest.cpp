#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/screens/info/InfoListBed.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportSettingsView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace
{
using Lines = std::vector<std::string>;

const std::uint32_t PUMP_TYPE = 622;
const std::uint32_t CYLINDER_MAXIMUM = 624;
const std::uint32_t STAGNATION = 625;
const std::uint32_t FLOW = 626;
const std::uint32_t SOLAR_CONTROL = 627;
const std::uint32_t ABSORBER_SURFACE = 666;
const std::uint32_t HEATING_SUPPRESSION = 261;
const std::uint32_t CIRCULATION_PUMP = 256;
const std::uint32_t SEPARATOR = 260;
const std::uint32_t CYLINDER_TYPE = 255;
const std::uint32_t BURNER_SERVICE = 224;
const std::uint32_t SERVICE_INTERVAL = 226;
const std::uint32_t MAX_OUTPUT = 347;
const std::uint32_t TYPE[3] = {86, 139, 192};
const std::uint32_t SCREED[3] = {98, 151, 204};
const std::uint32_t SLOPE[3] = {95, 148, 201};
const std::uint32_t SHIFT[3] = {96, 149, 202};
const std::uint32_t MINIMUM[3] = {93, 146, 199};
const std::uint32_t MAXIMUM[3] = {94, 147, 200};

class ReportSettings : public ::testing::Test, public screens::WizardBed
{
protected:
    ReportSettings()
    {
        app.bed.deviceSends(PUMP_TYPE, std::uint8_t{0});
        app.bed.deviceSends(CYLINDER_MAXIMUM, std::uint8_t{90});
        app.bed.deviceSends(STAGNATION, std::uint8_t{5});
        app.bed.deviceSends(FLOW, std::uint8_t{125});
        app.bed.deviceSends(SOLAR_CONTROL, std::uint8_t{3});
        app.bed.deviceSends(ABSORBER_SURFACE, 12.5f);
        app.bed.deviceSends(HEATING_SUPPRESSION, std::uint8_t{2});
        app.bed.deviceSends(CIRCULATION_PUMP, std::uint8_t{1});
        app.bed.deviceSends(SEPARATOR, std::uint8_t{0});
        app.bed.deviceSends(CYLINDER_TYPE, std::uint8_t{3});
        app.bed.deviceSends(BURNER_SERVICE, std::uint8_t{12});
        app.bed.deviceSends(SERVICE_INTERVAL, std::uint8_t{24});
        app.bed.deviceSends(MAX_OUTPUT, std::uint8_t{100});
        for (std::uint8_t c = 0; c < 3; ++c) {
            app.bed.deviceSends(TYPE[c], std::uint8_t{0});
            app.bed.deviceSends(SCREED[c], std::uint8_t{0});
            app.bed.deviceSends(SLOPE[c], 1.4f);
            app.bed.deviceSends(SHIFT[c], static_cast<std::int8_t>(-3));
            app.bed.deviceSends(MINIMUM[c], std::uint8_t{25});
            app.bed.deviceSends(MAXIMUM[c], std::uint8_t{75});
        }
        app.bed.ticks(1);
    }

    // From the report's tile, as a user gets there.
    WizardReportSettingsView* open(std::initializer_list<std::uint32_t> flags)
    {
        presentOnly(flags);
        app.pageManager().reset();
        app.open(app.pages().mainPage, true);
        app.open(app.pages().wizardReportMenuPage);
        WizardReportMenuView* menu = app.screen<WizardReportMenuView>();
        if (menu == nullptr) {
            return nullptr;
        }
        clickOn(menu->getTile(2));
        return app.screen<WizardReportSettingsView>();
    }

    // The list without the separator marks.
    static Lines shown(const WizardReportSettingsView& view)
    {
        Lines out = info::linesOf(view).lines;
        for (std::string& line : out) {
            if (line.size() > 2 && line.compare(line.size() - 2, 2, " +") == 0) {
                line.erase(line.size() - 2);
            }
        }
        return out;
    }
};

const Lines BOILER = {"Gas condensing boiler: ", "  ● Burner service in 100 h: 12",
                      "  ● Service interval in months: 24", "  ● Maximum thermal output: 100 %%"};
} // namespace

TEST_F(ReportSettings, BoilerOnlyListsTheBoilerSection)
{
    WizardReportSettingsView* view = open({});
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(shown(*view), BOILER);
    EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Settings");
    const guicontrols::BottomBar& bar = view->getBottomBar();
    EXPECT_EQ(bar.getButton(GenericView::HOME_BUTTON).getIcon().getId(), quillon::BITMAP_NONE);
    EXPECT_EQ(bar.getButton(GenericView::HELP_BUTTON).getIcon().getId(), +GenericView::HELP_ICON);
    clickBottomButton(bar, GenericView::BACK_BUTTON);
    EXPECT_NE(app.screen<WizardReportMenuView>(), nullptr);
}

TEST_F(ReportSettings, SolarModuleWithoutThePwmPumpAndItsHotWaterLines)
{
    WizardReportSettingsView* view = open({DEVICE_ZR6_B, DEVICE_DHW_HC1});
    ASSERT_NE(view, nullptr);
    Lines expected = {"Solar Module ZR6: ",
                      "  ● Type of the solar pump: Constant rotational speed",
                      "  ● Flow solar circuit: 12.5 l/min",
                      "  ● Ext solar ctrl func (with DT2): 3",
                      "  ● Cylinder maximum temperature: 90°C",
                      "DHW cylinder: ",
                      "  ● Set DHW heating: heating supp: 2",
                      "  ● Destratification pump: Yes",
                      "  ● Type of cylinder: Dual mode cylinder"};
    expected.insert(expected.end(), BOILER.begin(), BOILER.end());
    EXPECT_EQ(shown(*view), expected);
}

TEST_F(ReportSettings, EverySectionFilled)
{
    app.bed.deviceSends(PUMP_TYPE, std::uint8_t{2});
    for (std::uint32_t type : TYPE) {
        app.bed.deviceSends(type, std::uint8_t{1});
    }
    app.bed.ticks(1);
    WizardReportSettingsView* view =
        open({DEVICE_ZR6_B, DEVICE_SOLAR_PUMP_CALIBRATION, DEVICE_DHW_HC1, DEVICE_BOILER_4, DEVICE_DP330,
              DEVICE_HC1, DEVICE_HC2, DEVICE_HC3});
    ASSERT_NE(view, nullptr);
    const info::ListLines lines = info::linesOf(*view);
    EXPECT_EQ(lines.base, 6u);
    EXPECT_EQ(lines.sub, 32u);
    const Lines all = shown(*view);
    EXPECT_EQ(Lines(all.begin(), all.begin() + 7),
              (Lines{"Solar Module ZR6: ", "  ● Type of the solar pump: PWM", "  ● Stagnation time reduction: 5 K",
                     "  ● Flow solar circuit: 12.5 l/min", "  ● Ext solar ctrl func (with DT2): 3",
                     "  ● Absorber surface: 12.50 m²", "  ● Cylinder maximum temperature: 90°C"}));
    EXPECT_EQ(Lines(all.begin() + 7, all.begin() + 13),
              (Lines{"DHW cylinder: ", "  ● Set DHW heating: heating supp: 2", "  ● Circulation pump present: Yes",
                     "  ● Destratification pump: Yes", "  ● DHW cyl conn to hydraulic separator: in front of",
                     "  ● Type of cylinder: Dual mode cylinder"}));
    const int second = lines.indexOf("Heating circuit 2: ");
    ASSERT_GT(second, 0);
    EXPECT_EQ(Lines(all.begin() + second, all.begin() + second + 8),
              (Lines{"Heating circuit 2: ", "  ● Type of heating circuit: Underfloor heating circuit",
                     "  ● Screed drying: OFF", "  ● Slope: 1.4", "  ● Shift: -3 K",
                     "  ● Minimum supply temperature: 25°C", "  ● Maximum supply temperature: 75°C",
                     "Heating circuit 3: "}));
}

TEST_F(ReportSettings, ValueTextsOfTheEnumeratedLines)
{
    struct Case
    {
        std::uint32_t index;
        std::uint8_t value;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {SOLAR_CONTROL, 3, {"  ● Ext solar ctrl func (with DT2): 3", "  ● Destratification pump: Yes"}},
        {SOLAR_CONTROL, 2, {"  ● Ext solar ctrl func (with DT2): 2", "  ● Destratification pump: No"}},
        {SOLAR_CONTROL, 0, {"  ● Ext solar ctrl func (with DT2): OFF", "  ● Destratification pump: No"}},
        {CYLINDER_TYPE, 0, {"  ● Type of cylinder: ---"}},
        {CYLINDER_TYPE, 6, {"  ● Type of cylinder: ---"}},
        {CYLINDER_TYPE, 2, {"  ● Type of cylinder: Two monovalent cylinders "}},
        {TYPE[0], 0, {"  ● Type of heating circuit: Boiler circuit"}},
        {TYPE[1], 0, {"  ● Type of heating circuit: Simple mixer circuit"}},
        {TYPE[1], 3, {"  ● Type of heating circuit: "}},
        {TYPE[2], 2, {"  ● Type of heating circuit: Swimming pool circuit"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        app.bed.deviceSends(c.index, c.value);
        app.bed.ticks(1);
        // One circuit at a time, so its type line is the only one.
        std::uint32_t circuit = DEVICE_HC1;
        for (std::uint8_t n = 0; n < 3; ++n) {
            if (c.index == TYPE[n]) {
                circuit = DEVICE_HC1 + n;
            }
        }
        WizardReportSettingsView* view = open({DEVICE_ZR6_B, DEVICE_DHW_HC2, circuit});
        ASSERT_NE(view, nullptr);
        const info::ListLines lines = info::linesOf(*view);
        for (const std::string& line : c.expected) {
            EXPECT_TRUE(lines.has(line) || lines.has(line + " +")) << line;
        }
    }
}

TEST_F(ReportSettings, ScreedDryingFollowsAnUnderfloorTypeLine)
{
    for (std::uint8_t type : {0, 1, 2}) {
        SCOPED_TRACE(type);
        app.bed.deviceSends(TYPE[0], type);
        app.bed.deviceSends(SCREED[0], std::uint8_t{4});
        app.bed.ticks(1);
        WizardReportSettingsView* view = open({DEVICE_HC1});
        ASSERT_NE(view, nullptr);
        const Lines all = shown(*view);
        ASSERT_EQ(all.size(), BOILER.size() + (type == 1 ? 7u : 6u));
        EXPECT_EQ(all[BOILER.size()], "Heating circuit 1: ");
        if (type == 1) {
            EXPECT_EQ(all[BOILER.size() + 2], "  ● Screed drying: OPEN");
        }
    }
}

TEST_F(ReportSettings, MaximumOutputKeepsTheValueOfArrival)
{
    WizardReportSettingsView* view = open({});
    ASSERT_NE(view, nullptr);
    app.bed.deviceSends(MAX_OUTPUT, std::uint8_t{70});
    app.bed.deviceSends(BURNER_SERVICE, std::uint8_t{13});
    app.bed.ticks(2);
    view->fillList(); // even a new fill reads the value of arrival
    const Lines all = shown(*view);
    EXPECT_EQ(all[3], "  ● Maximum thermal output: 100 %%");
    EXPECT_EQ(all[1], "  ● Burner service in 100 h: 13");
}
