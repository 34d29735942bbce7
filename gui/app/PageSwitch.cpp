#include "gui/app/PageSwitch.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/app/FrontendHeap.hpp"
#include "gui/app/InterimPages.hpp"
#include "gui/app/InterimPresenter.hpp"
#include "gui/app/InterimView.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/NoTransition.hpp>

#include <new>

namespace
{
void buildInterimScreen(uint16_t pageId, quillon::Screen*& screen, quillon::Presenter*& presenter,
                        FrontendHeap& heap, quillon::Transition*& transition, model::DataModelManager& model)
{
    tearDownCurrentScreen(screen, presenter, heap, transition);
    quillon::NoTransition* newTransition = new (heap.transitionPartition.element(0)) quillon::NoTransition();
    InterimView* view = new (heap.viewPartition.element(0)) InterimView();
    view->setPageId(pageId);
    InterimPresenter* newPresenter = new (heap.presenterPartition.element(0)) InterimPresenter(*view);
    transition = newTransition;
    presenter = newPresenter;
    screen = view;
    model.bind(newPresenter);
    newPresenter->bind(&model);
    view->bind(*newPresenter);
    startNewScreen(*view, *newPresenter, *newTransition);
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
    }
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
