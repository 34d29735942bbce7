#include "gui/pages/ScreenTable.hpp"
#include "support/screen/RoadWalk.hpp"

#include <quillon/LanguageTable.hpp>

#include <gtest/gtest.h>

#include <cstring>

namespace
{
// The road table follows the tree: one row per page object, in its order, with its id.
TEST(Roads, TheTableHasARowForEveryPageObject)
{
    test::AppTestBed shell;
    ASSERT_EQ(roads::tableSize(), Pages::PAGE_OBJECT_COUNT);
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        SCOPED_TRACE(road.page);
        EXPECT_EQ(road.pageId, shell.pages().all()[i]->getId());
        EXPECT_TRUE(road.why == nullptr || road.touchCount == 0) << "a road with touches needs no reason";
    }
}

// Every road from start-up, touch by touch on the headless display, ends on its page object
// showing its own page id.
TEST(Roads, EveryRoadReachesItsPage)
{
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        if (road.why != nullptr) {
            continue;
        }
        SCOPED_TRACE(road.page);
        test::AppTestBed shell;
        shell.bed.frame().setCounting(false);
        roads::walk(shell, road.touches, road.touchCount);
        EXPECT_EQ(shell.pageManager().getCurrentPage(), shell.pages().all()[i]);
        EXPECT_EQ(shell.app.getShownPageId(), road.pageId);
        // The tour goes home between roads where it can, and starts afresh where it cannot.
        shell.bed.click(roads::HOME_TOUCH.x, roads::HOME_TOUCH.y);
        shell.bed.ticks(roads::HOME_TOUCH.frames);
        EXPECT_EQ(shell.app.getShownPageId() == uint16_t(PAGE_MAIN), road.homeReturns);
    }
}

// The language screen's touches switch the texts to each language and come home.
TEST(Roads, LanguageTouchesSwitchToEachLanguage)
{
    for (uint16_t language = 0; language < roads::LANGUAGE_COUNT; ++language) {
        SCOPED_TRACE(roads::languageName(language));
        test::AppTestBed shell;
        shell.bed.frame().setCounting(false);
        roads::Point touches[roads::MAX_LANGUAGE_TOUCHES];
        const uint32_t count = roads::languageTouches(language, touches);
        ASSERT_LE(count, roads::MAX_LANGUAGE_TOUCHES);
        roads::walk(shell, touches, count);
        EXPECT_EQ(quillon::LanguageTable::getLanguage(), language);
        EXPECT_EQ(shell.app.getShownPageId(), uint16_t(PAGE_MAIN));
        shell.app.setLanguage(1, false); // the beds start in English
    }
    EXPECT_EQ(roads::languageTouches(roads::LANGUAGE_COUNT, nullptr), 0u);
}
} // namespace
