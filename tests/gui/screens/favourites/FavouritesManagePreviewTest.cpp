#include "gui/common/GenericView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "support/screen/TextFit.hpp"

#include <gtest/gtest.h>

namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

TEST(FavouritesPreviews, TheScreenInEveryLanguageFitsItsTexts)
{
    test::AppTestBed app;
    app.bed.model().getDeviceManager().setPresent(0); // a circuit: more lines to fit
    for (int language = 0; language < 10; ++language) {
        SCOPED_TRACE(LANGUAGES[language]);
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        app.open(app.pages().mainMenuPage);
        app.open(app.pages().favouritesManagePage);
        app.bed.ticks(2);
        GenericView* view = dynamic_cast<GenericView*>(app.app.getCurrentScreen());
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(test::writePreview(app, "favourites", std::string("FavouritesManage-") + LANGUAGES[language]));
        EXPECT_EQ(test::overwideTexts(view->getRootContainer()), std::vector<std::string>{});
    }
}
} // namespace
