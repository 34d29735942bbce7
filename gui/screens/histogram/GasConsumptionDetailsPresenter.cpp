#include "gui/screens/histogram/GasConsumptionDetailsPresenter.hpp"

#include "gui/screens/histogram/HistorySeries.hpp"

void GasConsumptionDetailsPresenter::activate()
{
    model::EnergyGroup& energy = getModel()->getGroups().energy;
    model::IProperty* heating = HistorySeries::range(energy.gas1, getPeriod());
    model::IProperty* hotWater = HistorySeries::range(energy.gas2, getPeriod());
    if (heating != nullptr && hotWater != nullptr) {
        watch({heating, hotWater});
    }
}

uint32_t GasConsumptionDetailsPresenter::getSegmentValue(uint8_t segment)
{
    if (selection == nullptr) {
        return 0;
    }
    model::EnergyGroup& energy = getModel()->getGroups().energy;
    return HistorySeries::value(segment == 0 ? energy.gas1 : energy.gas2, getPeriod(), selection->periodsBack);
}
