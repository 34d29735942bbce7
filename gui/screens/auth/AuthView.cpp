#include "gui/screens/auth/AuthView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"

#include <quillon/TypedText.hpp>

AuthView::AuthView() : BaseView<AuthPresenter>(&Functors::getInstance().plain) {}

const quillon::WideChar* AuthView::getHelpText()
{
    return quillon::TypedText(HELP).getText();
}

void AuthView::setupContent(guicontrols::Content& area)
{
    keyboard.setPosition(0, 0, area.getWidth(), area.getHeight());
    keyboard.setMaxLength(static_cast<uint8_t>(presenter->getMaxLength() - 1));
    area.add(keyboard);
}

void AuthView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(SERVICE_NOTICE_BUTTON); // no way out to a notice while a password is asked
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void AuthView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    // A right password makes the page manager show the pending page in place of this one.
    if (pageManager == nullptr || !pageManager->checkPassword(keyboard.getText())) {
        showFeedback(quillon::TypedText(ACCESS_DENIED).getText());
    }
}

void AuthView::onFeedbackFinished(bool* handled)
{
    (void)handled; // left unhandled: the keyboard comes back, empty, for another try
    keyboard.clear();
}
