#include "gui/app/PageSwitch.hpp"

#include "gui/app/BuildScreen.hpp"
#include "gui/app/FrontendApplication.hpp"
#include "gui/app/FrontendHeap.hpp"
#include "gui/app/InterimPages.hpp"
#include "gui/app/InterimPresenter.hpp"
#include "gui/app/InterimView.hpp"
#include "model/DataModelManager.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramTypeSelectionPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramTypeSelectionView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramTypeSelectionPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramTypeSelectionView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewView.hpp"

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
    case 17:
        buildScreen<DHWCirculationTimeProgramCopyView, DHWCirculationTimeProgramCopyPresenter>(screen, presenter, heap, transition, model);
        break;
    case 18:
        buildScreen<DHWCirculationTimeProgramEditView, DHWCirculationTimeProgramEditPresenter>(screen, presenter, heap, transition, model);
        break;
    case 19:
        buildScreen<DHWCirculationTimeProgramOverviewView, DHWCirculationTimeProgramOverviewPresenter>(screen, presenter, heap, transition, model);
        break;
    case 20:
        buildScreen<DHWCirculationTimeProgramTypeSelectionView, DHWCirculationTimeProgramTypeSelectionPresenter>(screen, presenter, heap, transition, model);
        break;
    case 22:
        buildScreen<DHWTimeProgramCopyView, DHWTimeProgramCopyPresenter>(screen, presenter, heap, transition, model);
        break;
    case 23:
        buildScreen<DHWTimeProgramEditView, DHWTimeProgramEditPresenter>(screen, presenter, heap, transition, model);
        break;
    case 24:
        buildScreen<DHWTimeProgramOverviewView, DHWTimeProgramOverviewPresenter>(screen, presenter, heap, transition, model);
        break;
    case 25:
        buildScreen<DHWTimeProgramTypeSelectionView, DHWTimeProgramTypeSelectionPresenter>(screen, presenter, heap, transition, model);
        break;
    case 38:
        buildScreen<HeatingTimeProgramCopyView, HeatingTimeProgramCopyPresenter>(screen, presenter, heap, transition, model);
        break;
    case 39:
        buildScreen<HeatingTimeProgramEditView, HeatingTimeProgramEditPresenter>(screen, presenter, heap, transition, model);
        break;
    case 40:
        buildScreen<HeatingTimeProgramOverviewView, HeatingTimeProgramOverviewPresenter>(screen, presenter, heap, transition, model);
        break;
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
