#include "gui/screens/menu/ScreenFixture.hpp"

#include "support/screen/TextFit.hpp"
#include "TileWords.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

#include <quillon/Texts.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "guicontrols/Gallery.hpp"

namespace
{
// Every menu, selection, interval menu and tile selector in every language, written as a
// picture, with no text wider than its field.
class MenuPreview : public ::testing::Test, public screens::ScreenFixture
{
protected:
    void render(const std::string& name, int language)
    {
        app.bed.ticks(2);
        quillon::Screen* screen = app.app.getCurrentScreen();
        ASSERT_NE(screen, nullptr) << name;
        std::vector<quillon::Color> pixels = app.bed.frame().pixels();
        mkdir("screen-previews", 0755);
        mkdir("screen-previews/menu", 0755);
        EXPECT_TRUE(guicontrols::test::writeGalleryPng("../screen-previews/menu/" + name + "-" + std::to_string(language), 800, 480, pixels));
        for (const std::string& line : test::overwideTexts(screen->getRootContainer())) {
            ADD_FAILURE() << name << " in language " << language << ": " << line;
        }
        for (const std::string& line : test::TileWords::brokenCaptions(screen->getRootContainer())) {
            ADD_FAILURE() << name << " in language " << language << ": tile " << line;
        }
    }
};

TEST_F(MenuPreview, EveryScreenFitsItsTextsInAllLanguages)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    presentOnly({0, 1, 2, 7, 8, 9, 10, 11, 26, 41, 51});
    Pages& pages = app.pages();
    struct Shown
    {
        const char* name;
        pagemanager::Page* page;
        int32_t tileChoice; // -1: none stored
    };
    const Shown screens[] = {
        {"main-menu", &pages.mainMenuPage, -1},
        {"settings-menu", &pages.settingsMenuPage, -1},
        {"information-menu", &pages.informationMenuPage, -1},
        {"dhw-menu", &pages.dhwMenuPage, -1},
        {"screen-menu", &pages.screenMenuPage, -1},
        {"date-time-menu", &pages.dateTimeMenuPage, -1},
        {"heating-selection", &pages.heatingSelectionPage, -1},
        {"heating-menu", &pages.heatingMenuPage, -1},
        {"circuit-name-selection", &pages.circuitNameSelectionPage, -1},
        {"dhw-selection", &pages.dhwTimeProgramSelectionPage, -1},
        {"circulation-selection", &pages.dhwCirculationSelectionPage, -1},
        {"energy-balance-intervals", &pages.energyBalanceIntervalPage, -1},
        {"solar-yield-intervals", &pages.solarYieldIntervalPage, -1},
        {"electricity-intervals", &pages.electricityIntervalPage, -1},
        {"gas-intervals", &pages.gasIntervalPage, -1},
        {"cylinder-history-intervals", &pages.cylinderHistoryIntervalPage, -1},
        {"stratification-intervals", &pages.stratificationIntervalPage, -1},
        {"lan-module-switch", &pages.tileSelectorPage, -1},
        {"gas-type", &pages.tileSelectorPage, 0},
        {"solar-pump", &pages.tileSelectorPage, 1},
        {"circulation-pump", &pages.tileSelectorPage, 2},
        {"destratification-pump", &pages.tileSelectorPage, 3},
        {"proxy", &pages.tileSelectorPage, 4},
    };
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const Shown& shown : screens) {
            app.open(pages.mainPage);
            app.pageManager().removeParam(Params::PARAM_TILE_CHOICE); // the last round's choice
            if (shown.tileChoice >= 0) {
                Params::TileChoice choice = {shown.tileChoice};
                app.pageManager().setParam(choice);
            }
            app.open(*shown.page);
            render(shown.name, language);
        }
    }
}
} // namespace
