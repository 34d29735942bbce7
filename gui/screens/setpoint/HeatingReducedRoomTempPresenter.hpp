#ifndef GUI_SCREENS_SETPOINT_HEATINGREDUCEDROOMTEMPPRESENTER_HPP
#define GUI_SCREENS_SETPOINT_HEATINGREDUCEDROOMTEMPPRESENTER_HPP

#include "gui/screens/setpoint/HeatingSetpointPresenter.hpp"

// The circuit's reduced (night) room setpoint.
class HeatingReducedRoomTempPresenter : public HeatingSetpointPresenter
{
public:
    explicit HeatingReducedRoomTempPresenter(IView& view) : HeatingSetpointPresenter(view) {}
    ~HeatingReducedRoomTempPresenter() override {}

    Setpoint& getDataPoint() override;
};

#endif
