#include "gui/screens/histogram/SolarOverviewPresenter.hpp"

#include "gui/screens/histogram/HistorySeries.hpp"

void SolarOverviewPresenter::activate()
{
    clearValues();
    model::IProperty* series = HistorySeries::solarRange(*getModel(), interval());
    if (series != nullptr) {
        watch({series});
    }
}

void SolarOverviewPresenter::loadValues(uint8_t pageOffset)
{
    for (uint8_t k = 0; k < ENTRIES; ++k) {
        segmentValues[0][k] = HistorySeries::solarValue(*getModel(), interval(), pageOffset + k);
    }
}
