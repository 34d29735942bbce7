#include "gui/screens/wizard/WizzardTuningSolarModulePresenter.hpp"

void WizzardTuningSolarModulePresenter::activate()
{
    // The absorber surface is not watched: its own screen writes it, and this one is built
    // anew on the way back.
    model::SolarGroup& solar = getModel()->getGroups().solar;
    watch({&solar.pumpType, &solar.cylinderMaximumTemperature, &solar.stagnationTimeReduction, &solar.flow,
           &solar.destratificationPump});
    watchDevices();
}
