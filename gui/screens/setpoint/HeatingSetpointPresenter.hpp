#ifndef GUI_SCREENS_SETPOINT_HEATINGSETPOINTPRESENTER_HPP
#define GUI_SCREENS_SETPOINT_HEATINGSETPOINTPRESENTER_HPP

#include "gui/screens/setpoint/SetpointTempPresenter.hpp"

// A setpoint of the heating circuit the screens before chose; circuit 1 when none did.
class HeatingSetpointPresenter : public SetpointTempPresenter
{
public:
    static const uint16_t CIRCUITS = 3;

    explicit HeatingSetpointPresenter(IView& view);
    ~HeatingSetpointPresenter() override {}

    uint16_t getCircuit() const { return circuit; }

protected:
    uint16_t circuit;
};

#endif
