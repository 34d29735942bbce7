#include "gui/screens/menu/MenuPresenter.hpp"

#include "model/DataModelManager.hpp"

void MenuPresenter::activate()
{
    model::DeviceManager& devices = getModel()->getDeviceManager();
    // A change before the menu was built is already in its tiles.
    devices.takeChanged();
    devices.activate();
}

void MenuPresenter::deactivate()
{
    getModel()->getDeviceManager().deactivate();
}

bool MenuPresenter::hasDataChanged()
{
    return getModel()->getDeviceManager().takeChanged();
}
