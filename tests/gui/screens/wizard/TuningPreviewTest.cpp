#include "gui/screens/wizard/TuningBed.hpp"

#include "support/screen/TextFit.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "gui/screens/wizard/WizardReportSettingsView.hpp"
#include "gui/screens/wizard/WizzardTuningGasDHWView.hpp"
#include "gui/screens/wizard/WizzardTuningHCView.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/Texts.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A long button draws its own texts: its label and its right-aligned value must not meet in
// the font the list chose.
std::vector<std::string> crowdedLines(const TuningList& list)
{
    std::vector<std::string> crowded;
    for (std::uint32_t n = 0; n < list.getLineCount(); ++n) {
        const guicontrols::LongButton& line = list.getLine(n);
        const int width = TuningList::textWidth(line.getFont(), line);
        if (width > TuningList::textRoom(line)) {
            crowded.push_back(test::utf8(line.getText()) + " | " + test::utf8(line.getValueText()) + ": " +
                              std::to_string(width) + " px of " + std::to_string(TuningList::textRoom(line)));
        }
    }
    return crowded;
}

// The tuning screens and the report's settings in every language, kept as pictures, with no
// text wider than its field and no line whose label runs into its value.
class TuningPreview : public ::testing::Test, public screens::TuningBed
{
protected:
    TuningPreview()
    {
        app.bed.frame().setCounting(false);
        app.bed.deviceSends(627, std::uint8_t{3});    // solar control
        app.bed.deviceSends(666, 12.5f);              // absorber surface
        app.bed.deviceSends(626, std::uint8_t{125});  // solar flow
        app.bed.deviceSends(255, std::uint8_t{2});    // two monovalent cylinders, the longest type
        app.bed.deviceSends(139, std::uint8_t{1});    // circuit 2 underfloor: screed drying shown
        app.bed.deviceSends(151, std::uint8_t{1});
    }

    void render(const std::string& name, int language, const TuningList* list)
    {
        app.bed.ticks(2);
        quillon::Screen* screen = app.app.getCurrentScreen();
        ASSERT_NE(screen, nullptr) << name;
        EXPECT_TRUE(test::writePreview(app, "wizard", name + "-" + std::to_string(language)));
        for (const std::string& line : test::overwideTexts(screen->getRootContainer())) {
            ADD_FAILURE() << name << " in language " << language << ": " << line;
        }
        if (list != nullptr) {
            for (const std::string& line : crowdedLines(*list)) {
                ADD_FAILURE() << name << " in language " << language << ": " << line;
            }
        }
    }

    // The list's lower part too, where a long list hides its last lines.
    void renderScrolled(const std::string& name, int language, const guicontrols::ScrollArea& area)
    {
        for (int step = 0; step < 40 && area.getScrollOffset() < area.getMaxScrollOffset(); ++step) {
            clickOn(area.getDownButton());
        }
        render(name + "-end", language, nullptr);
    }

    // A long list page by page (four lines a step), so that every line is seen in a picture.
    void renderPages(const std::string& name, int language, const guicontrols::ScrollArea& area)
    {
        for (int page = 1; page < 20 && area.getScrollOffset() < area.getMaxScrollOffset(); ++page) {
            for (int line = 0; line < 4 && area.getScrollOffset() < area.getMaxScrollOffset(); ++line) {
                clickOn(area.getDownButton());
            }
            render(name + "-page" + std::to_string(page), language, nullptr);
        }
    }
};

TEST_F(TuningPreview, EveryScreenFitsItsTextsInAllLanguages)
{
    const uint32_t languageBefore = groups().settings.language.get();
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        groups().settings.language.set(static_cast<uint32_t>(language));

        atScheme();
        storeScope(2);
        presentOnly({DEVICE_BOILER_1, DEVICE_BOILER_4, DEVICE_DP330, DEVICE_ZR6_B, DEVICE_DHW_HC1, DEVICE_DHW_HC2,
                     DEVICE_DHW_HC3, DEVICE_CIRCULATION_A, DEVICE_SOLAR_PUMP_CALIBRATION, DEVICE_HC1, DEVICE_HC2,
                     DEVICE_HC3});
        auto* boiler = openTuning<WizzardTuningGasDHWView>(app.pages().wizardTuningGasDhwPage);
        ASSERT_NE(boiler, nullptr);
        render("tuning-boiler-dhw", language, &boiler->getList());
        renderScrolled("tuning-boiler-dhw", language, boiler->getList().getScrollArea());

        atScheme();
        storeCircuit(1);
        auto* circuit = openTuning<WizzardTuningHCView>(app.pages().wizardTuningHcPage);
        ASSERT_NE(circuit, nullptr);
        render("tuning-circuit", language, &circuit->getList());
        renderScrolled("tuning-circuit", language, circuit->getList().getScrollArea());

        atScheme();
        auto* solar = openTuning<WizzardTuningSolarModuleView>(app.pages().wizardTuningSolarModulePage);
        ASSERT_NE(solar, nullptr);
        render("tuning-solar", language, &solar->getList());
        renderScrolled("tuning-solar", language, solar->getList().getScrollArea());

        devices().setPresent(DEVICE_HELIORA_1);
        atScheme();
        ASSERT_NE(openTuning<WizzardTuningSolarModuleView>(app.pages().wizardTuningSolarModulePage), nullptr);
        render("tuning-solar-notice", language, nullptr);
        devices().setAbsent(DEVICE_HELIORA_1);

        app.open(app.pages().wizardReportMenuPage);
        app.open(app.pages().wizardReportSettingsPage);
        auto* settings = app.screen<WizardReportSettingsView>();
        ASSERT_NE(settings, nullptr);
        render("report-settings", language, nullptr);
        renderPages("report-settings", language, settings->getListControl());
    }
    groups().settings.language.set(languageBefore);
}
} // namespace
