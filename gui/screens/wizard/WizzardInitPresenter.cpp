#include "gui/screens/wizard/WizzardInitPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"

WizzardInitPresenter::WizzardInitPresenter(IView& view) : BasePresenter(view)
{
    if (pageManager != nullptr) {
        pageManager->setAccessLevel(WIZARD_ACCESS_LEVEL);
    }
}

void WizzardInitPresenter::activate()
{
    model::ParameterGroups& groups = getModel()->getGroups();
    watch({&groups.general.configuration335, &groups.flueGasSensor.gasType, &groups.fillingVenting.state});
}

void WizzardInitPresenter::deactivate()
{
    unwatch();
}

bool WizzardInitPresenter::hasDataChanged()
{
    if (filterChanged()) {
        return true;
    }
    return getModel() != nullptr && getModel()->getTimeManager().hasClockChanged();
}

uint32_t WizzardInitPresenter::getLanguage() const
{
    return getModel()->getGroups().settings.language.get();
}

bool WizzardInitPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

uint8_t WizzardInitPresenter::getBuildingType() const
{
    return getModel()->getGroups().general.configuration335.getValue();
}

void WizzardInitPresenter::setBuildingType(uint8_t type)
{
    getModel()->getGroups().general.configuration335.setValue(type);
}

bool WizzardInitPresenter::isFillingReleased() const
{
    return getModel()->getGroups().fillingVenting.state.getValue() == 0;
}

void WizzardInitPresenter::setGasTypeCode(uint8_t code)
{
    getModel()->getGroups().flueGasSensor.tileChoice2.setValue(code);
}

uint8_t WizzardInitPresenter::getGasType() const
{
    return getModel()->getGroups().flueGasSensor.gasType.getValue();
}
