#include "gui/screens/settings/BasePasswordView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::BitmapId ACCEPT_ICON = 210;
} // namespace

BasePasswordView::BasePasswordView() : BaseView<BasePasswordPresenter>(&Functors::getInstance().plain), step(0) {}

void BasePasswordView::setupContent(guicontrols::Content& area)
{
    keyboard.setPosition(0, 0, area.getWidth(), area.getHeight());
    keyboard.setMaxLength(MAX_LENGTH);
    area.add(keyboard);
}

void BasePasswordView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(SERVICE_NOTICE_BUTTON);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void BasePasswordView::onConfirmFinished(uint8_t result, bool* handled)
{
    (void)result;
    *handled = true;
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

bool BasePasswordView::checkOldPassword(int32_t accessLevel)
{
    if (presenter->getPasswordStorage().checkPassword(accessLevel, keyboard.getText())) {
        return true;
    }
    showFeedback(quillon::TypedText(ACCESS_DENIED).getText());
    return false;
}

void BasePasswordView::acceptEntry(int32_t accessLevel)
{
    if (step != 0) {
        askToChange();
    } else if (checkOldPassword(accessLevel)) {
        showNewPasswordStep();
    }
}

void BasePasswordView::showNewPasswordStep()
{
    step = 1;
    keyboard.clear();
    clearBars();
    applyViewMode();
    container.invalidate();
}

void BasePasswordView::askToChange()
{
    showConfirm(quillon::TypedText(QUESTION).getText());
}

void BasePasswordView::onChangeButton(int index, int32_t accessLevel)
{
    if (index == OK_BUTTON) {
        acceptEntry(accessLevel);
    } else {
        GenericView::onBottomBarButton(index);
    }
}

void BasePasswordView::confirmChange(uint8_t result, bool* handled, uint8_t selector)
{
    if (result == YES) {
        presenter->setPassword(selector, keyboard.getText());
        BasePasswordView::onConfirmFinished(result, handled);
    }
}
