#include "gui/screens/heating/ScreenDriving.hpp"
#include "gui/screens/info/InfoListBed.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/screens/cylinder/CylinderHistoryView.hpp"
#include "gui/screens/cylinder/CylinderMinMaxView.hpp"
#include "gui/screens/cylinder/CylinderStratificationView.hpp"
#include "model/devices/DeviceIds.hpp"

#include "support/screen/TextFit.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

class CylinderPreviews : public ::testing::Test, public info::InfoListBed
{
};

// The five views of the minimum/maximum screen with five sensors and a valid reset time, in
// every language: pictures kept, a text wider than its field fails.
TEST_F(CylinderPreviews, TheMinimumAndMaximumViewsInEveryLanguageFitTheirTexts)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_BOILER_4});
    app.bed.deviceSends(groups().cylinder.minMaxDate.getId(), std::uint32_t{1700000000});
    for (int language = 0; language < 10; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (std::uint32_t view = 0; view <= CylinderMinMaxView::RESET_VIEW; ++view) {
            SCOPED_TRACE(std::to_string(view) + " " + LANGUAGES[language]);
            if (app.pageManager().getCurrentPage() == &app.pages().cylinderMinMaxPage) {
                app.pageManager().back();
                app.bed.ticks(1);
            }
            app.pageManager().setParam(IntervalSelection{view, 0});
            CylinderMinMaxView* shown = openPage<CylinderMinMaxView>(app.pages().cylinderMinMaxPage);
            ASSERT_NE(shown, nullptr);
            const std::string name = "CylinderMinMax" + std::to_string(view) + "-" + LANGUAGES[language];
            EXPECT_TRUE(test::writePreview(app, "cylinder", name));
            EXPECT_EQ(test::overwideTexts(shown->getRootContainer()), std::vector<std::string>{});
            if (view != CylinderMinMaxView::RESET_VIEW) {
                scrollToEnd(*shown);
                EXPECT_TRUE(test::writePreview(app, "cylinder", name + "-end"));
            }
        }
    }
}

// The history and stratification charts of each interval, with five sensors and the seeded
// series, in every language: pictures kept, a text wider than its field fails.
TEST_F(CylinderPreviews, TheChartsInEveryLanguageFitTheirTexts)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_BOILER_4});
    const std::uint32_t intervals[] = {INTERVAL_24_HOURS, INTERVAL_7_DAYS, INTERVAL_30_DAYS};
    struct Chart
    {
        const char* name;
        pagemanager::Page* page;
    };
    const Chart charts[] = {{"CylinderHistory", &app.pages().cylinderHistoryPage},
                            {"CylinderStratification", &app.pages().stratificationPage}};
    for (int language = 0; language < 10; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const Chart& chart : charts) {
            for (std::uint32_t interval : intervals) {
                SCOPED_TRACE(std::string(chart.name) + std::to_string(interval) + " " + LANGUAGES[language]);
                if (app.pageManager().getCurrentPage() == chart.page) {
                    app.pageManager().back();
                    app.bed.ticks(1);
                }
                app.pageManager().setParam(IntervalSelection{interval, 0});
                GenericView* shown = openPage<GenericView>(*chart.page);
                ASSERT_NE(shown, nullptr);
                EXPECT_TRUE(test::writePreview(app, "cylinder", chart.name + std::to_string(interval) + "-" +
                                                                    LANGUAGES[language]));
                EXPECT_EQ(test::overwideTexts(shown->getRootContainer()), std::vector<std::string>{});
            }
        }
    }
}

} // namespace
