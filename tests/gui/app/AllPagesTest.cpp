#include "gui/app/FrontendHeap.hpp"
#include "gui/app/PageSwitch.hpp"
#include "gui/common/GenericView.hpp"
#include "support/screen/RoadWalk.hpp"
#include "support/screen/TextFit.hpp"
#include "support/screen/TitleFit.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include <quillon/common/Meta.hpp>

#include <gtest/gtest.h>

#include <string>

namespace
{
const uint16_t FULL_ACCESS = 61;
const uint32_t FRAMES_PER_PAGE = 300;

// A road of the table that ends on a page object of the id; null when none does.
const roads::Road* roadTo(uint16_t id)
{
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        if (road.pageId == id && road.why == nullptr) {
            return &road;
        }
    }
    return nullptr;
}

// The first page object of the tree that shows the id; null for ids only the page switch knows.
pagemanager::Page* pageObjectOf(Pages& pages, uint16_t id)
{
    for (uint16_t i = 0; i < Pages::PAGE_OBJECT_COUNT; ++i) {
        if (pages.all()[i]->getId() == id) {
            return pages.all()[i];
        }
    }
    return nullptr;
}

// The page id at the highest access level: reached along its road, so it finds the parameters
// the touches on the way store; without a road entered as the tree enters it, or forced to the id.
void reach(test::AppTestBed& shell, uint16_t id)
{
    shell.pageManager().setAccessLevel(FULL_ACCESS);
    const roads::Road* road = roadTo(id);
    if (road != nullptr) {
        roads::walk(shell, road->touches, road->touchCount);
    } else if (pagemanager::Page* page = pageObjectOf(shell.pages(), id)) {
        shell.open(*page);
    }
    if (shell.app.getShownPageId() != id) {
        shell.app.showPage(id);
        shell.bed.ticks(1);
    }
}

// The name of the id's pictures: the id and the first page object that shows it.
std::string pictureName(uint16_t id)
{
    std::string name = std::to_string(id / 10) + std::to_string(id % 10);
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        if (roads::table()[i].pageId == id) {
            return name + "-" + roads::table()[i].page;
        }
    }
    return name;
}

// Every page id, then drawn and run for a few seconds of frames.
TEST(AllPages, EveryPageIdBuildsDrawsAndRunsAtTheHighestLevel)
{
    for (uint16_t id = 0; id < PAGE_COUNT; ++id) {
        SCOPED_TRACE(testing::Message() << "page id " << id);
        test::AppTestBed shell;
        shell.bed.frame().setCounting(false);
        reach(shell, id);
        ASSERT_EQ(shell.app.getShownPageId(), id);
        quillon::Screen* screen = shell.app.getCurrentScreen();
        ASSERT_NE(screen, nullptr);
        // Built in place in the heap's one view slot, which the largest view fits.
        EXPECT_EQ(dynamic_cast<void*>(screen), shell.heap.viewPartition.element(0));
        EXPECT_EQ(static_cast<void*>(shell.app.getCurrentPresenter()), shell.heap.presenterPartition.element(0));
        shell.app.invalidate();
        shell.bed.ticks(FRAMES_PER_PAGE);
        EXPECT_NE(shell.app.getCurrentScreen(), nullptr);
    }
}

// Every page id in one language as its road leaves it, kept as a picture under
// screen-previews/all-pages/<language>/, with no text wider than its field and no title cut.
// One test per language: each stays short on a small machine.
class AllPagesInLanguage : public ::testing::TestWithParam<uint16_t>
{
};

TEST_P(AllPagesInLanguage, EveryPageIdFitsItsTexts)
{
    const uint16_t language = GetParam();
    for (uint16_t id = 0; id < PAGE_COUNT; ++id) {
        SCOPED_TRACE(testing::Message() << roads::languageName(language) << ", page id " << id);
        test::AppTestBed shell;
        shell.bed.frame().setCounting(false);
        shell.bed.model().getGroups().settings.language.set(language);
        shell.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        reach(shell, id);
        ASSERT_EQ(shell.app.getShownPageId(), id);
        quillon::Screen* screen = shell.app.getCurrentScreen();
        ASSERT_NE(screen, nullptr);
        shell.app.invalidate();
        shell.bed.ticks(3);
        EXPECT_TRUE(test::writePreview(shell, std::string("all-pages/") + roads::languageName(language),
                                       pictureName(id)));
        for (const std::string& text : test::overwideTexts(screen->getRootContainer())) {
            ADD_FAILURE() << text;
        }
        if (const GenericView* view = dynamic_cast<const GenericView*>(screen)) {
            EXPECT_EQ(test::cutTitle(view->getTopBar()), "");
        }
    }
    // Page objects that share an id with an earlier one (the menus, the intervals, the notes)
    // show other contents: each gets a picture of its own, for the screenshot tour to compare.
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        const std::string name = std::to_string(road.pageId / 10) + std::to_string(road.pageId % 10) + "-" + road.page;
        if (road.why != nullptr || name == pictureName(road.pageId)) {
            continue;
        }
        SCOPED_TRACE(testing::Message() << roads::languageName(language) << ", " << road.page);
        test::AppTestBed shell;
        shell.bed.frame().setCounting(false);
        shell.bed.model().getGroups().settings.language.set(language);
        shell.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        shell.pageManager().setAccessLevel(FULL_ACCESS);
        roads::walk(shell, road.touches, road.touchCount);
        shell.app.invalidate();
        shell.bed.ticks(3);
        EXPECT_TRUE(test::writePreview(shell, std::string("all-pages/") + roads::languageName(language), name));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, AllPagesInLanguage, ::testing::Range<uint16_t>(0, roads::LANGUAGE_COUNT),
                         [](const ::testing::TestParamInfo<uint16_t>& info) {
                             return std::string(roads::languageName(info.param));
                         });

TEST(AllPages, HeapSlotsHoldTheLargestViewAndPresenter)
{
    test::AppTestBed shell;
    const uint32_t largestView = quillon::meta::LargestSize<FrontendHeap::Views>::value;
    const uint32_t largestPresenter = quillon::meta::LargestSize<FrontendHeap::Presenters>::value;
    EXPECT_GE(shell.heap.viewPartition.element_size(), largestView);
    EXPECT_GE(shell.heap.presenterPartition.element_size(), largestPresenter);
    EXPECT_EQ(shell.heap.viewPartition.capacity(), 1);
    EXPECT_EQ(shell.heap.presenterPartition.capacity(), 1);
}
} // namespace
