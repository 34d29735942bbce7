#include "gui/screens/menu/ScreenFixture.hpp"

#include "support/screen/TextFit.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

#include <quillon/Texts.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "guicontrols/Gallery.hpp"

namespace
{
class SetpointPreview : public ::testing::Test, public screens::ScreenFixture
{
};

// The four setpoint screens in every language, titled with circuit 2.
TEST_F(SetpointPreview, EveryScreenFitsItsTextsInAllLanguages)
{
    Pages& pages = app.pages();
    struct Shown
    {
        const char* name;
        pagemanager::Page* page;
    };
    const Shown screens[] = {
        {"room", &pages.heatingRoomTempPage},
        {"reduced-room", &pages.heatingReducedRoomTempPage},
        {"comfort", &pages.heatingComfortTempPage},
        {"dhw", &pages.dhwBaseSetpointTempPage},
    };
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const Shown& shown : screens) {
            app.open(pages.mainPage);
            HeatingCircuitParam circuit = {};
            circuit.circuit = 1;
            app.pageManager().setParam(circuit);
            app.open(*shown.page);
            app.bed.ticks(2);
            quillon::Screen* screen = app.app.getCurrentScreen();
            ASSERT_NE(screen, nullptr);
            std::vector<quillon::Color> pixels = app.bed.frame().pixels();
            mkdir("screen-previews", 0755);
            mkdir("screen-previews/setpoint", 0755);
            const std::string file = std::string(shown.name) + "-" + std::to_string(language);
            EXPECT_TRUE(guicontrols::test::writeGalleryPng("../screen-previews/setpoint/" + file, 800, 480, pixels));
            for (const std::string& line : test::overwideTexts(screen->getRootContainer())) {
                ADD_FAILURE() << file << ": " << line;
            }
        }
    }
}
} // namespace
