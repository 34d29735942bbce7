#ifndef GUI_SCREENS_SETPOINT_DHWBASESETPOINTTEMPPRESENTER_HPP
#define GUI_SCREENS_SETPOINT_DHWBASESETPOINTTEMPPRESENTER_HPP

#include "gui/screens/setpoint/SetpointTempPresenter.hpp"

// The hot-water setpoint, between limits the device gives.
class DHWBaseSetpointTempPresenter : public SetpointTempPresenter
{
public:
    explicit DHWBaseSetpointTempPresenter(IView& view) : SetpointTempPresenter(view) {}
    ~DHWBaseSetpointTempPresenter() override {}

    uint8_t getMinimum() override;
    uint8_t getMaximum() override;
    Setpoint& getDataPoint() override;
    virtual Setpoint& getLimitSwitchDataPoint();
};

#endif
