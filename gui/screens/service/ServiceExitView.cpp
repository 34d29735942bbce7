#include "gui/screens/service/ServiceExitView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"

#include <quillon/TypedText.hpp>

ServiceExitView::ServiceExitView()
    : BaseView<ServiceExitPresenter>(&Functors::getInstance().plain), contentPending(true)
{
}

void ServiceExitView::setupContent(guicontrols::Content& area)
{
    // Built here, shown from the first tick on.
    ModeLayout::placeFrame(area, panel);
    notice.setTextId(quillon::TypedText(NOTICE_TEXT));
    ModeLayout::placeLine(area, notice, NOTICE_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
    question.setTextId(quillon::TypedText(QUESTION_TEXT));
    ModeLayout::placeLine(area, question, QUESTION_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
}

void ServiceExitView::refresh()
{
    if (!contentPending) {
        return;
    }
    contentPending = false;
    content.add(panel);
    content.add(notice);
    content.add(question);
    content.invalidate();
}

void ServiceExitView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(HOME_BUTTON);
    bar.setButtonIcon(OK_BUTTON, OK_ICON);
}

void ServiceExitView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    pagemanager::Page* startup = ShellPages::page(&Pages::startupPage);
    if (presenter == nullptr || pageManager == nullptr || startup == nullptr) {
        return;
    }
    presenter->requestCommissioning();
    pageManager->reset();
    pageManager->goTo(startup, true);
}
