#include "gui/screens/histogram/GasConsumptionOverviewPresenter.hpp"

#include "gui/screens/histogram/HistorySeries.hpp"

void GasConsumptionOverviewPresenter::activate()
{
    clearValues();
    const uint32_t period = interval();
    model::EnergyGroup& energy = getModel()->getGroups().energy;
    model::IProperty* heating = HistorySeries::range(energy.gas1, period);
    model::IProperty* hotWater = HistorySeries::range(energy.gas2, period);
    if (heating != nullptr && hotWater != nullptr) {
        watch({heating, hotWater});
    }
}

void GasConsumptionOverviewPresenter::loadValues(uint8_t pageOffset)
{
    model::EnergyGroup& energy = getModel()->getGroups().energy;
    for (uint8_t k = 0; k < ENTRIES; ++k) {
        const uint32_t heating = HistorySeries::value(energy.gas1, interval(), pageOffset + k);
        const uint32_t hotWater = HistorySeries::value(energy.gas2, interval(), pageOffset + k);
        segmentValues[0][k] = heating;
        // The bar sums its segments in 32 bits: the second takes at most what is left.
        segmentValues[1][k] = hotWater > 0xFFFFFFFFu - heating ? 0xFFFFFFFFu - heating : hotWater;
    }
}
