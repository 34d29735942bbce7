#ifndef GUI_APP_BUILDSCREEN_HPP
#define GUI_APP_BUILDSCREEN_HPP

#include "gui/app/FrontendHeap.hpp"
#include "gui/app/PageSwitch.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/NoTransition.hpp>

#include <new>

// Tears the current screen down and builds the next one in the heap's slots: the view first,
// then its presenter, bound to each other and to the model. The caller may still prepare the
// view before startNewScreen activates and sets it up.
template <class V, class P>
V& buildScreen(quillon::Screen*& screen, quillon::Presenter*& presenter, FrontendHeap& heap,
               quillon::Transition*& transition, model::DataModelManager& model)
{
    static_assert(FrontendHeap::fitsView<V>() && FrontendHeap::fitsPresenter<P>(),
                  "grow the heap's slots (FrontendHeap.hpp) to hold the screen");
    tearDownCurrentScreen(screen, presenter, heap, transition);
    quillon::NoTransition* newTransition = new (heap.transitionPartition.element(0)) quillon::NoTransition();
    V* view = new (heap.viewPartition.element(0)) V();
    P* newPresenter = new (heap.presenterPartition.element(0)) P(*view);
    transition = newTransition;
    presenter = newPresenter;
    screen = view;
    model.bind(newPresenter);
    newPresenter->bind(&model);
    view->bind(*newPresenter);
    return *view;
}

#endif
