#include "gui/screens/histogram/SolarDetailsPresenter.hpp"

#include "gui/screens/histogram/HistorySeries.hpp"

void SolarDetailsPresenter::activate()
{
    model::IProperty* series = HistorySeries::solarRange(*getModel(), getPeriod());
    if (series != nullptr) {
        watch({series});
    }
}

uint32_t SolarDetailsPresenter::getSegmentValue(uint8_t segment)
{
    (void)segment;
    if (selection == nullptr) {
        return 0;
    }
    return HistorySeries::solarValue(*getModel(), getPeriod(), selection->periodsBack);
}
