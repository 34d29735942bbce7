#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsPresenter.hpp"

#include "gui/screens/histogram/HistorySeries.hpp"

void ElectricEnergyConsumptionDetailsPresenter::activate()
{
    model::IProperty* series = HistorySeries::range(getModel()->getGroups().energy.electricity, getPeriod());
    if (series != nullptr) {
        watch({series});
    }
}

uint32_t ElectricEnergyConsumptionDetailsPresenter::getSegmentValue(uint8_t segment)
{
    (void)segment;
    if (selection == nullptr) {
        return 0;
    }
    return HistorySeries::value(getModel()->getGroups().energy.electricity, getPeriod(), selection->periodsBack);
}
