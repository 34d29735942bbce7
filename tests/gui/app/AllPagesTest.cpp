#include "gui/app/FrontendHeap.hpp"
#include "gui/app/InterimPages.hpp"
#include "support/screen/AppTestBed.hpp"

#include <quillon/common/Meta.hpp>

#include <gtest/gtest.h>

namespace
{
const uint16_t FULL_ACCESS = 61;
const uint32_t FRAMES_PER_PAGE = 300;

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

// Every page id through the page switch at the highest access level: entered as the tree
// enters it (the page's own data stored), forced to the id when the page redirects, drawn
// and run for a few seconds of frames.
TEST(AllPages, EveryPageIdBuildsDrawsAndRunsAtTheHighestLevel)
{
    test::AppTestBed shell;
    shell.bed.frame().setCounting(false);
    for (uint16_t id = 0; id < InterimPages::PAGE_COUNT; ++id) {
        SCOPED_TRACE(testing::Message() << "page id " << id << " (" << InterimPages::stemOf(id) << ")");
        shell.pageManager().setAccessLevel(FULL_ACCESS);
        pagemanager::Page* page = pageObjectOf(shell.pages(), id);
        if (page != nullptr) {
            shell.open(*page);
        }
        if (shell.app.getShownPageId() != id) {
            shell.app.showPage(id);
            shell.bed.ticks(1);
        }
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
