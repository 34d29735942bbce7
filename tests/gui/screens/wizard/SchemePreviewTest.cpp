#include "gui/screens/wizard/SchemeBed.hpp"

#include "support/screen/TextFit.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/Texts.hpp>

#include <gtest/gtest.h>

#include <string>

namespace
{
// The scheme step, its note, its edit choice, add and remove screens and the two type
// screens in every language, kept as pictures, with no text wider than its field.
class SchemePreview : public ::testing::Test, public screens::SchemeBed
{
protected:
    void render(const std::string& name, int language)
    {
        app.bed.ticks(2);
        quillon::Screen* screen = app.app.getCurrentScreen();
        ASSERT_NE(screen, nullptr) << name;
        EXPECT_TRUE(test::writePreview(app, "wizard-scheme", name + "-" + std::to_string(language)));
        for (const std::string& line : test::overwideTexts(screen->getRootContainer())) {
            ADD_FAILURE() << name << " in language " << language << ": " << line;
        }
    }
};

TEST_F(SchemePreview, EveryScreenFitsItsTextsInAllLanguages)
{
    app.bed.frame().setCounting(false);
    const uint32_t languageBefore = groups().settings.language.get();
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        groups().settings.language.set(static_cast<uint32_t>(language));
        installation(10, {DEVICE_BOILER_1, DEVICE_HELIORA_1, DEVICE_CYLINDER_3}, 1);
        app.bed.deviceSends(CIRCUIT_TYPES[1], uint8_t{1});
        app.bed.deviceSends(CIRCUIT_TYPES[2], uint8_t{2});
        WizzardSystemSchemeMainView* scheme = openPage<WizzardSystemSchemeMainView>(app.pages().wizardSchemeMainPage);
        ASSERT_NE(scheme, nullptr);
        render("scheme", language);
        scheme->onComponentClicked(4);
        render("scheme-note", language);
        clickBottomButton(scheme->getBottomBar(), 5);
        app.open(app.pages().wizardSchemeEditPage);
        render("edit", language);
        app.open(app.pages().wizardSchemeRemovePage);
        render("remove", language);
        app.pageManager().back();
        app.bed.deviceSends(ADDED_CYLINDER, uint8_t{0}); // with the plus
        app.open(app.pages().wizardSchemeAddPage);
        render("add", language);
        app.pageManager().back();
        app.pageManager().back();
        app.bed.ticks(2);
        app.open(app.pages().wizardCylinderTypePage);
        render("cylinder-type", language);
        app.pageManager().back();
        app.bed.ticks(2);
        app.pageManager().setParam(HeatingCircuitParam{1, 0, 0, 1, {0, 0, 0}});
        app.open(app.pages().wizardHcTypeSelectPage);
        render("circuit-type", language);

        installation(11, {DEVICE_BOILER_1});
        openPage<WizzardSystemSchemeMainView>(app.pages().wizardSchemeMainPage);
        render("scheme-error", language);
        app.pageManager().getPopupManager()->close(16);
        clickBottomButton(app.screen<GenericView>()->getBottomBar(), 5);
        render("scheme-continue-question", language);
        app.pageManager().getPopupManager()->close(17);
    }
    groups().settings.language.set(languageBefore);
}
} // namespace
