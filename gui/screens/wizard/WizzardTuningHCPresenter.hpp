#ifndef GUI_SCREENS_WIZARD_WIZZARDTUNINGHCPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDTUNINGHCPRESENTER_HPP

#include "gui/screens/wizard/TuningPresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// One heating circuit's settings as the commissioning looks them over: the circuit the
// system scheme handed over (the heating-circuit selection).
class WizzardTuningHCPresenter : public TuningPresenter
{
public:
    static const uint16_t TITLE_UNITS = 100;
    static const uint16_t CIRCUITS = 3;
    static const uint8_t UNDERFLOOR_TYPE = 1;

    explicit WizzardTuningHCPresenter(IView& view);
    ~WizzardTuningHCPresenter() override {}

    void activate() override;

    // 0..2; a selection beyond the three circuits, or none at all, is the first circuit.
    uint16_t getCircuit() const { return circuit; }
    const quillon::WideChar* getTitle() const { return title; }
    bool isScreedDryingAvailable() const;

private:
    uint16_t circuit;
    quillon::WideChar title[TITLE_UNITS];
};

#endif
