#ifndef GUI_SCREENS_HISTOGRAM_HISTORYSERIES_HPP
#define GUI_SCREENS_HISTOGRAM_HISTORYSERIES_HPP

#include "model/DataModelManager.hpp"
#include "model/groups/EnergyGroup.hpp"

#include <stdint.h>

// The ranges of one history by period (0 days .. 3 years) and their elements, read safely:
// a period outside 0..3 has no range, an element past the range's end reads 0.
class HistorySeries
{
public:
    static const uint32_t PERIODS = 4;
    static const uint32_t NO_PERIOD = 0xFFFFFFFFu;

    // Elements per range: 8 days, 53 weeks, 13 months, 3 years; 0 for any other period.
    static uint32_t length(uint32_t period);
    static model::IProperty* range(model::EnergyGroup::Block& block, uint32_t period);
    static uint32_t value(model::EnergyGroup::Block& block, uint32_t period, uint32_t element);

    // Days of solar yield come from the yield ranges only with a boiler or cylinder that
    // records them; otherwise from the solar module's own eight-day history.
    static bool hasSolarDays(model::DataModelManager& model);
    static model::IProperty* solarRange(model::DataModelManager& model, uint32_t period);
    static uint32_t solarValue(model::DataModelManager& model, uint32_t period, uint32_t element);

    // Any of the three hot-water circuits.
    static bool hasHotWater(model::DataModelManager& model);
};

#endif
