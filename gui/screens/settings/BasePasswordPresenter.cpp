#include "gui/screens/settings/BasePasswordPresenter.hpp"

#include "model/DataModelManager.hpp"

BasePasswordPresenter::BasePasswordPresenter(IView& view)
    : BasePresenter(view), storage(nullptr)
{
}

bool BasePasswordPresenter::setPassword(uint8_t selector, const quillon::WideChar* text)
{
    model::SettingsGroup& settings = getModel()->getGroups().settings;
    switch (selector) {
    case SERVICE:
        return settings.servPass.set(text);
    case MENU:
        return settings.menuPass.set(text);
    case OPERATOR:
        return settings.opPass.set(text);
    default:
        return false;
    }
}

bool BasePasswordPresenter::restoreDefault(uint8_t selector, const quillon::WideChar* defaultText)
{
    quillon::WideChar text[helpers::PasswordStorage::PASSWORD_UNITS] = {};
    for (uint16_t i = 0; defaultText != nullptr && i + 1 < helpers::PasswordStorage::PASSWORD_UNITS && defaultText[i] != 0;
         ++i) {
        text[i] = defaultText[i];
    }
    return setPassword(selector, text);
}
