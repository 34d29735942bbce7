#include "gui/screens/service/VentingView.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/popups/FillingVentingPopup.hpp"

namespace
{
const ProgrammeView<VentingPresenter>::Look LOOK = {VentingView::TITLE_TEXT, VentingView::HELP_TEXT,
                                                    VentingView::REQUEST_TEXT, FillingVentingPopup::MODE_VENTING};
} // namespace

VentingView::VentingView() : ProgrammeView<VentingPresenter>(LOOK)
{
}

void VentingView::start()
{
    presenter->startVenting();
}

void VentingView::onProgrammeEnded()
{
    if (pageManager == nullptr) {
        return;
    }
    Params::FillingVenting* request = pageManager->getParam<Params::FillingVenting>(nullptr);
    if (request == nullptr || request->request == 0) {
        pageManager->back();
        return;
    }
    Params::Commissioning* mask = pageManager->getParam<Params::Commissioning>(nullptr);
    if (mask != nullptr) {
        mask->mask |= VENTING_BIT;
    }
    request->request = 0;
    pageManager->backTo(true);
}
