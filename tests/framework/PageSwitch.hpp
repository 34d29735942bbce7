#ifndef QUILLON_TEST_FRAMEWORK_PAGESWITCH_HPP
#define QUILLON_TEST_FRAMEWORK_PAGESWITCH_HPP

#include <quillon/Application.hpp>
#include <quillon/MVPHeap.hpp>
#include <quillon/NoTransition.hpp>
#include <quillon/Presenter.hpp>
#include <quillon/Screen.hpp>

#include <new>

namespace quillon
{
namespace test
{
// The screen change the application shell runs, without a model: tear the old page down,
// build the new one in slot 0 of the heap's partitions, bind it and enter it.
inline void leaveCurrentScreen(Application& app, Screen*& screen, Presenter*& presenter, Transition*& transition)
{
    app.clearAllTimerWidgets();
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
}

inline void enterNewScreen(Application& app, Screen& screen, Presenter& presenter, Transition& transition)
{
    presenter.activate();
    screen.setUp();
    screen.bindTransition(transition);
    transition.init();
    app.invalidate();
}

// V is a View<...> over P's base; P's constructor takes the view.
template <class V, class P>
P* createScreen(Screen*& screen, Presenter*& presenter, MVPHeap& heap, Transition*& transition)
{
    leaveCurrentScreen(heap.application, screen, presenter, transition);
    NoTransition* newTransition = new (heap.transitionPartition.at<NoTransition>(0)) NoTransition();
    V* view = new (heap.viewPartition.at<V>(0)) V();
    P* newPresenter = new (heap.presenterPartition.at<P>(0)) P(*view);
    transition = newTransition;
    presenter = newPresenter;
    screen = view;
    view->bind(*newPresenter);
    enterNewScreen(heap.application, *view, *newPresenter, *newTransition);
    return newPresenter;
}
} // namespace test
} // namespace quillon

#endif
