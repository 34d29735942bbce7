#include "gui/screens/service/ProgrammeView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ModeLayout.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/popups/FillingVentingPopup.hpp"
#include "gui/screens/service/FillingPresenter.hpp"
#include "gui/screens/service/VentingPresenter.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const uint8_t QUESTION_LEVEL = 1;
} // namespace

template <class P>
ProgrammeView<P>::ProgrammeView(const Look& look)
    : BaseView<P>(&Functors::getInstance().plain), look(look), started(false), entered(false), leaving(false)
{
}

template <class P>
const quillon::WideChar* ProgrammeView<P>::getHelpText()
{
    return quillon::TypedText(look.help).getText();
}

template <class P>
void ProgrammeView<P>::setupContent(guicontrols::Content& area)
{
    ModeLayout::placeFrame(area, panel);
    icon.setBitmap(quillon::Bitmap(ICON));
    icon.setY(ICON_Y);
    guicontrols::Frame::centerHorizontally(area, icon);
    heading.setTextId(quillon::TypedText(HEADING_TEXT));
    heading.setAlignment(quillon::CENTER);
    heading.setPosition(0, HEADING_Y, area.getWidth(), static_cast<int16_t>(heading.getTextHeight()));
    requestLine.setTextId(quillon::TypedText(look.request));
    ModeLayout::placeLine(area, requestLine, REQUEST_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
    endLine.setTextId(quillon::TypedText(END_TEXT));
    ModeLayout::placeLine(area, endLine, END_Y, LINE_HEIGHT, ModeLayout::MIDDLE);
    area.add(panel);
    area.add(icon);
    area.add(heading);
    area.add(requestLine);
    area.add(endLine);

    // The entry decisions belong to the first build only: the content is built again after
    // the help text, and must not ask a second time then.
    if (entered || this->presenter == nullptr) {
        return;
    }
    entered = true;
    if (!this->presenter->isReleased()) {
        leave();
        return;
    }
    if (this->presenter->checkReadyToAsk()) {
        showQuestion();
    }
}

template <class P>
void ProgrammeView<P>::showQuestion()
{
    FillingVentingPopup::setMode(look.popupMode);
    pagemanager::IPopupManager* popups = this->pageManager != nullptr ? this->pageManager->getPopupManager() : nullptr;
    if (popups != nullptr) {
        popups->close(QUESTION_POPUP);
        popups->show(QUESTION_POPUP, QUESTION_LEVEL);
    }
    // On entry itself, not a frame later.
    this->updatePopupContainer();
}

template <class P>
bool ProgrammeView<P>::isConfirmed()
{
    if (this->presenter == nullptr || !this->presenter->isQuestionAsked()) {
        return false;
    }
    pagemanager::IPopupManager* popups = this->pageManager != nullptr ? this->pageManager->getPopupManager() : nullptr;
    return popups != nullptr && !popups->isActive(QUESTION_POPUP);
}

template <class P>
void ProgrammeView<P>::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    if (isInWizard()) {
        bar.clearButton(GenericView::HOME_BUTTON);
    }
    bar.setButtonIcon(GenericView::HELP_BUTTON, GenericView::HELP_ICON);
    bar.setButtonIcon(OK_BUTTON, OK_ICON);
}

template <class P>
void ProgrammeView<P>::onBottomBarButton(int index)
{
    if (this->presenter == nullptr) {
        return;
    }
    switch (index) {
    case GenericView::BACK_BUTTON:
        onBackPressed();
        this->presenter->stop();
        break;
    case GenericView::HOME_BUTTON:
    case OK_BUTTON:
        this->presenter->stop();
        break;
    default:
        GenericView::onBottomBarButton(index);
        break;
    }
}

template <class P>
void ProgrammeView<P>::refresh()
{
    if (this->presenter == nullptr || leaving) {
        return;
    }
    P& run = *this->presenter;
    if (!started) {
        if (!run.isReleased()) {
            leave();
            return;
        }
        if (run.isRunning() && !isConfirmed()) {
            started = true; // started elsewhere, or on an earlier visit
        }
    }
    if (started && !run.isRunning()) {
        leaving = true;
        onProgrammeEnded();
        return;
    }
    if (run.isReleased() && !started && isConfirmed()) {
        start();
        started = true;
    }
}

template <class P>
bool ProgrammeView<P>::isInWizard()
{
    const Params::FillingVenting* request =
        this->pageManager != nullptr ? this->pageManager->template getParam<Params::FillingVenting>(nullptr) : nullptr;
    return request != nullptr && request->request != 0;
}

template <class P>
void ProgrammeView<P>::leave()
{
    leaving = true;
    if (this->pageManager != nullptr) {
        this->pageManager->back();
    }
}

template class ProgrammeView<FillingPresenter>;
template class ProgrammeView<VentingPresenter>;
