#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewPresenter.hpp"

#include "gui/screens/histogram/HistorySeries.hpp"

void ElectricEnergyConsumptionOverviewPresenter::activate()
{
    clearValues();
    model::IProperty* series = HistorySeries::range(getModel()->getGroups().energy.electricity, interval());
    if (series != nullptr) {
        watch({series});
    }
}

void ElectricEnergyConsumptionOverviewPresenter::loadValues(uint8_t pageOffset)
{
    model::EnergyGroup& energy = getModel()->getGroups().energy;
    for (uint8_t k = 0; k < ENTRIES; ++k) {
        segmentValues[0][k] = HistorySeries::value(energy.electricity, interval(), pageOffset + k);
    }
}
