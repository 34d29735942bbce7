#include "gui/screens/settings/SettingsBrightnessPresenter.hpp"

#include "helpers/BoardWrappers.hpp"

void SettingsBrightnessPresenter::deactivate()
{
    restoreNormalBacklight();
    BasePresenter::deactivate();
}

void SettingsBrightnessPresenter::restoreNormalBacklight()
{
    model::DataModelManager* bound = getModel();
    if (bound != nullptr) {
        (void)helpers::setBacklight(bound->getGroups().settings.normalLight.get()); // the board keeps its last level
    }
}
