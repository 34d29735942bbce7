#ifndef GUI_SCREENS_ENERGY_SOLARPUMPSTATUSPRESENTER_HPP
#define GUI_SCREENS_ENERGY_SOLARPUMPSTATUSPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

namespace model
{
class IDSolarGroup;
}

// The solar controller's record, watched while the screen is shown, and the pump's
// calibration (flow at a speed), read when asked and never watched.
class SolarPumpStatusPresenter : public BasePresenter
{
public:
    explicit SolarPumpStatusPresenter(IView& view) : BasePresenter(view) {}
    ~SolarPumpStatusPresenter() override {}

    void activate() override;
    void deactivate() override { unwatch(); }
    // True once after the record changed.
    bool hasDataChanged() override { return filterChanged(); }

    // l/min.
    float getCalibrationFlow();
    // Percent.
    uint8_t getCalibrationSpeed();
    uint8_t getPumpSpeed();
    model::IDSolarGroup& solar();
};

#endif
