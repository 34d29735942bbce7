#include "gui/recipe/OutsideTemperaturePresenter.hpp"

#include "gui/recipe/OutsideTemperatureView.hpp"

void OutsideTemperaturePresenter::activate()
{
    watch({&outsideTemperature(), &sensorStatus});
    showAll(); // what the table holds now; changes follow on the tick
}

void OutsideTemperaturePresenter::deactivate()
{
    unwatch();
}

void OutsideTemperaturePresenter::tick()
{
    if (!filterChanged()) {
        return;
    }
    showAll();
}

void OutsideTemperaturePresenter::showAll()
{
    view.showTemperature(outsideTemperature().getValue());
    view.showSensorFault(sensorStatus.getValue() != 0);
}

model::DataPoint<float, DP_SCALED_S16>& OutsideTemperaturePresenter::outsideTemperature()
{
    return getModel()->getGroups().general.adjustedOutsideTemperature;
}
