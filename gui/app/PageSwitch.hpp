#ifndef GUI_APP_PAGESWITCH_HPP
#define GUI_APP_PAGESWITCH_HPP

#include "gui/pages/ScreenTable.hpp"

#include <quillon/Presenter.hpp>
#include <quillon/Screen.hpp>
#include <quillon/Transition.hpp>

#include <stdint.h>

class FrontendHeap;

namespace model
{
class DataModelManager;
}

// Builds the screen of a page id of the screen table in place in the heap; a larger id
// builds nothing and the current screen stays.
void createScreenForPage(uint32_t pageId, quillon::Screen*& screen, quillon::Presenter*& presenter,
                         FrontendHeap& heap, quillon::Transition*& transition, model::DataModelManager& model);

// Timers and timer widgets stop before the old screen goes, and the old presenter is
// deactivated before the new one is built: subscriptions never overlap.
void tearDownCurrentScreen(quillon::Screen*& screen, quillon::Presenter*& presenter, FrontendHeap& heap,
                           quillon::Transition*& transition);
void startNewScreen(quillon::Screen& screen, quillon::Presenter& presenter, quillon::Transition& transition);

#endif
