#include "gui/screens/settings/SettingsLockPanelEnableView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/IPopupManager.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/popups/PopupId.hpp"

SettingsLockPanelEnableView::SettingsLockPanelEnableView()
    : BaseView<SettingsLockPanelEnablePresenter>(&Functors::getInstance().plain)
{
}

const quillon::WideChar* SettingsLockPanelEnableView::getHelpText()
{
    return quillon::TypedText(HELP).getText();
}

void SettingsLockPanelEnableView::setupContent(guicontrols::Content& area)
{
    keyboard.setPosition(0, 0, area.getWidth(), area.getHeight());
    keyboard.setMaxLength(MAX_PASSWORD_LENGTH);
    area.add(keyboard);
}

void SettingsLockPanelEnableView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(SERVICE_NOTICE_BUTTON);
    bar.setButtonIcon(ACCEPT_BUTTON, ACCEPT_ICON);
}

void SettingsLockPanelEnableView::onBottomBarButton(int index)
{
    if (pageManager == nullptr) {
        return;
    }
    if (index != ACCEPT_BUTTON) {
        if (pageManager->getPopupManager() != nullptr) {
            pageManager->getPopupManager()->close(POPUP_PANEL_LOCKED);
        }
        GenericView::onBottomBarButton(index);
        return;
    }
    if (!isPasswordValid()) {
        showFeedback(quillon::TypedText(ACCESS_DENIED).getText()); // its end goes back
        return;
    }
    if (presenter->getLockState() == SettingsLockPanelEnablePresenter::UNLOCKED) {
        lock();
    } else {
        unlock();
    }
}

void SettingsLockPanelEnableView::lock()
{
    const Params::PanelLockMode* chosen = pageManager->getParam<Params::PanelLockMode>();
    if (chosen == nullptr) {
        return; // opened without a mode: a valid password alone changes nothing
    }
    if (chosen->mode == SettingsLockPanelEnablePresenter::EVERYTHING) {
        presenter->setLockState(SettingsLockPanelEnablePresenter::EVERYTHING);
        pageManager->lockPanel(true);
    } else if (chosen->mode == SettingsLockPanelEnablePresenter::HOME_ONLY) {
        presenter->setLockState(SettingsLockPanelEnablePresenter::HOME_ONLY);
        pageManager->lockPanel(false);
    }
}

void SettingsLockPanelEnableView::unlock()
{
    pageManager->checkPassword(keyboard.getText()); // grants the password's level
    presenter->setLockState(SettingsLockPanelEnablePresenter::UNLOCKED);
    pageManager->backTo(true);
}
