#include "gui/screens/service/FillingView.hpp"

#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/FillingVentingPopup.hpp"

namespace
{
const ProgrammeView<FillingPresenter>::Look LOOK = {FillingView::TITLE_TEXT, FillingView::HELP_TEXT,
                                                    FillingView::REQUEST_TEXT, FillingVentingPopup::MODE_FILLING};
} // namespace

FillingView::FillingView() : ProgrammeView<FillingPresenter>(LOOK), endedByBack(false)
{
}

void FillingView::start()
{
    presenter->startFilling();
}

void FillingView::onProgrammeEnded()
{
    if (pageManager == nullptr) {
        return;
    }
    pagemanager::Page* venting = ShellPages::page(&Pages::ventingPage);
    if (isInWizard() && !endedByBack && venting != nullptr) {
        pageManager->goTo(venting, false);
    } else {
        pageManager->back();
    }
}
