#include "gui/screens/heating/HeatingCurveView.hpp"
#include "gui/screens/heating/HeatingHolidayProgramView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "support/screen/TextFit.hpp"

#include <gtest/gtest.h>

namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

// Every screen of the family in every language: the pictures are kept, a text wider than
// its field fails.
TEST(HeatingPreviews, EveryScreenInEveryLanguageFitsItsTexts)
{
    struct Screen { const char* name; pagemanager::Page& (*page)(Pages&); };
    const Screen screens[] = {
        {"HeatingCurve", [](Pages& p) -> pagemanager::Page& { return p.heatingCurvePage; }},
        {"HeatingHolidayProgram", [](Pages& p) -> pagemanager::Page& { return p.heatingHolidayProgramPage; }},
        {"HeatingOperatingProgram", [](Pages& p) -> pagemanager::Page& { return p.heatingOperatingProgramPage; }},
    };
    test::AppTestBed app;
    for (int language = 0; language < 10; ++language) {
        for (const Screen& screen : screens) {
            SCOPED_TRACE(std::string(screen.name) + " " + LANGUAGES[language]);
            app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
            app.open(app.pages().mainMenuPage);
            app.open(screen.page(app.pages()));
            app.bed.ticks(2);
            quillon::Screen* shown = app.app.getCurrentScreen();
            ASSERT_NE(shown, nullptr);
            EXPECT_TRUE(test::writePreview(app, "heating", std::string(screen.name) + "-" + LANGUAGES[language]));
            GenericView* view = dynamic_cast<GenericView*>(shown);
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(test::overwideTexts(view->getRootContainer()), std::vector<std::string>{});
        }
    }
}
} // namespace
