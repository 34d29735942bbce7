#ifndef GUI_SCREENS_SETPOINT_HEATINGROOMTEMPPRESENTER_HPP
#define GUI_SCREENS_SETPOINT_HEATINGROOMTEMPPRESENTER_HPP

#include "gui/screens/setpoint/HeatingSetpointPresenter.hpp"

// The circuit's room setpoint.
class HeatingRoomTempPresenter : public HeatingSetpointPresenter
{
public:
    explicit HeatingRoomTempPresenter(IView& view) : HeatingSetpointPresenter(view) {}
    ~HeatingRoomTempPresenter() override {}

    Setpoint& getDataPoint() override;
};

#endif
