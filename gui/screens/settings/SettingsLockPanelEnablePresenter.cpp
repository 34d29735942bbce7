#include "gui/screens/settings/SettingsLockPanelEnablePresenter.hpp"

#include "gui/pagemanager/AccessControl.hpp"
#include "gui/pagemanager/PasswordStorage.hpp"

uint8_t SettingsLockPanelEnablePresenter::getLockState()
{
    return getModel()->getGroups().lock.lockLevel.getValue();
}

void SettingsLockPanelEnablePresenter::setLockState(uint8_t state)
{
    getModel()->getGroups().lock.lockLevel.setValue(state);
}

bool SettingsLockPanelEnablePresenter::isPasswordAccepted(const quillon::WideChar* entered)
{
    helpers::PasswordStorage passwords(getModel());
    return passwords.checkPassword(pagemanager::ACCESS_USER, entered) ||
           passwords.checkPassword(pagemanager::ACCESS_MASTER, entered);
}
