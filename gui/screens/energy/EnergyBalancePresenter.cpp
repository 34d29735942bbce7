#include "gui/screens/energy/EnergyBalancePresenter.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/histogram/HistorySeries.hpp"

EnergyBalancePresenter::EnergyBalancePresenter(IView& view) : BasePresenter(view), interval(NO_INTERVAL)
{
    const IntervalSelection* selection = pageManager != nullptr ? pageManager->getParam<IntervalSelection>() : nullptr;
    if (selection != nullptr) {
        interval = selection->interval;
    }
}

void EnergyBalancePresenter::activate()
{
    if (interval >= NO_INTERVAL) {
        return;
    }
    model::DataModelManager& model = *getModel();
    model::EnergyGroup& energy = model.getGroups().energy;
    watch({HistorySeries::solarRange(model, interval), HistorySeries::range(energy.gas1, interval),
           HistorySeries::range(energy.gas2, interval)});
}

bool EnergyBalancePresenter::hasSolarEnergyHistory()
{
    return getModel() != nullptr && HistorySeries::hasSolarDays(*getModel());
}

helpers::DateTime EnergyBalancePresenter::getCurrentDateTime()
{
    return getModel() != nullptr ? getModel()->getTimeManager().getDateTime() : helpers::DateTime();
}

uint32_t EnergyBalancePresenter::gasHeating(uint32_t element)
{
    return HistorySeries::value(getModel()->getGroups().energy.gas1, period(), element);
}

uint32_t EnergyBalancePresenter::gasHotWater(uint32_t element)
{
    return HistorySeries::value(getModel()->getGroups().energy.gas2, period(), element);
}

uint32_t EnergyBalancePresenter::solarYield(uint32_t element)
{
    return HistorySeries::solarValue(*getModel(), period(), element);
}
