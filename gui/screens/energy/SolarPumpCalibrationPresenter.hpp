#ifndef GUI_SCREENS_ENERGY_SOLARPUMPCALIBRATIONPRESENTER_HPP
#define GUI_SCREENS_ENERGY_SOLARPUMPCALIBRATIONPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The solar controller's calibration mode (on while the page is shown) and the values the
// calibration reads and writes. Nothing is watched: the values are those last polled.
class SolarPumpCalibrationPresenter : public BasePresenter
{
public:
    static constexpr uint8_t CALIBRATION_CODE = 97;

    explicit SolarPumpCalibrationPresenter(IView& view) : BasePresenter(view) {}
    ~SolarPumpCalibrationPresenter() override {}

    // Every way off the page ends the calibration mode.
    void deactivate() override { sendCalibrationMode(0); }

    // 1 on, 0 off.
    void sendCalibrationMode(uint8_t mode);
    // A surface above 0 m²; 0, negative and not-a-number are unknown.
    bool isAbsorberSurfaceKnown();
    // Tenths of l/min.
    uint8_t getCalibrationFlow();
    void setCalibrationFlow(uint8_t tenths);
    // Percent.
    uint8_t getCalibrationSpeed();
};

#endif
