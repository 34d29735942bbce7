#include "gui/screens/wizard/WizzardHCTypeSelectPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

void WizzardHCTypeSelectPresenter::activate()
{
    const HeatingCircuitParam* selection =
        pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>(nullptr) : nullptr;
    // A circuit past the three the boiler has would index past the series: circuit 1 then.
    if (selection != nullptr && selection->circuit < CIRCUIT_COUNT) {
        circuit = selection->circuit;
    }
    watch({&getModel()->getGroups().hc.circuitType.at(circuit)});
}

void WizzardHCTypeSelectPresenter::deactivate()
{
    unwatch();
}

uint8_t WizzardHCTypeSelectPresenter::getType() const
{
    return getModel()->getGroups().hc.circuitType.at(circuit).getValue();
}

void WizzardHCTypeSelectPresenter::setType(uint8_t type)
{
    getModel()->getGroups().hc.circuitType.at(circuit).setValue(type);
}
