#include "HomeBed.hpp"

#include "gui/screens/favourites/FavouritesMainView.hpp"
#include "support/screen/TextFit.hpp"
#include "../menu/TileWords.hpp"
#include "../../../guicontrols/Gallery.hpp"

#include <quillon/LanguageTable.hpp>

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

// Every screen of the home pages in the ten languages, kept as pictures under
// screen-previews/main; a text wider than its field fails.
namespace
{
const char* const LANGUAGE_NAMES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

void keep(test::AppTestBed& app, const std::string& name)
{
    mkdir("screen-previews", 0755);
    mkdir("screen-previews/main", 0755);
    std::vector<quillon::Color> pixels = app.bed.frame().pixels();
    EXPECT_TRUE(guicontrols::test::writeGalleryPng("../screen-previews/main/" + name, 800, 480, pixels));
}

TEST(HomePreview, AllLanguagesFit)
{
    for (uint16_t language = 0; language < 10; ++language) {
        SCOPED_TRACE(LANGUAGE_NAMES[language]);
        test::HomeBed home;
        home.device(MainPresenter::DEVICE_LAN_MODULE, true);
        home.device(MainPresenter::DEVICE_OUTSIDE_TEMPERATURE, true);
        home.send(test::HomeBed::HOLIDAY, std::uint8_t{1});
        home.app.app.setLanguage(language, false);
        home.reenter();
        home.ticks(251); // the status line shows once
        ASSERT_NE(home.view(), nullptr);
        EXPECT_EQ(test::overwideTexts(home.view()->getRootContainer()), std::vector<std::string>());
        keep(home.app, std::string("home-") + LANGUAGE_NAMES[language]);

        home.ticks(251); // and the boiler line
        EXPECT_EQ(test::overwideTexts(home.view()->getRootContainer()), std::vector<std::string>());

        // Every favourite available and chosen: both favourites pages.
        for (std::uint32_t flag : {0u, 1u, 2u, 9u, 10u, 11u, 28u}) {
            home.device(flag, true);
        }
        home.groups().settings.favourites.set(0x7FF);
        home.click(test::HomeBed::LEFT_ARROW_X, test::HomeBed::BAR_Y);
        home.ticks(1);
        FavouritesMainView* favourites = home.app.screen<FavouritesMainView>();
        ASSERT_NE(favourites, nullptr);
        EXPECT_EQ(test::overwideTexts(favourites->getRootContainer()), std::vector<std::string>());
        EXPECT_EQ(test::TileWords::brokenCaptions(favourites->getRootContainer()), std::vector<std::string>());
        keep(home.app, std::string("favourites2-") + LANGUAGE_NAMES[language]);
        home.click(test::HomeBed::LEFT_ARROW_X, test::HomeBed::BAR_Y);
        EXPECT_EQ(test::overwideTexts(favourites->getRootContainer()), std::vector<std::string>());
        EXPECT_EQ(test::TileWords::brokenCaptions(favourites->getRootContainer()), std::vector<std::string>());
        keep(home.app, std::string("favourites1-") + LANGUAGE_NAMES[language]);
    }
}
} // namespace
