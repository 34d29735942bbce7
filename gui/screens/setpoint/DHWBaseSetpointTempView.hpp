#ifndef GUI_SCREENS_SETPOINT_DHWBASESETPOINTTEMPVIEW_HPP
#define GUI_SCREENS_SETPOINT_DHWBASESETPOINTTEMPVIEW_HPP

#include "gui/screens/setpoint/SetpointTempView.hpp"

// The hot-water setpoint, titled without a circuit.
class DHWBaseSetpointTempView : public SetpointTempView
{
public:
    DHWBaseSetpointTempView();
    ~DHWBaseSetpointTempView() override {}

    quillon::TextId getTitleText() override { return 1160; }
    const quillon::WideChar* getHelpText() override;
};

#endif
