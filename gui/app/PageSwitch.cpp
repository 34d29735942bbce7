#include "gui/app/PageSwitch.hpp"

#include "gui/app/BuildScreen.hpp"
#include "gui/app/FrontendApplication.hpp"
#include "gui/app/FrontendHeap.hpp"
#include "gui/app/InterimPages.hpp"
#include "gui/app/InterimPresenter.hpp"
#include "gui/app/InterimView.hpp"
#include "model/DataModelManager.hpp"
#include "gui/screens/favourites/FavouritesManagePresenter.hpp"
#include "gui/screens/favourites/FavouritesManageView.hpp"
#include "gui/screens/heating/HeatingCurvePresenter.hpp"
#include "gui/screens/heating/HeatingCurveView.hpp"
#include "gui/screens/heating/HeatingHolidayProgramPresenter.hpp"
#include "gui/screens/heating/HeatingHolidayProgramView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramPresenter.hpp"
#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/contact/ContactDataShowPresenter.hpp"
#include "gui/screens/contact/ContactDataShowView.hpp"

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
    case 30: buildScreen<FavouritesManageView, FavouritesManagePresenter>(screen, presenter, heap, transition, model); break;
    case 32: buildScreen<HeatingCurveView, HeatingCurvePresenter>(screen, presenter, heap, transition, model); break;
    case 33: buildScreen<HeatingHolidayProgramView, HeatingHolidayProgramPresenter>(screen, presenter, heap, transition, model); break;
    case 35: buildScreen<HeatingOperatingProgramView, HeatingOperatingProgramPresenter>(screen, presenter, heap, transition, model); break;
    case 41: buildScreen<ContactDataShowView, ContactDataShowPresenter>(screen, presenter, heap, transition, model); break;
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
