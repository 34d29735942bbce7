#include "gui/screens/settings/ResetPasswordsView.hpp"

#include "model/settings/SettingsGroup.hpp"

void ResetPasswordsView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
    } else if (checkOldPassword(pagemanager::ACCESS_MASTER)) {
        askToChange();
    }
}

void ResetPasswordsView::onConfirmFinished(uint8_t result, bool* handled)
{
    if (result != YES) {
        return;
    }
    presenter->restoreDefault(BasePasswordPresenter::SERVICE, model::SettingsGroup::getDefaultServicePassword());
    presenter->restoreDefault(BasePasswordPresenter::MENU, model::SettingsGroup::getDefaultMenuPassword());
    presenter->restoreDefault(BasePasswordPresenter::OPERATOR, model::SettingsGroup::getDefaultOperatorPassword());
    BasePasswordView::onConfirmFinished(result, handled);
}
