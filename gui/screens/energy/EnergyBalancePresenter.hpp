#ifndef GUI_SCREENS_ENERGY_ENERGYBALANCEPRESENTER_HPP
#define GUI_SCREENS_ENERGY_ENERGYBALANCEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "helpers/DateTime.hpp"

#include <stdint.h>

// Gas consumed against solar energy yielded over the chosen interval. Opened without an
// interval it charts the 8 days from the table and watches nothing.
class EnergyBalancePresenter : public BasePresenter
{
public:
    static const uint32_t NO_INTERVAL = 4;

    explicit EnergyBalancePresenter(IView& view);
    ~EnergyBalancePresenter() override {}

    void activate() override;
    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }

    uint32_t getInterval() const { return interval; }
    bool hasSolarEnergyHistory();
    helpers::DateTime getCurrentDateTime();

    // Element e of the charted range: 0 the current period. Gas in kWh, solar in Wh.
    uint32_t gasHeating(uint32_t element);
    uint32_t gasHotWater(uint32_t element);
    uint32_t solarYield(uint32_t element);

private:
    // The ranges read: the interval's, the days' for none.
    uint32_t period() const { return interval < NO_INTERVAL ? interval : 0; }

    uint32_t interval;
};

#endif
