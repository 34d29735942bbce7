#include "gui/common/GenericView.hpp"
#include "gui/common/HeatingTitleFunctor.hpp"
#include "gui/screens/timeprogram/TimeProgramDays.hpp"
#include "support/screen/RoadWalk.hpp"
#include "support/screen/TitleFit.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/hal/HAL.hpp>

#include <gtest/gtest.h>

// No title the panel builds from its texts may be cut with "...", in any language. The
// all-pages walk checks the first road to every page id; these check what it leaves out.
namespace
{
void chooseLanguage(test::AppTestBed& shell, uint16_t language)
{
    shell.bed.model().getGroups().settings.language.set(language);
    shell.bed.setLanguage(static_cast<quillon::LanguageId>(language));
}

// A second road to a page id already reached: one screen serving two menu entries, say
// the circulation and the hot-water time-program selection.
bool sharesItsPageId(uint32_t index)
{
    for (uint32_t i = 0; i < index; ++i) {
        const roads::Road& earlier = roads::table()[i];
        if (earlier.pageId == roads::table()[index].pageId && earlier.why == nullptr) {
            return true;
        }
    }
    return false;
}

TEST(TitleFit, EverySecondRoadToAPageIdEndsUnderAWholeTitleInEveryLanguage)
{
    uint32_t walked = 0;
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        if (road.why != nullptr || !sharesItsPageId(i)) {
            continue;
        }
        ++walked;
        for (uint16_t language = 0; language < roads::LANGUAGE_COUNT; ++language) {
            test::AppTestBed shell;
            shell.bed.frame().setCounting(false);
            chooseLanguage(shell, language);
            roads::walk(shell, road.touches, road.touchCount);
            const GenericView* view = dynamic_cast<const GenericView*>(shell.app.getCurrentScreen());
            ASSERT_NE(view, nullptr) << road.page;
            EXPECT_EQ(test::cutTitle(view->getTopBar()), "") << roads::languageName(language) << ", " << road.page;
        }
    }
    EXPECT_GT(walked, 0u);
}

// The roads reach Monday only; the weekday names differ in length.
TEST(TitleFit, TimeProgramTitleOfEveryWeekdayIsWhole)
{
    test::AppTestBed shell;
    for (uint16_t language = 0; language < roads::LANGUAGE_COUNT; ++language) {
        chooseLanguage(shell, language);
        for (uint8_t day = 0; day < TimeProgramStore::DAYS; ++day) {
            guicontrols::TopBar bar(0, 0, static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH), GenericView::TOP_BAR_HEIGHT);
            quillon::WideChar title[TimeProgramDays::TITLE_UNITS];
            TimeProgramDays::formatTitle(title, day);
            HeatingTitleFunctor functor;
            functor(bar, title);
            EXPECT_EQ(test::cutTitle(bar), "") << roads::languageName(language) << ", day " << int(day);
        }
    }
}

// "<consumption> of the last" and, in orange, the period: every pair the charts can show.
TEST(TitleFit, PeriodTitlesEndInsideTheBar)
{
    const quillon::TextId titles[] = {918, 949, 1095, 1110, 1112, 1130};
    const quillon::TextId periods[] = {1137, 1171, 1041, 1001, 1131, 1138};
    test::AppTestBed shell;
    for (uint16_t language = 0; language < roads::LANGUAGE_COUNT; ++language) {
        chooseLanguage(shell, language);
        for (quillon::TextId title : titles) {
            for (quillon::TextId period : periods) {
                guicontrols::TopBar bar(0, 0, static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH),
                                        GenericView::TOP_BAR_HEIGHT);
                bar.setTitleSegments(quillon::TypedText(title).getText(), 0, quillon::TypedText(period).getText(), 0,
                                     nullptr, 0, nullptr, 0);
                EXPECT_EQ(test::cutTitle(bar), "") << roads::languageName(language) << ", " << title << " " << period;
            }
        }
    }
}
} // namespace
