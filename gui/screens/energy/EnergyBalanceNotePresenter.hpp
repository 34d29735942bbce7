#ifndef GUI_SCREENS_ENERGY_ENERGYBALANCENOTEPRESENTER_HPP
#define GUI_SCREENS_ENERGY_ENERGYBALANCENOTEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/pages/PagePair.hpp"

// The note that consumption figures are approximate: confirming it is remembered by the
// device; either way the user goes on to the note page's target.
class EnergyBalanceNotePresenter : public BasePresenter
{
public:
    static const uint32_t HEAT_METER_DEVICE = 60;
    static const uint32_t SECOND_METER_DEVICE = 64;

    explicit EnergyBalanceNotePresenter(IView& view);
    ~EnergyBalanceNotePresenter() override {}

    void activate() override;
    void deactivate() override { unwatch(); }

    // The note is not shown again.
    void acknowledge();
    // To the second target with a metering device, else to the first with the shortest
    // interval; the note stays out of the history. Without targets, back.
    void proceed();

private:
    const PagePair* targets;
};

#endif
