#ifndef GUI_SCREENS_WIZARD_WIZZARDDETECTEDDEVICESPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDDETECTEDDEVICESPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The components the device manager found, and the sensors that report no fault. Watches
// nothing of its own: on arrival it has the device manager read its points once more.
class WizzardDetectedDevicesPresenter : public BasePresenter
{
public:
    static const uint32_t SENSOR_COUNT = 15;

    explicit WizzardDetectedDevicesPresenter(IView& view) : BasePresenter(view) {}
    ~WizzardDetectedDevicesPresenter() override {}

    void activate() override;
    void deactivate() override {}
    // A presence changed since the last call; takes the report.
    bool hasDataChanged() override;

    bool isAvailable(uint32_t deviceFlag) const;
    // The fault indicator of the sensor line (0..14, in list order): 0 means the sensor is fine.
    uint8_t getSensorIndicator(uint32_t line) const;
};

#endif
