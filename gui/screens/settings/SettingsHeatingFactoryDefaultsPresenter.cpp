#include "gui/screens/settings/SettingsHeatingFactoryDefaultsPresenter.hpp"

namespace
{
const quillon::WideChar EMPTY[] = {0};
}

const quillon::WideChar* SettingsHeatingFactoryDefaultsPresenter::getCircuitName(uint8_t circuit)
{
    model::SettingsGroup& settings = getModel()->getGroups().settings;
    switch (circuit) {
    case 0: return settings.hc1.get();
    case 1: return settings.hc2.get();
    case 2: return settings.hc3.get();
    default: return EMPTY;
    }
}

bool SettingsHeatingFactoryDefaultsPresenter::resetCircuit(uint8_t circuit)
{
    model::ParameterGroups& groups = getModel()->getGroups();
    if (!groups.rpc.factorySettings.sendFor(circuit)) {
        return false;
    }
    groups.heating.refreshAll();
    return true;
}
