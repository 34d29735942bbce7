#include "gui/recipe/OutsideTemperaturePresenter.hpp"

void OutsideTemperaturePresenter::activate()
{
    watch({&outsideTemperature(), &sensorStatus});
    entered = true; // what the table holds now is shown on the first frame; changes follow
}

void OutsideTemperaturePresenter::deactivate()
{
    unwatch();
}

bool OutsideTemperaturePresenter::hasDataChanged()
{
    const bool changed = filterChanged();
    const bool first = entered;
    entered = false;
    return changed || first;
}

model::DataPoint<float, DP_SCALED_S16>& OutsideTemperaturePresenter::outsideTemperature()
{
    return getModel()->getGroups().general.adjustedOutsideTemperature;
}
