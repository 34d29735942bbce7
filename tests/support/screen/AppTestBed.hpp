#ifndef TESTS_SUPPORT_SCREEN_APPTESTBED_HPP
#define TESTS_SUPPORT_SCREEN_APPTESTBED_HPP

#include "support/screen/ScreenTestBed.hpp"

#include "gui/app/FrontendHeap.hpp"

namespace test
{
// The real application on the headless display: the page tree, the page manager and every
// screen built by the page switch as in the program. A screen test of the shell:
//     AppTestBed app;
//     app.open(app.pages().mainMenuPage);   // built on the next frame
//     auto* view = app.screen<MenuView>();  // null while another screen is shown
//     app.bed.click(x, y); app.bed.ticks(1);
// The model is the bed's seeded one; deviceSends and pixels go through `bed`.
class AppTestBed
{
public:
    AppTestBed() : heap(bed.model()), app(heap.getApplication())
    {
        bed.frame().hal().setListener(&app);
        bed.ticks(1); // the start-up page
    }
    ~AppTestBed() { bed.frame().hal().setListener(nullptr); }
    AppTestBed(const AppTestBed&) = delete;
    AppTestBed& operator=(const AppTestBed&) = delete;

    // Goes to the page as a road through the tree does; its screen is built on the next frame.
    void open(pagemanager::Page& page, bool noHistory = false)
    {
        app.getPageManager().goTo(&page, noHistory);
        bed.ticks(1);
    }

    template <class V>
    V* screen()
    {
        return dynamic_cast<V*>(app.getCurrentScreen());
    }

    Pages& pages() { return app.getPages(); }
    pagemanager::PageManager& pageManager() { return app.getPageManager(); }

    ScreenTestBed bed;
    FrontendHeap heap;
    FrontendApplication& app;
};
} // namespace test

#endif
