#include "gui/app/PageSwitch.hpp"

#include "gui/app/BuildScreen.hpp"
#include "gui/app/FrontendApplication.hpp"
#include "gui/app/FrontendHeap.hpp"
#include "gui/app/InterimPages.hpp"
#include "gui/app/InterimPresenter.hpp"
#include "gui/app/InterimView.hpp"
#include "gui/screens/favourites/FavouritesMainView.hpp"
#include "gui/screens/main/MainView.hpp"
#include "model/DataModelManager.hpp"

namespace
{
void buildInterimScreen(uint16_t pageId, quillon::Screen*& screen, quillon::Presenter*& presenter,
                        FrontendHeap& heap, quillon::Transition*& transition, model::DataModelManager& model)
{
    InterimView& view = buildScreen<InterimView, InterimPresenter>(screen, presenter, heap, transition, model);
    view.setPageId(pageId);
    startNewScreen(*screen, *presenter, *transition);
}
} // namespace

void createScreenForPage(uint32_t pageId, quillon::Screen*& screen, quillon::Presenter*& presenter,
                         FrontendHeap& heap, quillon::Transition*& transition, model::DataModelManager& model)
{
    if (pageId >= InterimPages::PAGE_COUNT) {
        return;
    }
    const uint16_t id = static_cast<uint16_t>(pageId);
    if (InterimPages::isInterim(id)) {
        buildInterimScreen(id, screen, presenter, heap, transition, model);
        return;
    }
    // One line per built screen: its page id, its view and its presenter.
    switch (id) {
    case 29: buildScreen<FavouritesMainView, FavouritesMainPresenter>(screen, presenter, heap, transition, model); break;
    case 51: buildScreen<MainView, MainPresenter>(screen, presenter, heap, transition, model); break;
    default:
        buildInterimScreen(id, screen, presenter, heap, transition, model);
        return;
    }
    startNewScreen(*screen, *presenter, *transition);
}

void tearDownCurrentScreen(quillon::Screen*& screen, quillon::Presenter*& presenter, FrontendHeap& heap,
                           quillon::Transition*& transition)
{
    FrontendApplication& application = heap.getApplication();
    application.clearTimers();
    application.clearAllTimerWidgets();
    if (transition != nullptr) {
        transition->tearDown();
        transition->~Transition();
    }
    if (screen != nullptr) {
        screen->tearDown();
    }
    if (presenter != nullptr) {
        presenter->deactivate();
    }
    if (screen != nullptr) {
        screen->~Screen();
    }
    if (presenter != nullptr) {
        presenter->~Presenter();
    }
    transition = nullptr;
    screen = nullptr;
    presenter = nullptr;
}

void startNewScreen(quillon::Screen& screen, quillon::Presenter& presenter, quillon::Transition& transition)
{
    presenter.activate();
    screen.setUp();
    screen.bindTransition(transition);
    transition.init();
    quillon::Application::getInstance()->invalidate();
}
