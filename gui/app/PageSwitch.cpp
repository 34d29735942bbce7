#include "gui/app/PageSwitch.hpp"

#include "gui/app/BuildScreen.hpp"
#include "gui/app/FrontendApplication.hpp"
#include "gui/app/FrontendHeap.hpp"
#include "gui/app/InterimPages.hpp"
#include "gui/app/InterimPresenter.hpp"
#include "gui/app/InterimView.hpp"
#include "gui/screens/menu/CPSelectionView.hpp"
#include "gui/screens/menu/CPSelectionPresenter.hpp"
#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/menu/HCSelectionPresenter.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuPresenter.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/menu/MenuPresenter.hpp"
#include "gui/screens/menu/TileSelectorView.hpp"
#include "gui/screens/menu/TileSelectorPresenter.hpp"
#include "gui/screens/setpoint/DHWBaseSetpointTempView.hpp"
#include "gui/screens/setpoint/DHWBaseSetpointTempPresenter.hpp"
#include "gui/screens/menu/DHWSelectionView.hpp"
#include "gui/screens/menu/DHWSelectionPresenter.hpp"
#include "gui/screens/setpoint/HeatingComfortTempView.hpp"
#include "gui/screens/setpoint/HeatingComfortTempPresenter.hpp"
#include "gui/screens/menu/HeatingMenuView.hpp"
#include "gui/screens/menu/HeatingMenuPresenter.hpp"
#include "gui/screens/setpoint/HeatingReducedRoomTempView.hpp"
#include "gui/screens/setpoint/HeatingReducedRoomTempPresenter.hpp"
#include "gui/screens/setpoint/HeatingRoomTempView.hpp"
#include "gui/screens/setpoint/HeatingRoomTempPresenter.hpp"
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
    case 11: buildScreen<CPSelectionView, CPSelectionPresenter>(screen, presenter, heap, transition, model); break;
    case 12: buildScreen<HCSelectionView, HCSelectionPresenter>(screen, presenter, heap, transition, model); break;
    case 13: buildScreen<IntervalSelectionMenuView, IntervalSelectionMenuPresenter>(screen, presenter, heap, transition, model); break;
    case 14: buildScreen<MenuView, MenuPresenter>(screen, presenter, heap, transition, model); break;
    case 15: buildScreen<TileSelectorView, TileSelectorPresenter>(screen, presenter, heap, transition, model); break;
    case 16: buildScreen<DHWBaseSetpointTempView, DHWBaseSetpointTempPresenter>(screen, presenter, heap, transition, model); break;
    case 21: buildScreen<DHWSelectionView, DHWSelectionPresenter>(screen, presenter, heap, transition, model); break;
    case 31: buildScreen<HeatingComfortTempView, HeatingComfortTempPresenter>(screen, presenter, heap, transition, model); break;
    case 34: buildScreen<HeatingMenuView, HeatingMenuPresenter>(screen, presenter, heap, transition, model); break;
    case 36: buildScreen<HeatingReducedRoomTempView, HeatingReducedRoomTempPresenter>(screen, presenter, heap, transition, model); break;
    case 37: buildScreen<HeatingRoomTempView, HeatingRoomTempPresenter>(screen, presenter, heap, transition, model); break;
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
