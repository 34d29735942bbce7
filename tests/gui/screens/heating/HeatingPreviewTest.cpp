#include "gui/screens/heating/HeatingCurveView.hpp"
#include "gui/screens/heating/HeatingHolidayProgramView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "support/screen/TextFit.hpp"
#include "../menu/TileWords.hpp"

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
            EXPECT_EQ(test::TileWords::brokenCaptions(view->getRootContainer()), std::vector<std::string>{});
            if (auto* holiday = dynamic_cast<HeatingHolidayProgramView*>(view)) {
                // Captions and weekdays whole, descenders included.
                EXPECT_EQ(test::clippedTexts(const_cast<guicontrols::HolidayProgramOverview&>(holiday->getEditor())),
                          std::vector<std::string>{});
            }
        }
        // The operating program's two notices: an external program, an external connection.
        struct Notice { const char* name; std::uint8_t program; std::uint8_t info; };
        for (const Notice& notice : {Notice{"ExternalControl", 5, 0}, Notice{"ExternalConnection", 2, 0x02}}) {
            SCOPED_TRACE(std::string(notice.name) + " " + LANGUAGES[language]);
            hc_info info{};
            info.bytes[0] = notice.info;
            app.bed.deviceSends(82, notice.program);
            app.bed.deviceSends(85, info);
            app.open(app.pages().mainMenuPage);
            app.open(app.pages().heatingOperatingProgramPage);
            app.bed.ticks(2);
            auto* view = app.screen<HeatingOperatingProgramView>();
            ASSERT_NE(view, nullptr);
            EXPECT_FALSE(view->showsTiles());
            EXPECT_TRUE(test::writePreview(app, "heating",
                                           std::string("HeatingOperatingProgram-") + notice.name + "-" + LANGUAGES[language]));
            EXPECT_EQ(test::overwideTexts(view->getRootContainer()), std::vector<std::string>{});
        }
        app.bed.deviceSends(82, std::uint8_t{2});
        app.bed.deviceSends(85, hc_info{});
    }
}
} // namespace
